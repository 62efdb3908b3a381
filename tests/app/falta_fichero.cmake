# Runs the program on copies of the data folder each missing one file (the
# interface texts; a start-up picture; a picture of the main menu) and checks
# that it stops by itself with the exact missing-file message.
# Variables: PROGRAMA (the executable), DATOS (the built data folder), TRABAJO (scratch folder).
get_filename_component(nombre ${PROGRAMA} NAME)

function(sin_fichero relativo)
  file(REMOVE_RECURSE ${TRABAJO})
  file(MAKE_DIRECTORY ${TRABAJO}/runtime)
  # A private runtime folder: a program running elsewhere on the machine must not
  # make this one think it is a second instance.
  file(CHMOD ${TRABAJO}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  file(COPY ${PROGRAMA} DESTINATION ${TRABAJO})
  file(COPY ${DATOS} DESTINATION ${TRABAJO})
  file(REMOVE ${TRABAJO}/norvela19_20/${relativo} ${TRABAJO}/norvela19_20/ajustes)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${TRABAJO}/runtime
            NORVELA_MSG_LOG=${TRABAJO}/mensajes.txt
            ${TRABAJO}/${nombre}
    RESULT_VARIABLE resultado
    TIMEOUT 30)
  file(READ ${TRABAJO}/mensajes.txt mensajes)
  set(esperado "Faltan ficheros (${TRABAJO}/norvela19_20/${relativo}). Vuelva a instalar el programa\n")
  if(NOT mensajes STREQUAL esperado)
    message(FATAL_ERROR "without ${relativo} the messages were:\n${mensajes}\nexpected:\n${esperado}")
  endif()
  if(resultado EQUAL 0)
    message(FATAL_ERROR "without ${relativo} the program should stop with a failure status")
  endif()
  message(STATUS "without ${relativo}: stopped with status ${resultado} and the expected message")
endfunction()

sin_fichero(cas/textos)
sin_fichero(parte)
sin_fichero(rotulon.bmp)
