# The basic cycles: data logic (GoogleTest) and the screen on the shipped
# data through the program's own start-up (Qt Test, offscreen).
add_executable(pruebas_basica_fp ${CMAKE_CURRENT_LIST_DIR}/basica_test.cpp)
target_link_libraries(pruebas_basica_fp PRIVATE norvela_fp_datos norvela_pruebas)
gtest_discover_tests(pruebas_basica_fp TEST_PREFIX "FPBasica." PROPERTIES ENVIRONMENT "${NORVELA_TEST_ENV}" DISCOVERY_TIMEOUT 60)

norvela_prueba_qt(pantalla_basica Pantallas.basica basica_qtest.cpp norvela_pruebas_pantallas)
set_tests_properties(Pantallas.basica PROPERTIES TIMEOUT 120)
