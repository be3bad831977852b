# Build helpers shared by every part of the tree.
include(GenerateExportHeader)

# Warnings are errors everywhere. Exceptions, each for a reason:
#  -Wno-missing-field-initializers: aggregate tables name only the fields they set.
# -Wconversion is left off: the survey code is full of deliberate double/float
# and int32/int16 narrowing at the file boundary, where the width is the format's.
set(RILIEVO_WARNINGS -Wall -Wextra -Wpedantic -Wnon-virtual-dtor -Woverloaded-virtual
    -Wformat=2 -Wimplicit-fallthrough -Wno-missing-field-initializers -Werror)

add_library(rilievo_options INTERFACE)
target_compile_options(rilievo_options INTERFACE ${RILIEVO_WARNINGS})
if(RILIEVO_SANITIZE)
  target_compile_options(rilievo_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(rilievo_options INTERFACE -fsanitize=address,undefined)
endif()
if(RILIEVO_FUZZ)
  # Coverage for libFuzzer in every library; the fuzz programs add -fsanitize=fuzzer.
  target_compile_options(rilievo_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined)
  target_link_options(rilievo_options INTERFACE -fsanitize=address,undefined)
endif()

# rilievo_host_library(NAME SOURCES ... LINKS ...)
# A stand-in for one of the host's outside libraries: a shared library whose
# public header folder is its own directory, so `#include "NAME.h"` works for
# exactly the targets that link it.
function(rilievo_host_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} SHARED ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS} PRIVATE rilievo_options)
endfunction()

# rilievo_deliverable(NAME SOURCES ... LINKS ...)
# One of the system's own libraries: shared, hidden visibility, with an export
# header NAME_export.h that defines NAME_API (upper case).
function(rilievo_deliverable name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS;INCLUDES" ${ARGN})
  add_library(${name} SHARED ${ARG_SOURCES})
  string(TOUPPER ${name} upper)
  generate_export_header(${name}
    BASE_NAME ${upper}
    EXPORT_MACRO_NAME ${upper}_API
    EXPORT_FILE_NAME ${CMAKE_CURRENT_BINARY_DIR}/${name}_export.h)
  set_target_properties(${name} PROPERTIES
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  if(ARG_INCLUDES)
    set(dirs ${ARG_INCLUDES})
  else()
    set(dirs ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  target_include_directories(${name} PUBLIC ${dirs} ${CMAKE_CURRENT_BINARY_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS} PRIVATE rilievo_options)
endfunction()

# Header-only test support (testing/TestFiles.h) that every test program links.
add_library(rilievo_testsupport INTERFACE)
target_include_directories(rilievo_testsupport INTERFACE ${PROJECT_SOURCE_DIR}/testing)

# rilievo_tests(NAME SOURCES ... LINKS ... [DATA dir])
# A GoogleTest program run by CTest. Its main (testing/test_main.cpp) gives it
# its fixture folder in RILIEVO_TEST_DATA (default: tests/data beside the
# sources), the source folder in RILIEVO_HOME and a private settings file in
# RILIEVO_INI, so that no test touches the user's own settings.
function(rilievo_tests name)
  cmake_parse_arguments(ARG "" "DATA" "SOURCES;LINKS" ${ARGN})
  if(NOT RILIEVO_TESTS)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/testing/test_main.cpp)
  target_link_libraries(${name} PRIVATE ${ARG_LINKS} rilievo_testsupport GTest::gtest GTest::gmock rilievo_options)
  if(ARG_DATA)
    set(data ${ARG_DATA})
  else()
    set(data ${CMAKE_CURRENT_SOURCE_DIR}/tests/data)
  endif()
  target_compile_definitions(${name} PRIVATE
    RILIEVO_TEST_DATA_DIR="${data}" RILIEVO_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
endfunction()

# rilievo_fuzz_target(NAME SOURCE file LINKS ... CORPUS dir)
# With RILIEVO_FUZZ the target is a libFuzzer program. Otherwise it is built
# with a plain driver that feeds every file of the seed corpus to the target
# once; CTest runs that replay, so the corpus stays a regression suite.
function(rilievo_fuzz_target name)
  cmake_parse_arguments(ARG "" "SOURCE;CORPUS" "LINKS" ${ARGN})
  if(RILIEVO_FUZZ)
    add_executable(${name} ${ARG_SOURCE})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  else()
    add_executable(${name} ${ARG_SOURCE} ${PROJECT_SOURCE_DIR}/fuzz/replay_main.cpp)
    if(RILIEVO_TESTS)
      add_test(NAME ${name}.replay COMMAND ${name} ${ARG_CORPUS})
      # Readers construct books that read settings: give them a file of their own.
      set_tests_properties(${name}.replay PROPERTIES ENVIRONMENT
        "RILIEVO_INI=${CMAKE_CURRENT_BINARY_DIR}/${name}.ini;RILIEVO_HOME=${PROJECT_SOURCE_DIR}")
    endif()
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LINKS} rilievo_options)
endfunction()
