# Build settings shared by every target of the system.

include(GNUInstallDirs)
include(CheckIPOSupported)

# Release builds optimise across translation units where the toolchain can.
# The list's operations live in list.cpp; this lets the compiler inline Busca
# and Insere into their callers, such as Ex3h, as it inlines the header-only
# std::forward_list.
check_ipo_supported(RESULT DRILL_IPO_SUPPORTED LANGUAGES CXX)
if(DRILL_IPO_SUPPORTED)
  set(CMAKE_INTERPROCEDURAL_OPTIMIZATION_RELEASE ON)
endif()

# The warning set, linked by every library, program and test of the project.
add_library(drill_warnings INTERFACE)
if(MSVC)
  target_compile_options(drill_warnings INTERFACE /W4 /permissive- /utf-8
    $<$<BOOL:${DRILL_WARNINGS_AS_ERRORS}>:/WX>)
else()
  target_compile_options(drill_warnings INTERFACE -Wall -Wextra -Wpedantic
    $<$<BOOL:${DRILL_WARNINGS_AS_ERRORS}>:-Werror>)
endif()

# add_drill_library(<name> <sources>...): a library of the system's functions.
# Its headers, and those of the libraries it links, are included by their path
# from the project root, as in "list/list.h".
function(add_drill_library name)
  add_library(${name} ${ARGN})
  target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}")
  target_link_libraries(${name} PRIVATE drill_warnings)
endfunction()

# Every program lands in bin/ of the build tree.
set(DRILL_PROGRAM_DIR "${PROJECT_BINARY_DIR}/bin")

# add_drill_program(<name> <sources>...): a program of the system. It links
# `output`, whose EncerraSaida() its main returns, is run, in the order added,
# by the `run` target, and is installed in bin/ under the install prefix.
function(add_drill_program name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE output drill_warnings)
  # As a generator expression, the folder is used as it is: a multi-config
  # generator (Visual Studio) adds no Debug/ or Release/ below it.
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "$<1:${DRILL_PROGRAM_DIR}>")
  set_property(GLOBAL APPEND PROPERTY DRILL_PROGRAMS ${name})
  install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()

# The `run` target prints each program's name, then runs it. The blank line
# after each one also ends a last line that the program leaves open.
function(add_run_target)
  get_property(programs GLOBAL PROPERTY DRILL_PROGRAMS)
  set(commands)
  foreach(program IN LISTS programs)
    list(APPEND commands
      COMMAND ${CMAKE_COMMAND} -E echo "== ${program} =="
      COMMAND $<TARGET_FILE:${program}>
      COMMAND ${CMAKE_COMMAND} -E echo "")
  endforeach()
  add_custom_target(run ${commands} DEPENDS ${programs} USES_TERMINAL VERBATIM)
endfunction()
