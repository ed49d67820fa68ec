# cmake -D BENCH=<list_bench> -D OUT=<results.json> [-D ROUNDS=<n>] -P run_benchmarks.cmake
#
# Runs every benchmark of BENCH once per round, ROUNDS (15) rounds, each run in
# a process of its own, and writes all the runs to OUT as one Google Benchmark
# JSON file; bench/plot.py takes the median of each benchmark's runs.
#
# - A process of its own gives every run a fresh heap. In one long process, a
#   benchmark's lists would be built from memory that earlier benchmarks freed,
#   in an order that differs from one benchmark to the next, and a list whose
#   nodes lie scattered is slower to walk for reasons that are not its code.
# - Rounds interleave the two sides of each pair, so that a slow spell of the
#   machine falls on both.
# - Where setarch and taskset are found, each run has address-space layout
#   randomisation off and stays on the last CPU: a layout or a CPU change from
#   one run to the next moved the results by up to a third.

include(${CMAKE_CURRENT_LIST_DIR}/../cmake/require_arguments.cmake)
require_arguments(BENCH OUT)

if(NOT DEFINED ROUNDS)
  set(ROUNDS 15)
endif()

set(launcher)
find_program(SETARCH setarch)
find_program(TASKSET taskset)
find_program(NPROC nproc)
if(SETARCH)
  list(APPEND launcher "${SETARCH}" -R)
endif()
if(TASKSET AND NPROC)
  execute_process(COMMAND "${NPROC}" OUTPUT_VARIABLE cpus OUTPUT_STRIP_TRAILING_WHITESPACE)
  math(EXPR last_cpu "${cpus} - 1")
  list(APPEND launcher "${TASKSET}" -c ${last_cpu})
endif()

execute_process(COMMAND "${BENCH}" --benchmark_list_tests=true
  OUTPUT_VARIABLE names RESULT_VARIABLE status)
if(NOT status STREQUAL "0")
  message(FATAL_ERROR "${BENCH} --benchmark_list_tests failed")
endif()
string(STRIP "${names}" names)
string(REPLACE "\n" ";" names "${names}")

set(scratch "${OUT}.runs")
file(REMOVE_RECURSE "${scratch}")
file(MAKE_DIRECTORY "${scratch}")
set(merged)
set(count 0)
list(LENGTH names per_round)
math(EXPR total "${per_round} * ${ROUNDS}")
foreach(round RANGE 1 ${ROUNDS})
  foreach(name IN LISTS names)
    math(EXPR count "${count} + 1")
    message(STATUS "[${count}/${total}] round ${round}: ${name}")
    set(run "${scratch}/${count}.json")
    execute_process(COMMAND ${launcher} "${BENCH}"
        "--benchmark_filter=^${name}$"
        "--benchmark_out=${run}"
        --benchmark_out_format=json
      OUTPUT_QUIET ERROR_QUIET RESULT_VARIABLE status)
    if(NOT status STREQUAL "0")
      message(FATAL_ERROR "${name} failed")
    endif()
    file(READ "${run}" json)
    if(NOT merged)
      set(merged "${json}")
      string(JSON merged SET "${merged}" benchmarks "[]")
    endif()
    string(JSON length LENGTH "${merged}" benchmarks)
    string(JSON entry GET "${json}" benchmarks 0)
    string(JSON merged SET "${merged}" benchmarks ${length} "${entry}")
  endforeach()
endforeach()
# The results name the program, not where this machine built it.
get_filename_component(program "${BENCH}" NAME)
string(JSON merged SET "${merged}" context executable "\"${program}\"")
file(WRITE "${OUT}" "${merged}\n")
file(REMOVE_RECURSE "${scratch}")
message(STATUS "wrote ${OUT}")
