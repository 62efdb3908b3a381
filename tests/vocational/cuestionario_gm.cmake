# The intermediate-cycle helicopter intro and questionnaire logic (GoogleTest).
add_executable(pruebas_cuestionario_gm ${CMAKE_CURRENT_LIST_DIR}/cuestionario_gm_test.cpp)
target_link_libraries(pruebas_cuestionario_gm PRIVATE norvela_fp_datos norvela_pruebas)
gtest_discover_tests(pruebas_cuestionario_gm PROPERTIES ENVIRONMENT "${NORVELA_TEST_ENV}" DISCOVERY_TIMEOUT 60)
