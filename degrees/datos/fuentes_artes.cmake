# Artistic and sports studies, the community lists of the start panel's map
# and the selection-list reports.
target_sources(norvela_grados_datos PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/artes_grados.cpp ${CMAKE_CURRENT_LIST_DIR}/artes_grados.h
  ${CMAKE_CURRENT_LIST_DIR}/comunidad_grados.cpp ${CMAKE_CURRENT_LIST_DIR}/comunidad_grados.h)
