# The family statistics: reading and chart geometry (GoogleTest), and the
# screen offscreen (Qt Test).
add_executable(pruebas_estadisticas ${CMAKE_CURRENT_LIST_DIR}/estadisticas_test.cpp)
target_link_libraries(pruebas_estadisticas PRIVATE norvela_fp_datos norvela_pruebas)
add_dependencies(pruebas_estadisticas carpeta_datos)
gtest_discover_tests(pruebas_estadisticas PROPERTIES ENVIRONMENT "${NORVELA_TEST_ENV}" DISCOVERY_TIMEOUT 60)

add_executable(estadisticas_qtest ${CMAKE_CURRENT_LIST_DIR}/estadisticas_qtest.cpp)
target_link_libraries(estadisticas_qtest PRIVATE norvela_vocational norvela_pruebas_qt Qt6::Test)
add_dependencies(estadisticas_qtest carpeta_datos)
add_test(NAME Estadisticas.Pantalla COMMAND estadisticas_qtest)
set_tests_properties(Estadisticas.Pantalla PROPERTIES ENVIRONMENT "${NORVELA_TEST_ENV}")
