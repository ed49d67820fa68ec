# Test support: GoogleTest and the whole-program output check.

# The unit tests need GoogleTest. A build whose tests run under an emulator
# (for Windows under wine) turns them off and keeps the whole-program tests.
if(DRILL_UNIT_TESTS)
  include(FetchContent)
  # An installed GoogleTest is used as it is; otherwise this release is fetched.
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  FetchContent_Declare(googletest
    URL https://github.com/google/googletest/archive/refs/tags/v1.14.0.tar.gz
    URL_HASH SHA256=8ad598c73ad796e0d8280b082cebd82a630d73e73cd3c70057938a6501bba5d7
    FIND_PACKAGE_ARGS NAMES GTest)
  FetchContent_MakeAvailable(googletest)
  include(GoogleTest)
endif()

# The functions below run the check_*.cmake scripts beside this file.

# add_output_test(<program> <expected file>): runs the program and requires
# status 0, nothing on standard error, and standard output equal byte for byte
# to the expected file; on Windows, each line break is to be CR LF. A program
# built for another system runs under CMAKE_CROSSCOMPILING_EMULATOR (one
# command, such as wine). Where there is a /dev/full and a POSIX shell, a
# second test, <program>.write_failure, requires the program to report a
# standard output it could not write to. A third, <program>.docs, requires the
# program's page, docs/<program>.md, to show that same output.
function(add_output_test program expected)
  set(options)
  if(CMAKE_CROSSCOMPILING_EMULATOR)
    list(APPEND options -D "EMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}")
  endif()
  if(WIN32)
    list(APPEND options -D LINE_END=CRLF)
  endif()
  add_test(NAME ${program}.output
    COMMAND ${CMAKE_COMMAND}
      -D PROGRAM=$<TARGET_FILE:${program}>
      -D EXPECTED=${CMAKE_CURRENT_SOURCE_DIR}/${expected}
      -D ACTUAL=${CMAKE_CURRENT_BINARY_DIR}/${program}.actual
      ${options}
      -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/check_output.cmake)
  set_tests_properties(${program}.output PROPERTIES LABELS output)

  add_test(NAME ${program}.docs
    COMMAND ${CMAKE_COMMAND}
      -D PAGE=${PROJECT_SOURCE_DIR}/docs/${program}.md
      -D EXPECTED=${CMAKE_CURRENT_SOURCE_DIR}/${expected}
      -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/check_docs_output.cmake)
  set_tests_properties(${program}.docs PROPERTIES LABELS docs)

  if(UNIX AND EXISTS /dev/full)
    add_test(NAME ${program}.write_failure
      COMMAND ${CMAKE_COMMAND}
        -D PROGRAM=$<TARGET_FILE:${program}>
        -D "MESSAGE=Erro: nao foi possivel escrever na saida padrao."
        -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/check_write_failures.cmake)
    set_tests_properties(${program}.write_failure PROPERTIES LABELS output)
  endif()
endfunction()

# add_windows_program_tests(): in a 32-bit Windows cross build, a test
# <program>.pe32 per program checks that it is a PE32 executable that needs no
# DLL beyond Windows' own.
function(add_windows_program_tests)
  if(NOT (WIN32 AND CMAKE_CROSSCOMPILING AND CMAKE_SIZEOF_VOID_P EQUAL 4 AND CMAKE_OBJDUMP))
    return()
  endif()
  get_property(programs GLOBAL PROPERTY DRILL_PROGRAMS)
  foreach(program IN LISTS programs)
    add_test(NAME ${program}.pe32
      COMMAND ${CMAKE_COMMAND}
        -D PROGRAM=$<TARGET_FILE:${program}>
        -D OBJDUMP=${CMAKE_OBJDUMP}
        -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/check_windows_program.cmake)
    set_tests_properties(${program}.pe32 PROPERTIES LABELS windows)
  endforeach()
endfunction()

# add_install_test(): `install`, a test that installs the build into a folder
# of the build tree and checks that bin/ there holds the programs and nothing
# else.
function(add_install_test)
  get_property(programs GLOBAL PROPERTY DRILL_PROGRAMS)
  list(JOIN programs "," program_list)
  add_test(NAME install
    COMMAND ${CMAKE_COMMAND}
      -D BUILD_DIR=${PROJECT_BINARY_DIR}
      -D CONFIG=$<CONFIG>
      -D PREFIX=${PROJECT_BINARY_DIR}/install-check
      -D PROGRAMS=${program_list}
      -D SUFFIX=${CMAKE_EXECUTABLE_SUFFIX}
      -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/check_install.cmake)
  set_tests_properties(install PROPERTIES LABELS install)
endfunction()
