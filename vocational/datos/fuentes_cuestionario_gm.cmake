# The intermediate-cycle screen's helicopter intro and questionnaire.
target_sources(norvela_fp_datos PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/cuestionario_gm.cpp ${CMAKE_CURRENT_LIST_DIR}/cuestionario_gm.h
  ${CMAKE_CURRENT_LIST_DIR}/intro_helicoptero.cpp ${CMAKE_CURRENT_LIST_DIR}/intro_helicoptero.h)
