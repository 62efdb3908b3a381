# The intermediate-cycle screen: its title logic (GoogleTest) and the screen
# itself from the program's start-up over the shipped data (Qt Test, offscreen).
add_executable(pruebas_titulos_medio ${CMAKE_CURRENT_LIST_DIR}/titulos_medio_test.cpp)
target_link_libraries(pruebas_titulos_medio PRIVATE norvela_fp_datos norvela_guia_datos norvela_pruebas)
add_dependencies(pruebas_titulos_medio carpeta_datos)
gtest_discover_tests(pruebas_titulos_medio TEST_PREFIX "TitulosMedio." PROPERTIES ENVIRONMENT "${NORVELA_TEST_ENV}" DISCOVERY_TIMEOUT 60)

norvela_prueba_qt(pantalla_medio Pantallas.medio ${CMAKE_CURRENT_LIST_DIR}/medio_qtest.cpp norvela_pruebas_pantallas)
set_tests_properties(Pantallas.medio PROPERTIES TIMEOUT 120)
