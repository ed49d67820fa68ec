# cmake -D PROGRAM=<exe> -D EXPECTED=<file> -D ACTUAL=<file>
#       [-D EMULATOR=<command>] [-D LINE_END=CRLF] -P check_output.cmake
#
# Runs PROGRAM with no arguments and fails unless it exits with status 0,
# writes nothing on standard error, and writes to standard output exactly the
# bytes of EXPECTED. What it wrote is kept in ACTUAL for a look afterwards.
#
# EMULATOR, one command, runs a program built for another system (wine, say).
# LINE_END=CRLF is for Windows, whose text mode writes each line break as CR LF:
# every LF of EXPECTED is then expected as CR LF, and nothing else may differ.

include(${CMAKE_CURRENT_LIST_DIR}/require_arguments.cmake)
require_arguments(PROGRAM EXPECTED ACTUAL)

# The output goes to a file: execute_process would turn each CR LF it
# captures into LF, and the comparison is of bytes.
execute_process(COMMAND ${EMULATOR} "${PROGRAM}"
  RESULT_VARIABLE status
  OUTPUT_FILE "${ACTUAL}"
  ERROR_VARIABLE err)

set(expected_file "${EXPECTED}")
if(LINE_END STREQUAL "CRLF")
  file(READ "${EXPECTED}" expected)
  string(REPLACE "\n" "\r\n" expected "${expected}")
  set(expected_file "${ACTUAL}.expected")
  file(WRITE "${expected_file}" "${expected}")
elseif(DEFINED LINE_END)
  message(FATAL_ERROR "check_output.cmake: LINE_END is ${LINE_END}; only CRLF is known")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${expected_file}" "${ACTUAL}"
  RESULT_VARIABLE differs OUTPUT_QUIET ERROR_QUIET)

set(problems)
if(NOT status STREQUAL "0")
  string(APPEND problems "exit status: ${status}, expected 0\n")
endif()
if(NOT err STREQUAL "")
  string(APPEND problems "standard error was not empty:\n${err}\n")
endif()
if(NOT differs STREQUAL "0")
  # As text, and in hex, where a stray CR or a missing last line break shows.
  file(READ "${expected_file}" expected)
  file(READ "${ACTUAL}" actual)
  file(READ "${expected_file}" expected_hex HEX)
  file(READ "${ACTUAL}" actual_hex HEX)
  string(APPEND problems "standard output differs from ${expected_file}; it was kept in ${ACTUAL}\n"
    "--- expected ---\n${expected}\n--- actual ---\n${actual}\n"
    "--- expected, in hex ---\n${expected_hex}\n--- actual, in hex ---\n${actual_hex}\n")
endif()
if(problems)
  message(FATAL_ERROR "${PROGRAM}:\n${problems}")
endif()
