# Family statistics: what the screen reads and the charts' geometry.
target_sources(norvela_fp_datos PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/estadisticas_familia.cpp ${CMAKE_CURRENT_LIST_DIR}/estadisticas_familia.h
  ${CMAKE_CURRENT_LIST_DIR}/estadisticas_grafico.cpp ${CMAKE_CURRENT_LIST_DIR}/estadisticas_grafico.h)
