# cmake -D PROGRAM=<exe> -D EXPECTED=<file> -D MESSAGE=<text> -P check_allocation_failures.cmake
#
# PROGRAM is built with a malloc that fails at the call numbered by the
# environment variable FALHA_MALLOC_EM. It is run with that number at 1, 2, ...
# until a run gets through without reaching it. Every run that meets the
# failure must exit with status 1, write MESSAGE and a line break on standard
# error, and write to standard output whole lines that begin the normal output
# (EXPECTED), no fewer than the run before. The run that gets through must write
# all of EXPECTED, nothing on standard error, and exit with status 0.

include(${CMAKE_CURRENT_LIST_DIR}/require_arguments.cmake)
require_arguments(PROGRAM EXPECTED MESSAGE)

file(READ "${EXPECTED}" expected)
set(previous_length 0)
foreach(n RANGE 1 10000)
  set(ENV{FALHA_MALLOC_EM} ${n})
  execute_process(COMMAND "${PROGRAM}"
    RESULT_VARIABLE status
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err)
  set(run "with allocation ${n} failing")

  if(status STREQUAL "0")
    if(n EQUAL 1)
      message(FATAL_ERROR "${run}: the program allocated nothing; is malloc wrapped?")
    endif()
    if(NOT out STREQUAL expected OR NOT err STREQUAL "")
      message(FATAL_ERROR "${run}: a complete run differs from ${EXPECTED}:\n"
        "--- stdout ---\n${out}\n--- stderr ---\n${err}")
    endif()
    math(EXPR allocations "${n} - 1")
    message(STATUS "each of the ${allocations} allocations failed cleanly")
    return()
  endif()

  if(NOT status STREQUAL "1")
    message(FATAL_ERROR "${run}: exit status ${status}, expected 1\n--- stderr ---\n${err}")
  endif()
  if(NOT err STREQUAL "${MESSAGE}\n")
    message(FATAL_ERROR "${run}: standard error was\n${err}\nexpected\n${MESSAGE}")
  endif()
  string(LENGTH "${out}" length)
  string(SUBSTRING "${expected}" 0 ${length} expected_prefix)
  if(NOT out STREQUAL expected_prefix)
    message(FATAL_ERROR "${run}: standard output is not the start of ${EXPECTED}:\n${out}")
  endif()
  if(length GREATER 0 AND NOT out MATCHES "\n$")
    message(FATAL_ERROR "${run}: standard output stops inside a line:\n${out}")
  endif()
  if(length LESS previous_length)
    message(FATAL_ERROR "${run}: standard output is shorter than in the run before")
  endif()
  set(previous_length ${length})
endforeach()
message(FATAL_ERROR "the program still failed at allocation 10000")
