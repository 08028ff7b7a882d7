# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers that keep every target built the same way, and that make the rule
# "the core links no Qt" something configure checks instead of a habit.

set_property(GLOBAL PROPERTY VEXIL_CORE_TARGETS "")

function(vexil_compile_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow)
  if(VEXIL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(VEXIL_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                             -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
  if(VEXIL_BUILD_FUZZERS)
    # Coverage feedback for libFuzzer reaches into the libraries under test.
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# vexil_core_library(NAME [SHARED] SOURCES...): a library of the domain, static
# unless SHARED is given. It may link other core libraries and the standard
# library, never Qt.
function(vexil_core_library name)
  set(kind STATIC)
  set(sources ${ARGN})
  if(ARGV1 STREQUAL "SHARED")
    set(kind SHARED)
    list(REMOVE_AT sources 0)
  endif()
  add_library(${name} ${kind} ${sources})
  target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
  set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  vexil_compile_options(${name})
  set_property(GLOBAL APPEND PROPERTY VEXIL_CORE_TARGETS ${name})
endfunction()

# vexil_core_program(NAME SOURCES...): a command-line program over core libraries.
function(vexil_core_program name)
  add_executable(${name} ${ARGN})
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/src")
  vexil_compile_options(${name})
  set_property(GLOBAL APPEND PROPERTY VEXIL_CORE_TARGETS ${name})
endfunction()

# vexil_ui_library(NAME SOURCES...): a Qt library of windows and dialogs.
function(vexil_ui_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
  set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON AUTOUIC OFF)
  target_link_libraries(${name} PUBLIC Qt6::Widgets)
  vexil_compile_options(${name})
endfunction()

# vexil_ui_program(NAME SOURCES...): a program with windows.
function(vexil_ui_program name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE Qt6::Widgets)
  vexil_compile_options(${name})
endfunction()

# vexil_core_test(NAME SOURCES... LIBS libs...): a GoogleTest binary over core
# libraries only; the test script also runs these under the sanitizers. Every test
# binary links the shared scratch folders ("support/ScratchFolder.h").
function(vexil_core_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} vexil_testsupport GTest::gtest GTest::gtest_main
                                        GTest::gmock)
  target_compile_definitions(${name} PRIVATE VEXIL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  vexil_compile_options(${name})
  gtest_discover_tests(${name} PROPERTIES LABELS core DISCOVERY_TIMEOUT 60)
  set_property(GLOBAL APPEND PROPERTY VEXIL_CORE_TARGETS ${name})
endfunction()

# vexil_ui_test(NAME SOURCES... LIBS libs...): a Qt widget test run offscreen. The
# shared fakes are included as "support/ui/...".
function(vexil_ui_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} "${PROJECT_SOURCE_DIR}/tests/support/ui/ui_test_main.cpp")
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} vexil_testsupport Qt6::Test GTest::gtest
                                        GTest::gmock)
  target_compile_definitions(${name} PRIVATE VEXIL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  vexil_compile_options(${name})
  gtest_discover_tests(${name} PROPERTIES LABELS ui ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
                       DISCOVERY_TIMEOUT 60 DISCOVERY_MODE PRE_TEST)
endfunction()

function(_vexil_links_qt target out)
  set(result FALSE)
  get_target_property(libs ${target} LINK_LIBRARIES)
  if(libs)
    foreach(lib IN LISTS libs)
      if(lib MATCHES "^Qt[0-9]*::" OR lib MATCHES "Qt[0-9]")
        set(result TRUE)
      elseif(TARGET ${lib})
        _vexil_links_qt(${lib} nested)
        if(nested)
          set(result TRUE)
        endif()
      endif()
    endforeach()
  endif()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

function(vexil_verify_core_boundary)
  get_property(core GLOBAL PROPERTY VEXIL_CORE_TARGETS)
  foreach(target IN LISTS core)
    _vexil_links_qt(${target} links)
    if(links)
      message(FATAL_ERROR "${target} is a core target but links Qt")
    endif()
  endforeach()
endfunction()
