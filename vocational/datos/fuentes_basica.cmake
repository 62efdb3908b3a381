# The basic cycles: the screen's own tables and loading, groups, families,
# the lines of its views and its report of a title.
target_sources(norvela_fp_datos PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/datos_fpb.cpp ${CMAKE_CURRENT_LIST_DIR}/datos_fpb.h
  ${CMAKE_CURRENT_LIST_DIR}/informe_fpb.cpp ${CMAKE_CURRENT_LIST_DIR}/informe_fpb.h
  ${CMAKE_CURRENT_LIST_DIR}/titulos_fpb.cpp ${CMAKE_CURRENT_LIST_DIR}/titulos_fpb.h)
