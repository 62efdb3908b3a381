# The libraries' layers, checked on the sources: no include and no link
# points upwards or sideways into another folder of the same layer.
#   cmake -DRAIZ=<source folder> -DCOMPROBAR=includes|enlaces -P capas.cmake
cmake_minimum_required(VERSION 3.25)

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

if(NOT COMPROBAR)
  set(COMPROBAR "includes;enlaces")
endif()

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

if("includes" IN_LIST COMPROBAR)
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
  # Which folder defines each target, then every link of a target defined
  # in a listed folder.
  set(textos "")
  foreach(f IN LISTS fuentes)
    if(NOT f MATCHES "(CMakeLists\\.txt|\\.cmake)$")
      continue()
    endif()
    file(READ ${RAIZ}/${f} texto)
    # Comments out, so a word in one is not taken for a target.
    string(REGEX REPLACE "#[^\n]*" "" texto "${texto}")
    string(REGEX MATCHALL "add_(library|executable)\\([ \t\n]*[A-Za-z0-9_]+" definiciones "${texto}")
    foreach(d IN LISTS definiciones)
      string(REGEX REPLACE ".*\\([ \t\n]*" "" objetivo "${d}")
      set(carpeta_objetivo_${objetivo} ${carpeta_fichero_${f}})
    endforeach()
    list(APPEND textos ${f})
    set(texto_${f} "${texto}")
  endforeach()
  foreach(f IN LISTS textos)
    string(REGEX MATCHALL "target_link_libraries\\([^)]*\\)" enlaces "${texto_${f}}")
    foreach(e IN LISTS enlaces)
      string(REGEX REPLACE "^target_link_libraries\\(|\\)$" "" e "${e}")
      string(REGEX REPLACE "[ \t\n]+" ";" palabras "${e}")
      list(FILTER palabras EXCLUDE REGEX "^$")
      list(POP_FRONT palabras objetivo)
      if(NOT DEFINED carpeta_objetivo_${objetivo})
        continue()
      endif()
      foreach(enlazado IN LISTS palabras)
        if(DEFINED carpeta_objetivo_${enlazado})
          permitido(${carpeta_objetivo_${objetivo}} ${carpeta_objetivo_${enlazado}} ok)
          if(NOT ok)
            string(APPEND faltas
                   "  ${objetivo} (${carpeta_objetivo_${objetivo}}) links ${enlazado} (${carpeta_objetivo_${enlazado}}), not below it\n")
          endif()
        endif()
      endforeach()
    endforeach()
  endforeach()
endif()

if(faltas)
  message(FATAL_ERROR "The layers are broken:\n${faltas}")
endif()
message(STATUS "Checked ${COMPROBAR}: nothing points upwards or sideways")
