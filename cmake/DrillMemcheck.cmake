# The programs under valgrind's memcheck.

# add_memcheck_tests(): a test <program>.memcheck per program, which runs it
# under memcheck and fails on any error, any leak included. A file
# testing/<program>.supp holds the suppressions of leaks a program has by design.
function(add_memcheck_tests)
  find_program(DRILL_VALGRIND valgrind REQUIRED)
  get_property(programs GLOBAL PROPERTY DRILL_PROGRAMS)
  foreach(program IN LISTS programs)
    set(suppressions "${PROJECT_SOURCE_DIR}/testing/${program}.supp")
    set(options --quiet --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=all)
    if(EXISTS "${suppressions}")
      list(APPEND options "--suppressions=${suppressions}")
    endif()
    add_test(NAME ${program}.memcheck
      COMMAND ${DRILL_VALGRIND} ${options} $<TARGET_FILE:${program}>)
    set_tests_properties(${program}.memcheck PROPERTIES LABELS memcheck)
  endforeach()
endfunction()
