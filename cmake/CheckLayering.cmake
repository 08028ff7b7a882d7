# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the layering of the source tree; run as
#   cmake -DVEXIL_ROOT=<source tree> -P CheckLayering.cmake
# Two rules: a file that includes Qt lives in a folder named "ui" (a program's
# main.cpp aside), and the includes between the folders of src/ form no cycle.

cmake_minimum_required(VERSION 3.25)

if(NOT VEXIL_ROOT)
  message(FATAL_ERROR "VEXIL_ROOT is not set")
endif()

set(qt_include "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
set(project_include "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\"")
set(problems "")

file(GLOB_RECURSE sources RELATIVE "${VEXIL_ROOT}"
     "${VEXIL_ROOT}/src/*.h" "${VEXIL_ROOT}/src/*.cpp"
     "${VEXIL_ROOT}/tests/*.h" "${VEXIL_ROOT}/tests/*.cpp"
     "${VEXIL_ROOT}/bench/*.h" "${VEXIL_ROOT}/bench/*.cpp"
     "${VEXIL_ROOT}/fuzz/*.h" "${VEXIL_ROOT}/fuzz/*.cpp")
list(SORT sources)

set(folders "")
foreach(source IN LISTS sources)
  get_filename_component(folder "${source}" DIRECTORY)
  get_filename_component(name "${source}" NAME)
  get_filename_component(leaf "${folder}" NAME)
  file(STRINGS "${VEXIL_ROOT}/${source}" includes REGEX "^[ \t]*#[ \t]*include")

  if(NOT leaf STREQUAL "ui" AND NOT name STREQUAL "main.cpp")
    foreach(line IN LISTS includes)
      if(line MATCHES "${qt_include}")
        list(APPEND problems "${source} includes Qt outside a ui folder: ${line}")
        break()
      endif()
    endforeach()
  endif()

  # The folder graph of src/: an edge from a file's folder to the folder of every
  # project header it includes from elsewhere. A program's main.cpp stands above
  # every library, its own folder's too, so it adds no edge.
  if(folder MATCHES "^src/(.*)$" AND NOT name STREQUAL "main.cpp")
    set(from "${CMAKE_MATCH_1}")
    list(APPEND folders "${from}")
    string(MAKE_C_IDENTIFIER "${from}" from_id)
    foreach(line IN LISTS includes)
      if(line MATCHES "${project_include}")
        get_filename_component(to "${CMAKE_MATCH_1}" DIRECTORY)
        if(to AND NOT to STREQUAL from AND IS_DIRECTORY "${VEXIL_ROOT}/src/${to}")
          list(APPEND edges_${from_id} "${to}")
          list(APPEND folders "${to}")
        endif()
      endif()
    endforeach()
  endif()
endforeach()
list(REMOVE_DUPLICATES folders)

# Peel off, again and again, the folders that include no remaining folder and the
# folders no remaining folder includes; what is left lies on a cycle.
set(remaining ${folders})
set(peeled TRUE)
while(remaining AND peeled)
  set(peeled FALSE)
  set(included "")
  foreach(folder IN LISTS remaining)
    string(MAKE_C_IDENTIFIER "${folder}" id)
    foreach(to IN LISTS edges_${id})
      if(to IN_LIST remaining)
        list(APPEND included "${to}")
        list(APPEND includes_others_${id} "${to}")
      endif()
    endforeach()
  endforeach()
  set(kept "")
  foreach(folder IN LISTS remaining)
    string(MAKE_C_IDENTIFIER "${folder}" id)
    if(includes_others_${id} AND folder IN_LIST included)
      list(APPEND kept "${folder}")
    else()
      set(peeled TRUE)
    endif()
    unset(includes_others_${id})
  endforeach()
  set(remaining ${kept})
endwhile()
foreach(folder IN LISTS remaining)
  string(MAKE_C_IDENTIFIER "${folder}" id)
  set(targets "")
  foreach(to IN LISTS edges_${id})
    if(to IN_LIST remaining)
      list(APPEND targets "${to}")
    endif()
  endforeach()
  list(REMOVE_DUPLICATES targets)
  list(JOIN targets ", " targets)
  list(APPEND problems "src/${folder} lies on an include cycle: it includes ${targets}")
endforeach()

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "The source tree breaks its layering:\n  ${text}")
endif()
list(LENGTH sources file_count)
list(LENGTH folders folder_count)
message(STATUS "Layering holds: ${file_count} files, ${folder_count} folders without a cycle")
