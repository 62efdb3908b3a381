# Place model, centre searches, where the map markers go, and what tells
# the three levels apart.
target_sources(norvela_fp_datos PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/centros_fp.cpp ${CMAKE_CURRENT_LIST_DIR}/centros_fp.h
  ${CMAKE_CURRENT_LIST_DIR}/comunidades_titulo.cpp ${CMAKE_CURRENT_LIST_DIR}/comunidades_titulo.h
  ${CMAKE_CURRENT_LIST_DIR}/grupos_fp.cpp ${CMAKE_CURRENT_LIST_DIR}/grupos_fp.h
  ${CMAKE_CURRENT_LIST_DIR}/lugares_fp.cpp ${CMAKE_CURRENT_LIST_DIR}/lugares_fp.h
  ${CMAKE_CURRENT_LIST_DIR}/nivel_fp.cpp ${CMAKE_CURRENT_LIST_DIR}/nivel_fp.h
  ${CMAKE_CURRENT_LIST_DIR}/titulos_fp.cpp ${CMAKE_CURRENT_LIST_DIR}/titulos_fp.h)
