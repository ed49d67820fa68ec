# cmake -D PROGRAM=<exe> -D OBJDUMP=<objdump> -P check_windows_program.cmake
#
# Fails unless PROGRAM is a 32-bit Windows executable (PE32) that imports no
# DLL beyond those that Windows itself provides: it must run on a Windows
# machine as it is, with no MinGW runtime beside it.

include(${CMAKE_CURRENT_LIST_DIR}/require_arguments.cmake)
require_arguments(PROGRAM OBJDUMP)

cmake_policy(VERSION 3.25)

set(system_dlls kernel32.dll msvcrt.dll)

execute_process(COMMAND "${OBJDUMP}" -p "${PROGRAM}"
  RESULT_VARIABLE status OUTPUT_VARIABLE headers ERROR_VARIABLE err)
if(NOT status STREQUAL "0")
  message(FATAL_ERROR "${OBJDUMP} -p ${PROGRAM} failed:\n${err}")
endif()
if(NOT headers MATCHES "file format pei-i386")
  message(FATAL_ERROR "${PROGRAM} is not a 32-bit Windows executable:\n${headers}")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
if(NOT imports)
  message(FATAL_ERROR "${PROGRAM}: no imported DLL found in\n${headers}")
endif()
foreach(import IN LISTS imports)
  string(REPLACE "DLL Name: " "" dll "${import}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" dll_lower)
  if(NOT dll_lower IN_LIST system_dlls)
    message(FATAL_ERROR "${PROGRAM} needs ${dll}, which Windows does not provide")
  endif()
endforeach()
