# Double degrees, requirements, outlets, masters and the high cut-off
# marks: GoogleTest on the data logic, with the shipped-data checks of those
# views.
add_executable(pruebas_vistas_grados
  ${CMAKE_CURRENT_LIST_DIR}/animacion_grado_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/datos_vistas_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dobles_grado_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/estadisticas_grados_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grados_prueba.h
  ${CMAKE_CURRENT_LIST_DIR}/notas_corte_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/requisitos_grado_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/salidas_grado_test.cpp)
target_link_libraries(pruebas_vistas_grados PRIVATE norvela_grados_datos norvela_pruebas)
add_dependencies(pruebas_vistas_grados carpeta_datos)
gtest_discover_tests(pruebas_vistas_grados PROPERTIES ENVIRONMENT "${NORVELA_TEST_ENV}" DISCOVERY_TIMEOUT 60)

# The region-map window, offscreen, on the shipped map.
norvela_prueba_qt(mapa_estrellas_qtest Grados.MapaEstrellas ${CMAKE_CURRENT_LIST_DIR}/mapa_estrellas_qtest.cpp norvela_pruebas_pantallas)

# The degrees screen's double degrees, requirements, outlets and masters with
# the region-map window, offscreen on the shipped data.
norvela_prueba_qt(grados_vistas_qtest Grados.Vistas ${CMAKE_CURRENT_LIST_DIR}/grados_vistas_qtest.cpp norvela_pruebas_pantallas)

# The degree-structure animation on the degrees screen, offscreen on the
# shipped data.
norvela_prueba_qt(animacion_grados_qtest Grados.AnimacionGrados ${CMAKE_CURRENT_LIST_DIR}/animacion_grados_qtest.cpp norvela_pruebas_pantallas)

# The cut-off marks and weightings screen, offscreen on the shipped data.
norvela_prueba_qt(corte_qtest Grados.Corte ${CMAKE_CURRENT_LIST_DIR}/corte_qtest.cpp norvela_pruebas_pantallas)

# The degree statistics charts, offscreen on the shipped data.
norvela_prueba_qt(est_grados_qtest Grados.EstadisticasGrados ${CMAKE_CURRENT_LIST_DIR}/est_grados_qtest.cpp norvela_pruebas_pantallas)

# Artistic and sports studies, the start panel's map and community list, and
# the selection-list reports.
add_executable(pruebas_artes_grados ${CMAKE_CURRENT_LIST_DIR}/artes_comunidad_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grados_prueba.h)
target_link_libraries(pruebas_artes_grados PRIVATE norvela_grados_datos norvela_pruebas)
add_dependencies(pruebas_artes_grados carpeta_datos)
gtest_discover_tests(pruebas_artes_grados PROPERTIES ENVIRONMENT "${NORVELA_TEST_ENV}" DISCOVERY_TIMEOUT 60)

# Universities by region on the start panel's map, the artistic families and
# the other studies with a printed study, offscreen on the shipped data.
norvela_prueba_qt(grados_comunidad_qtest Grados.Comunidad ${CMAKE_CURRENT_LIST_DIR}/grados_comunidad_qtest.cpp norvela_pruebas_pantallas)
