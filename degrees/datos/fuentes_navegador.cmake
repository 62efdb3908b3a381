# Loading, browser listings, universities and marks of the degrees screen.
target_sources(norvela_grados_datos PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/carga_grados.cpp ${CMAKE_CURRENT_LIST_DIR}/carga_grados.h
  ${CMAKE_CURRENT_LIST_DIR}/estado_grados.h
  ${CMAKE_CURRENT_LIST_DIR}/navegador_grados.cpp ${CMAKE_CURRENT_LIST_DIR}/navegador_grados.h
  ${CMAKE_CURRENT_LIST_DIR}/universidades_grado.cpp ${CMAKE_CURRENT_LIST_DIR}/universidades_grado.h)
# Title search and the degree report.
target_sources(norvela_grados_datos PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/busqueda_grados.cpp ${CMAKE_CURRENT_LIST_DIR}/busqueda_grados.h
  ${CMAKE_CURRENT_LIST_DIR}/informe_grado.cpp ${CMAKE_CURRENT_LIST_DIR}/informe_grado.h)
