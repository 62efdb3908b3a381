# Loading, browser, universities and marks: GoogleTest on the data logic.
add_executable(pruebas_navegador_grados
  ${CMAKE_CURRENT_LIST_DIR}/carga_grados_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/navegador_grados_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/navegador_prueba.h
  ${CMAKE_CURRENT_LIST_DIR}/universidades_grado_test.cpp)
target_link_libraries(pruebas_navegador_grados PRIVATE norvela_grados_datos norvela_pruebas)
add_dependencies(pruebas_navegador_grados carpeta_datos)
gtest_discover_tests(pruebas_navegador_grados PROPERTIES ENVIRONMENT "${NORVELA_TEST_ENV}" DISCOVERY_TIMEOUT 60)

# The degrees screen, offscreen, on the shipped data.
add_executable(grados_qtest ${CMAKE_CURRENT_LIST_DIR}/grados_qtest.cpp)
set_target_properties(grados_qtest PROPERTIES AUTOMOC ON)
target_link_libraries(grados_qtest PRIVATE norvela_degrees norvela_pruebas_qt Qt6::Test)
add_dependencies(grados_qtest carpeta_datos)
add_test(NAME Grados.Pantalla COMMAND grados_qtest)
set_tests_properties(Grados.Pantalla PROPERTIES ENVIRONMENT "${NORVELA_TEST_ENV}")

# Filling every grouping of the browser on the shipped data: built beside the
# program, run by hand (bin/rendimiento_navegador_grados).
if(benchmark_FOUND)
  add_executable(rendimiento_navegador_grados ${CMAKE_CURRENT_LIST_DIR}/navegador_benchmark.cpp)
  target_link_libraries(rendimiento_navegador_grados PRIVATE norvela_degrees benchmark::benchmark)
  target_compile_definitions(rendimiento_navegador_grados PRIVATE NORVELA_DATOS_ENTREGADOS="${NORVELA_DATA_OUT}")
  set_target_properties(rendimiento_navegador_grados PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${NORVELA_BIN_DIR})
  add_dependencies(rendimiento_navegador_grados carpeta_datos)
endif()

# The title search and the degree report: GoogleTest on the data logic.
add_executable(pruebas_busqueda_grados
  ${CMAKE_CURRENT_LIST_DIR}/busqueda_grados_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/informe_grado_test.cpp)
target_link_libraries(pruebas_busqueda_grados PRIVATE norvela_grados_datos norvela_pruebas)
gtest_discover_tests(pruebas_busqueda_grados PROPERTIES ENVIRONMENT "${NORVELA_TEST_ENV}" DISCOVERY_TIMEOUT 60)

# The title search and the degree report on the screen, offscreen; the
# report is printed to PDF and read back with pdftotext.
add_executable(busqueda_grados_qtest ${CMAKE_CURRENT_LIST_DIR}/busqueda_qtest.cpp)
set_target_properties(busqueda_grados_qtest PROPERTIES AUTOMOC ON)
target_link_libraries(busqueda_grados_qtest PRIVATE norvela_degrees norvela_pruebas_qt Qt6::Test)
add_dependencies(busqueda_grados_qtest carpeta_datos)
add_test(NAME Grados.Busqueda COMMAND busqueda_grados_qtest)
set_tests_properties(Grados.Busqueda PROPERTIES ENVIRONMENT "${NORVELA_TEST_ENV}")
