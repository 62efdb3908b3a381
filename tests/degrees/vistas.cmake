# Double degrees, requirements, outlets, masters, addresses and the high
# cut-off marks: GoogleTest on the data logic, with the shipped-data checks
# of those views, the pulse of the map markers, and the opening of addresses
# with a recording handler.
add_executable(pruebas_vistas_grados
  ${CMAKE_CURRENT_LIST_DIR}/animacion_grado_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/abrir_enlace_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/datos_vistas_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/direcciones_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dobles_grado_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/estadisticas_grados_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grados_prueba.h
  ${CMAKE_CURRENT_LIST_DIR}/mapa_estrellas_pulso_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/notas_corte_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/requisitos_grado_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/salidas_grado_test.cpp)
set_target_properties(pruebas_vistas_grados PROPERTIES AUTOMOC ON)
# The opening of addresses lives beside the screens.
target_link_libraries(pruebas_vistas_grados PRIVATE norvela_grados_datos norvela_degrees norvela_pruebas)
add_dependencies(pruebas_vistas_grados carpeta_datos)
gtest_discover_tests(pruebas_vistas_grados PROPERTIES ENVIRONMENT "${NORVELA_TEST_ENV}" DISCOVERY_TIMEOUT 60)

# The region-map window, offscreen, on the shipped map.
add_executable(mapa_estrellas_qtest ${CMAKE_CURRENT_LIST_DIR}/mapa_estrellas_qtest.cpp)
set_target_properties(mapa_estrellas_qtest PROPERTIES AUTOMOC ON)
target_link_libraries(mapa_estrellas_qtest PRIVATE norvela_degrees norvela_pruebas_qt Qt6::Test)
add_dependencies(mapa_estrellas_qtest carpeta_datos)
add_test(NAME Grados.MapaEstrellas COMMAND mapa_estrellas_qtest)
set_tests_properties(Grados.MapaEstrellas PROPERTIES ENVIRONMENT "${NORVELA_TEST_ENV}")

# The degrees screen's double degrees, requirements, outlets and masters with
# the region-map window, offscreen on the shipped data.
add_executable(grados_vistas_qtest ${CMAKE_CURRENT_LIST_DIR}/grados_vistas_qtest.cpp)
set_target_properties(grados_vistas_qtest PROPERTIES AUTOMOC ON)
target_link_libraries(grados_vistas_qtest PRIVATE norvela_degrees norvela_pruebas_qt Qt6::Test)
add_dependencies(grados_vistas_qtest carpeta_datos)
add_test(NAME Grados.Vistas COMMAND grados_vistas_qtest)
set_tests_properties(Grados.Vistas PROPERTIES ENVIRONMENT "${NORVELA_TEST_ENV}")

# The degree-structure animation on the degrees screen, offscreen on the
# shipped data.
add_executable(animacion_grados_qtest ${CMAKE_CURRENT_LIST_DIR}/animacion_grados_qtest.cpp)
set_target_properties(animacion_grados_qtest PROPERTIES AUTOMOC ON)
target_link_libraries(animacion_grados_qtest PRIVATE norvela_degrees norvela_pruebas_qt Qt6::Test)
add_dependencies(animacion_grados_qtest carpeta_datos)
add_test(NAME Grados.AnimacionGrados COMMAND animacion_grados_qtest)
set_tests_properties(Grados.AnimacionGrados PROPERTIES ENVIRONMENT "${NORVELA_TEST_ENV}")

# The cut-off marks and weightings screen, offscreen on the shipped data.
add_executable(corte_qtest ${CMAKE_CURRENT_LIST_DIR}/corte_qtest.cpp)
set_target_properties(corte_qtest PROPERTIES AUTOMOC ON)
target_link_libraries(corte_qtest PRIVATE norvela_degrees norvela_pruebas_qt Qt6::Test)
add_dependencies(corte_qtest carpeta_datos)
add_test(NAME Grados.Corte COMMAND corte_qtest)
set_tests_properties(Grados.Corte PROPERTIES ENVIRONMENT "${NORVELA_TEST_ENV}")

# The degree statistics charts, offscreen on the shipped data.
add_executable(est_grados_qtest ${CMAKE_CURRENT_LIST_DIR}/est_grados_qtest.cpp)
set_target_properties(est_grados_qtest PROPERTIES AUTOMOC ON)
target_link_libraries(est_grados_qtest PRIVATE norvela_degrees norvela_pruebas_qt Qt6::Test)
add_dependencies(est_grados_qtest carpeta_datos)
add_test(NAME Grados.EstadisticasGrados COMMAND est_grados_qtest)
set_tests_properties(Grados.EstadisticasGrados PROPERTIES ENVIRONMENT "${NORVELA_TEST_ENV}")
