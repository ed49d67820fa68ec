# cmake -D PAGE=<markdown file> -D EXPECTED=<file> -P check_docs_output.cmake
#
# A program's page shows its whole output in a fenced block between the lines
# "<!-- output:begin -->" and "<!-- output:end -->". Fails unless that block
# holds the text of EXPECTED, the file the program's output is tested against.
# An output that ends without a line break is shown with one, since a fenced
# block always ends its last line.

include(${CMAKE_CURRENT_LIST_DIR}/require_arguments.cmake)
require_arguments(PAGE EXPECTED)

file(READ "${PAGE}" page)
file(READ "${EXPECTED}" expected)
if(NOT expected MATCHES "\n$")
  string(APPEND expected "\n")
endif()

string(FIND "${page}" "<!-- output:begin -->\n```text\n" begin)
string(FIND "${page}" "```\n<!-- output:end -->" end)
if(begin EQUAL -1 OR end EQUAL -1)
  message(FATAL_ERROR "${PAGE}: no ```text block between the output markers")
endif()
string(LENGTH "<!-- output:begin -->\n```text\n" marker)
math(EXPR begin "${begin} + ${marker}")
math(EXPR length "${end} - ${begin}")
string(SUBSTRING "${page}" ${begin} ${length} shown)

if(NOT shown STREQUAL expected)
  message(FATAL_ERROR "${PAGE} shows an output that differs from ${EXPECTED}:\n"
    "--- shown ---\n${shown}--- expected ---\n${expected}")
endif()
