# Professional certificates and the title catalogue: their lists, details
# and reports (GoogleTest), and both screens offscreen in the whole program
# (Qt Test).
add_executable(pruebas_catalogo ${CMAKE_CURRENT_LIST_DIR}/certificados_test.cpp ${CMAKE_CURRENT_LIST_DIR}/catalogo_test.cpp)
target_link_libraries(pruebas_catalogo PRIVATE norvela_fp_datos norvela_grados_datos norvela_guia_datos norvela_pruebas)
add_dependencies(pruebas_catalogo carpeta_datos)
gtest_discover_tests(pruebas_catalogo TEST_PREFIX "Catalogo." PROPERTIES ENVIRONMENT "${NORVELA_TEST_ENV}" DISCOVERY_TIMEOUT 60)

norvela_prueba_qt(certificados_qtest Pantallas.certificados ${CMAKE_CURRENT_LIST_DIR}/certificados_qtest.cpp norvela_pruebas_pantallas)
set_tests_properties(Pantallas.certificados PROPERTIES TIMEOUT 120)
norvela_prueba_qt(catalogo_qtest Pantallas.catalogo ${CMAKE_CURRENT_LIST_DIR}/catalogo_qtest.cpp norvela_pruebas_pantallas)
set_tests_properties(Pantallas.catalogo PROPERTIES TIMEOUT 120)
