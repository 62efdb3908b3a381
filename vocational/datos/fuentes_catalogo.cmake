# Professional certificates and the title catalogue: their lists, details
# and reports.
target_sources(norvela_fp_datos PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/columnas.h
  ${CMAKE_CURRENT_LIST_DIR}/catalogo.cpp ${CMAKE_CURRENT_LIST_DIR}/catalogo.h
  ${CMAKE_CURRENT_LIST_DIR}/certificados.cpp ${CMAKE_CURRENT_LIST_DIR}/certificados.h)
