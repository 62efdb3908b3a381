# Report lines of the FP screens: the title sheet with its community
# selection, and the centre-list printout.
target_sources(norvela_fp_datos PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/informe_fp_centros.cpp ${CMAKE_CURRENT_LIST_DIR}/informe_fp_centros.h
  ${CMAKE_CURRENT_LIST_DIR}/informe_fp_seleccion.cpp ${CMAKE_CURRENT_LIST_DIR}/informe_fp_seleccion.h
  ${CMAKE_CURRENT_LIST_DIR}/informe_fp_titulo.cpp ${CMAKE_CURRENT_LIST_DIR}/informe_fp_titulo.h)
