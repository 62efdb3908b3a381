# Runs the program on a copy of the data folder without cas/textos and checks
# that it stops by itself with the exact missing-file message.
# Variables: PROGRAMA (the executable), DATOS (the built data folder), TRABAJO (scratch folder).
file(REMOVE_RECURSE ${TRABAJO})
file(MAKE_DIRECTORY ${TRABAJO}/runtime)
# A private runtime folder: a program running elsewhere on the machine must not
# make this one think it is a second instance.
file(CHMOD ${TRABAJO}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
file(COPY ${PROGRAMA} DESTINATION ${TRABAJO})
file(COPY ${DATOS} DESTINATION ${TRABAJO})
file(REMOVE ${TRABAJO}/norvela19_20/cas/textos ${TRABAJO}/norvela19_20/ajustes)
get_filename_component(nombre ${PROGRAMA} NAME)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${TRABAJO}/runtime
          NORVELA_MSG_LOG=${TRABAJO}/mensajes.txt
          ${TRABAJO}/${nombre}
  RESULT_VARIABLE resultado
  TIMEOUT 30)
file(READ ${TRABAJO}/mensajes.txt mensajes)
set(esperado "Faltan ficheros (${TRABAJO}/norvela19_20/cas/textos). Vuelva a instalar el programa\n")
if(NOT mensajes STREQUAL esperado)
  message(FATAL_ERROR "messages were:\n${mensajes}\nexpected:\n${esperado}")
endif()
if(resultado EQUAL 0)
  message(FATAL_ERROR "the program should stop with a failure status")
endif()
message(STATUS "stopped with status ${resultado} and the expected message")
