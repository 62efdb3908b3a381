# The FP place model and centre searches (GoogleTest), the higher-cycle
# screen (Qt Test, offscreen) and the benchmark of the largest grid.
add_executable(pruebas_lugares_fp lugares_test.cpp)
target_link_libraries(pruebas_lugares_fp PRIVATE norvela_pruebas norvela_fp_datos)
gtest_discover_tests(pruebas_lugares_fp TEST_PREFIX "FpLugares." PROPERTIES ENVIRONMENT "${NORVELA_TEST_ENV}" DISCOVERY_TIMEOUT 60)

norvela_prueba_qt(pantalla_superior Pantallas.superior superior_qtest.cpp norvela_pruebas_pantallas)
set_tests_properties(Pantallas.superior PROPERTIES TIMEOUT 120)

if(benchmark_FOUND)
  add_executable(rendimiento_rejilla_fp rejilla_benchmark.cpp ${CMAKE_SOURCE_DIR}/tests/rendimiento/main_benchmark.cpp)
  target_link_libraries(rendimiento_rejilla_fp PRIVATE norvela_fp_datos norvela_grados_datos benchmark::benchmark)
  target_compile_definitions(rendimiento_rejilla_fp PRIVATE NORVELA_DATOS_ENTREGADOS="${NORVELA_DATA_OUT}")
  set_target_properties(rendimiento_rejilla_fp PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${NORVELA_BIN_DIR})
  add_dependencies(rendimiento_rejilla_fp carpeta_datos)
endif()

# The shared place route on the basic level (Qt Test, offscreen).
norvela_prueba_qt(ruta_lugares Pantallas.rutaLugares ruta_lugares_qtest.cpp norvela_pruebas_pantallas)
