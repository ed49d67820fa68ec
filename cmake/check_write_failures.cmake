# cmake -D PROGRAM=<exe> -D MESSAGE=<text> -P check_write_failures.cmake
#
# Runs PROGRAM twice: with standard output on a full device (/dev/full), and
# with standard output closed. Each run must exit with status 1 and write
# MESSAGE and a line break, and nothing else, on standard error.

include(${CMAKE_CURRENT_LIST_DIR}/require_arguments.cmake)
require_arguments(PROGRAM MESSAGE)

function(check_run what)
  execute_process(${ARGN} RESULT_VARIABLE status ERROR_VARIABLE err)
  if(NOT status STREQUAL "1")
    message(FATAL_ERROR "${what}: exit status ${status}, expected 1\n--- stderr ---\n${err}")
  endif()
  if(NOT err STREQUAL "${MESSAGE}\n")
    message(FATAL_ERROR "${what}: standard error was\n${err}\nexpected\n${MESSAGE}")
  endif()
endfunction()

check_run("standard output on /dev/full" COMMAND "${PROGRAM}" OUTPUT_FILE /dev/full)
check_run("standard output closed" COMMAND sh -c "exec \"$0\" >&-" "${PROGRAM}")
