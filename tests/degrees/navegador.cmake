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
norvela_prueba_qt(grados_qtest Grados.Pantalla ${CMAKE_CURRENT_LIST_DIR}/grados_qtest.cpp norvela_pruebas_pantallas)

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
norvela_prueba_qt(busqueda_grados_qtest Grados.Busqueda ${CMAKE_CURRENT_LIST_DIR}/busqueda_qtest.cpp norvela_pruebas_pantallas)
