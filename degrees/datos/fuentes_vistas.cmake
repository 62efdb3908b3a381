# Double degrees, requirements, outlets and masters, the high cut-off marks,
# the steps of the degree-structure animation
# and the degree statistics charts.
target_sources(norvela_grados_datos PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/animacion_grado.cpp ${CMAKE_CURRENT_LIST_DIR}/animacion_grado.h
  ${CMAKE_CURRENT_LIST_DIR}/dobles_grado.cpp ${CMAKE_CURRENT_LIST_DIR}/dobles_grado.h
  ${CMAKE_CURRENT_LIST_DIR}/estadisticas_grados.cpp ${CMAKE_CURRENT_LIST_DIR}/estadisticas_grados.h
  ${CMAKE_CURRENT_LIST_DIR}/notas_corte.cpp ${CMAKE_CURRENT_LIST_DIR}/notas_corte.h
  ${CMAKE_CURRENT_LIST_DIR}/parrafos_texto.cpp ${CMAKE_CURRENT_LIST_DIR}/parrafos_texto.h
  ${CMAKE_CURRENT_LIST_DIR}/requisitos_grado.cpp ${CMAKE_CURRENT_LIST_DIR}/requisitos_grado.h
  ${CMAKE_CURRENT_LIST_DIR}/salidas_grado.cpp ${CMAKE_CURRENT_LIST_DIR}/salidas_grado.h)
