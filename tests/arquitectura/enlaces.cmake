# The links of the program's libraries as CMake itself holds them, read once
# every folder is configured:
# - every link between two of this project's targets goes to
#   ${CMAKE_BINARY_DIR}/arquitectura/enlaces.txt, one line
#   "target|its folder|linked target|its folder" (folders from the sources'
#   root), whichever way it was written (a generator expression, a variable,
#   an alias, set_property on the link properties, $<TARGET_OBJECTS:>), for
#   Arquitectura.LinksPointDown (capas.cmake) to judge;
# - with NORVELA_COMPROBAR_CAPAS, every library of a layer is linked once
#   more as a shared object, from its own compiled objects, against the
#   libraries of the layers below it only and with --no-undefined: a symbol
#   it takes from anywhere else, however it is declared, fails the link
#   (target comprobar_capas, built by Arquitectura.SymbolsResolveDown).

# The project's targets whose names occur in `texto` (a link property, a
# generator expression or not), aliases resolved, imported ones left out.
function(norvela_objetivos_en texto resultado)
  string(REGEX REPLACE "\\$<[A-Za-z0-9_]*:?" ";" texto "${texto}")
  string(REGEX REPLACE "[>,\"]" ";" texto "${texto}")
  set(encontrados "")
  foreach(palabra IN LISTS texto)
    string(STRIP "${palabra}" palabra)
    if(palabra STREQUAL "" OR NOT TARGET "${palabra}")
      continue()
    endif()
    get_target_property(real "${palabra}" ALIASED_TARGET)
    if(real)
      set(palabra ${real})
    endif()
    get_target_property(importado "${palabra}" IMPORTED)
    if(NOT importado)
      list(APPEND encontrados ${palabra})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES encontrados)
  set(${resultado} "${encontrados}" PARENT_SCOPE)
endfunction()

function(norvela_objetivos_de carpeta resultado)
  get_property(objetivos DIRECTORY ${carpeta} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subcarpetas DIRECTORY ${carpeta} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subcarpetas)
    norvela_objetivos_de(${sub} de_sub)
    list(APPEND objetivos ${de_sub})
  endforeach()
  set(${resultado} "${objetivos}" PARENT_SCOPE)
endfunction()

# A target's folder, relative to the sources' root.
function(norvela_carpeta_objetivo objetivo resultado)
  get_target_property(dir ${objetivo} SOURCE_DIR)
  file(RELATIVE_PATH relativa ${CMAKE_SOURCE_DIR} ${dir})
  set(${resultado} "${relativa}" PARENT_SCOPE)
endfunction()

function(norvela_enlaces_y_comprobacion)
  norvela_objetivos_de(${CMAKE_SOURCE_DIR} objetivos)
  set(lineas "")
  foreach(objetivo IN LISTS objetivos)
    set(texto "")
    foreach(propiedad LINK_LIBRARIES INTERFACE_LINK_LIBRARIES SOURCES INTERFACE_SOURCES)
      get_target_property(valor ${objetivo} ${propiedad})
      if(valor)
        string(APPEND texto ";${valor}")
      endif()
    endforeach()
    norvela_objetivos_en("${texto}" enlazados)
    list(REMOVE_ITEM enlazados ${objetivo})
    norvela_carpeta_objetivo(${objetivo} carpeta)
    foreach(enlazado IN LISTS enlazados)
      norvela_carpeta_objetivo(${enlazado} carpeta_enlazado)
      string(APPEND lineas "${objetivo}|${carpeta}|${enlazado}|${carpeta_enlazado}\n")
    endforeach()
  endforeach()
  file(WRITE ${CMAKE_BINARY_DIR}/arquitectura/enlaces.txt "${lineas}")

  if(NOT NORVELA_COMPROBAR_CAPAS)
    return()
  endif()
  set(RAIZ ${CMAKE_SOURCE_DIR})
  include(${CMAKE_SOURCE_DIR}/tests/arquitectura/capas.cmake)
  # The libraries of the layers, bottom layer first, so each one's check
  # exists before those above it link it.
  set(bibliotecas "")
  foreach(n RANGE ${ultimo_nivel})
    foreach(objetivo IN LISTS objetivos)
      get_target_property(tipo ${objetivo} TYPE)
      norvela_carpeta_objetivo(${objetivo} carpeta)
      carpeta_de("${carpeta}" c)
      if(tipo STREQUAL "STATIC_LIBRARY" AND c AND nivel_carpeta_${c} EQUAL n)
        list(APPEND bibliotecas ${objetivo})
        set(carpeta_biblioteca_${objetivo} ${c})
      endif()
    endforeach()
  endforeach()
  set(comprobaciones "")
  foreach(b IN LISTS bibliotecas)
    set(c comprobar_${b})
    add_library(${c} SHARED EXCLUDE_FROM_ALL $<TARGET_OBJECTS:${b}>)
    set_target_properties(${c} PROPERTIES LINKER_LANGUAGE CXX AUTOMOC OFF AUTOUIC OFF AUTORCC OFF
                          LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/arquitectura)
    # Without their debug information the links take a moment.
    target_link_options(${c} PRIVATE "LINKER:--no-undefined" "LINKER:--strip-debug")
    # What it links from outside the project (Qt, CUPS) stays; of the
    # project's libraries only the layers below.
    get_target_property(propios ${b} LINK_LIBRARIES)
    foreach(elemento IN LISTS propios)
      norvela_objetivos_en("${elemento}" del_proyecto)
      if(NOT del_proyecto AND NOT elemento MATCHES "^${CMAKE_BINARY_DIR}/")
        target_link_libraries(${c} PUBLIC "${elemento}")
      endif()
    endforeach()
    foreach(debajo IN LISTS comprobaciones)
      permitido(${carpeta_biblioteca_${b}} ${carpeta_biblioteca_${debajo}} ok)
      if(ok AND NOT carpeta_biblioteca_${b} STREQUAL carpeta_biblioteca_${debajo})
        target_link_libraries(${c} PUBLIC comprobar_${debajo})
      endif()
    endforeach()
    list(APPEND comprobaciones ${b})
  endforeach()
  list(TRANSFORM comprobaciones PREPEND comprobar_)
  add_custom_target(comprobar_capas)
  add_dependencies(comprobar_capas ${comprobaciones})
endfunction()

cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL norvela_enlaces_y_comprobacion)
