# cmake -D PROGRAM=<exe> -D EXPECTED=<file> -D ACTUAL=<file> -P check_output.cmake
#
# Runs PROGRAM with no arguments and fails unless it exits with status 0,
# writes nothing on standard error, and writes to standard output exactly the
# bytes of EXPECTED. What it wrote is kept in ACTUAL for a look afterwards.

foreach(var PROGRAM EXPECTED ACTUAL)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "check_output.cmake: ${var} is not set")
  endif()
endforeach()

execute_process(COMMAND "${PROGRAM}"
  RESULT_VARIABLE status
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err)
file(READ "${EXPECTED}" expected)
file(WRITE "${ACTUAL}" "${out}")

set(problems)
if(NOT status STREQUAL "0")
  string(APPEND problems "exit status: ${status}, expected 0\n")
endif()
if(NOT err STREQUAL "")
  string(APPEND problems "standard error was not empty:\n${err}\n")
endif()
if(NOT out STREQUAL expected)
  string(APPEND problems "standard output differs from ${EXPECTED}; it was kept in ${ACTUAL}\n"
    "--- expected ---\n${expected}\n--- actual ---\n${out}\n")
endif()
if(problems)
  message(FATAL_ERROR "${PROGRAM}:\n${problems}")
endif()
