# The family statistics: reading and chart geometry (GoogleTest), and the
# screen offscreen (Qt Test).
add_executable(pruebas_estadisticas ${CMAKE_CURRENT_LIST_DIR}/estadisticas_test.cpp)
target_link_libraries(pruebas_estadisticas PRIVATE norvela_fp_datos norvela_pruebas)
add_dependencies(pruebas_estadisticas carpeta_datos)
gtest_discover_tests(pruebas_estadisticas PROPERTIES ENVIRONMENT "${NORVELA_TEST_ENV}" DISCOVERY_TIMEOUT 60)

norvela_prueba_qt(estadisticas_qtest Estadisticas.Pantalla ${CMAKE_CURRENT_LIST_DIR}/estadisticas_qtest.cpp norvela_pruebas_pantallas)
