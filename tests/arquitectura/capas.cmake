# The libraries' layers, and their checks: no include and no link points
# upwards or sideways into another folder of the same layer.
#   cmake -DRAIZ=<source folder> -DCOMPROBAR=includes -P capas.cmake
#     reads the sources' includes;
#   cmake -DRAIZ=<source folder> -DCOMPROBAR=enlaces -DENLACES=<file> -P capas.cmake
#     judges the links CMake holds, as enlaces.cmake writes them at configure time;
#   cmake -DCONSTRUCCION=<build folder> -DCOMPROBAR=simbolos -P capas.cmake
#     has the linker check every library against the layers below it.
# Included (with RAIZ set), it only gives the layers: nivel_carpeta_<folder>,
# ultimo_nivel, carpeta_de and permitido; the build's linker check uses them.
if(CMAKE_SCRIPT_MODE_FILE)
  cmake_minimum_required(VERSION 3.25)
endif()

# The layers, from the bottom up; folders of one layer are joined by "|" and
# may not use each other (what two of them share moves down). A folder's
# subfolders belong to it unless they are listed themselves.
set(capas
  "core/datos"
  "degrees/datos|vocational/datos|guidance/datos|animated/datos|core/informes|core/interfaz|transitions"
  "skin"
  "degrees|vocational|guidance|animated"
  "menu"
  "app")
# Folders that are not part of the program's libraries (the two build folders of .ci/run among them).
set(fuera "tools" "tests" "data" "build" "build-saneado" ".git" ".ci")

set(faltas "")
set(nivel 0)
set(carpetas "")
foreach(capa IN LISTS capas)
  string(REPLACE "|" ";" de_la_capa "${capa}")
  foreach(carpeta IN LISTS de_la_capa)
    if(NOT IS_DIRECTORY ${RAIZ}/${carpeta})
      string(APPEND faltas "  ${carpeta} is in the layer list but does not exist\n")
    endif()
    set(nivel_carpeta_${carpeta} ${nivel})
    list(APPEND carpetas ${carpeta})
  endforeach()
  set(ultimo_nivel ${nivel})
  math(EXPR nivel "${nivel} + 1")
endforeach()

# The listed folder a path (relative to RAIZ) belongs to: the longest listed
# folder that holds it; empty when none does.
function(carpeta_de relativa resultado)
  set(mejor "")
  foreach(carpeta IN LISTS carpetas)
    string(LENGTH "${carpeta}" n)
    string(LENGTH "${mejor}" m)
    if((relativa STREQUAL carpeta OR relativa MATCHES "^${carpeta}/") AND n GREATER m)
      set(mejor ${carpeta})
    endif()
  endforeach()
  set(${resultado} "${mejor}" PARENT_SCOPE)
endfunction()

# Whether folder `de` may use folder `a`: its own folder, or one in a layer below.
function(permitido de a resultado)
  if(de STREQUAL a OR nivel_carpeta_${a} LESS nivel_carpeta_${de})
    set(${resultado} TRUE PARENT_SCOPE)
  else()
    set(${resultado} FALSE PARENT_SCOPE)
  endif()
endfunction()

if(NOT CMAKE_SCRIPT_MODE_FILE)
  return()
endif()

if(NOT COMPROBAR)
  set(COMPROBAR "includes;enlaces")
endif()

if("includes" IN_LIST COMPROBAR)
  # Every source file of the program, each in a listed folder.
  set(excluir "")
  foreach(f IN LISTS fuera)
    list(APPEND excluir "^${f}/")
  endforeach()
  list(JOIN excluir "|" excluir)
  file(GLOB_RECURSE todas RELATIVE ${RAIZ} ${RAIZ}/*.h ${RAIZ}/*.hpp ${RAIZ}/*.cpp ${RAIZ}/CMakeLists.txt ${RAIZ}/*.cmake)
  set(fuentes "")
  foreach(f IN LISTS todas)
    if(f MATCHES "${excluir}" OR f STREQUAL "CMakeLists.txt")
      continue()
    endif()
    get_filename_component(dir ${f} DIRECTORY)
    carpeta_de("${dir}" c)
    if(NOT c)
      # A folder that only gathers its subfolders' build files is no library.
      if(NOT f MATCHES "(CMakeLists\\.txt|\\.cmake)$")
        string(APPEND faltas "  ${f} lies in a folder of no layer\n")
      endif()
      continue()
    endif()
    set(carpeta_fichero_${f} ${c})
    list(APPEND fuentes ${f})
  endforeach()

  # Headers by name, for includes found through the include paths.
  foreach(f IN LISTS fuentes)
    if(f MATCHES "\\.(h|hpp)$")
      get_filename_component(nombre ${f} NAME)
      # Every folder's headers are found by bare name: two of one name
      # would make an include mean whichever comes first.
      if(DEFINED cabecera_${nombre})
        string(APPEND faltas "  ${f} and ${cabecera_${nombre}} share a name\n")
      endif()
      set(cabecera_${nombre} ${f})
    endif()
  endforeach()
  foreach(f IN LISTS fuentes)
    if(NOT f MATCHES "\\.(h|hpp|cpp)$")
      continue()
    endif()
    file(STRINGS ${RAIZ}/${f} lineas REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    get_filename_component(dir ${RAIZ}/${f} DIRECTORY)
    foreach(linea IN LISTS lineas)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([^\">]+)[\">].*" "\\1" incluida "${linea}")
      # A path first as written from the including file, then from the
      # sources' root; a bare name by the program's header of that name.
      set(destino "")
      get_filename_component(junto "${incluida}" ABSOLUTE BASE_DIR ${dir})
      if(incluida MATCHES "/" AND EXISTS "${junto}")
        file(RELATIVE_PATH destino ${RAIZ} "${junto}")
      elseif(incluida MATCHES "/" AND EXISTS "${RAIZ}/${incluida}")
        set(destino "${incluida}")
      else()
        get_filename_component(nombre "${incluida}" NAME)
        if(DEFINED cabecera_${nombre})
          set(destino ${cabecera_${nombre}})
        endif()
      endif()
      if(NOT destino OR NOT DEFINED carpeta_fichero_${destino})
        continue()
      endif()
      permitido(${carpeta_fichero_${f}} ${carpeta_fichero_${destino}} ok)
      if(NOT ok)
        string(APPEND faltas "  ${f} includes ${incluida} (${carpeta_fichero_${destino}}), not below it\n")
      endif()
    endforeach()
  endforeach()
endif()

if("enlaces" IN_LIST COMPROBAR)
  # Each link between two of the project's targets; a target of no listed
  # folder (tools, tests) may link anything, a library of a layer only its
  # own folder and the layers below.
  if(NOT EXISTS "${ENLACES}")
    message(FATAL_ERROR "No links to check: ${ENLACES} is missing (it is written when the build is configured)")
  endif()
  file(STRINGS "${ENLACES}" enlaces)
  set(vistos 0)
  foreach(e IN LISTS enlaces)
    string(REPLACE "|" ";" e "${e}")
    list(GET e 0 objetivo)
    list(GET e 1 carpeta)
    list(GET e 2 enlazado)
    list(GET e 3 carpeta_enlazado)
    carpeta_de("${carpeta}" de)
    if(NOT de)
      continue()
    endif()
    math(EXPR vistos "${vistos} + 1")
    carpeta_de("${carpeta_enlazado}" a)
    if(NOT a)
      string(APPEND faltas "  ${objetivo} (${de}) links ${enlazado} (${carpeta_enlazado}), which is in no layer\n")
      continue()
    endif()
    permitido(${de} ${a} ok)
    if(NOT ok)
      string(APPEND faltas "  ${objetivo} (${de}) links ${enlazado} (${a}), not below it\n")
    endif()
  endforeach()
  if(vistos EQUAL 0)
    string(APPEND faltas "  ${ENLACES} holds no link of a library of the layers\n")
  endif()
endif()

if("simbolos" IN_LIST COMPROBAR)
  # Each library linked again against the layers below it alone (target
  # comprobar_capas of enlaces.cmake): what the linker finds nowhere there
  # comes from beside or above, whatever declared it.
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${CONSTRUCCION} --target comprobar_capas
                  RESULT_VARIABLE resultado OUTPUT_VARIABLE salida ERROR_VARIABLE salida)
  if(NOT resultado EQUAL 0)
    string(REGEX MATCHALL "(FAILED: [^\n]*comprobar_[^\n]*|[^\n]*undefined reference[^\n]*)" lineas "${salida}")
    if(NOT lineas)
      set(lineas "${salida}")
    endif()
    foreach(linea IN LISTS lineas)
      if(linea MATCHES "^FAILED: .*comprobar_([A-Za-z0-9_]+)")
        string(APPEND faltas "  ${CMAKE_MATCH_1}, linked against the layers below it alone, lacks:\n")
      else()
        string(APPEND faltas "    ${linea}\n")
      endif()
    endforeach()
  endif()
endif()

if(faltas)
  string(STRIP "${faltas}" faltas)
  message(FATAL_ERROR "The layers are broken:\n  ${faltas}")
endif()
message(STATUS "Checked ${COMPROBAR}: nothing points upwards or sideways")
