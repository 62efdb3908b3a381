# Report lines of the FP screens: the title sheet with its community
# selection and the centre-list printout, and the intermediate and basic
# levels of the shared route and sheet (GoogleTest).
add_executable(pruebas_informes_fp
  ${CMAKE_CURRENT_LIST_DIR}/informe_fp_titulo_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/informe_fp_centros_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/nivel_fp_test.cpp)
# The degrees' loading fills the tables the FP screens read, as at start-up.
target_link_libraries(pruebas_informes_fp PRIVATE norvela_fp_datos norvela_grados_datos norvela_pruebas)
add_dependencies(pruebas_informes_fp carpeta_datos)
gtest_discover_tests(pruebas_informes_fp TEST_PREFIX "InformesFP." PROPERTIES ENVIRONMENT "${NORVELA_TEST_ENV}" DISCOVERY_TIMEOUT 60)
