# Fails when a library includes a header of a library above it. The layers,
# from the bottom up; a folder may include headers of its own layer and of
# the layers below. Folders of one layer are joined by "|".
set(capas
  "core/datos"
  "degrees/datos"
  "vocational/datos"
  "core/informes|transitions"
  "core/interfaz"
  "degrees"
  "vocational"
  "guidance"
  "animated"
  "menu"
  "app")

# Which layer each header lives in.
set(nivel 0)
foreach(capa IN LISTS capas)
  string(REPLACE "|" ";" carpetas "${capa}")
  foreach(carpeta IN LISTS carpetas)
    file(GLOB cabeceras RELATIVE ${RAIZ}/${carpeta} ${RAIZ}/${carpeta}/*.h)
    foreach(cabecera IN LISTS cabeceras)
      set(nivel_de_${cabecera} ${nivel})
    endforeach()
    set(nivel_carpeta_${carpeta} ${nivel})
    list(APPEND todas ${carpeta})
  endforeach()
  math(EXPR nivel "${nivel} + 1")
endforeach()

set(faltas "")
foreach(carpeta IN LISTS todas)
  file(GLOB fuentes ${RAIZ}/${carpeta}/*.h ${RAIZ}/${carpeta}/*.cpp)
  foreach(fuente IN LISTS fuentes)
    file(STRINGS ${fuente} lineas REGEX "^#include \"")
    foreach(linea IN LISTS lineas)
      string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" incluida "${linea}")
      if(DEFINED nivel_de_${incluida} AND nivel_de_${incluida} GREATER nivel_carpeta_${carpeta})
        file(RELATIVE_PATH relativa ${RAIZ} ${fuente})
        string(APPEND faltas "  ${relativa} includes ${incluida}, which lives in a layer above it\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faltas)
  message(FATAL_ERROR "Includes that point upwards:\n${faltas}")
endif()
message(STATUS "Every include points down or sideways")
