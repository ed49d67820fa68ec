# cmake -D BUILD_DIR=<dir> -D CONFIG=<config> -D PREFIX=<dir>
#       -D PROGRAMS=<a,b,...> -D SUFFIX=<.exe or nothing> -P check_install.cmake
#
# Installs the build into a fresh PREFIX and fails unless PREFIX/bin holds the
# programs, and only them.

include(${CMAKE_CURRENT_LIST_DIR}/require_arguments.cmake)
require_arguments(BUILD_DIR PREFIX PROGRAMS)

file(REMOVE_RECURSE "${PREFIX}")
set(config)
if(CONFIG)
  set(config --config "${CONFIG}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}" ${config}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status STREQUAL "0")
  message(FATAL_ERROR "cmake --install failed:\n${out}${err}")
endif()

string(REPLACE "," ";" programs "${PROGRAMS}")
set(expected)
foreach(program IN LISTS programs)
  list(APPEND expected "${program}${SUFFIX}")
endforeach()
list(SORT expected)
file(GLOB installed RELATIVE "${PREFIX}/bin" "${PREFIX}/bin/*")
list(SORT installed)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "${PREFIX}/bin holds [${installed}], expected [${expected}]")
endif()
