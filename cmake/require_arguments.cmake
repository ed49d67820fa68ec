# For the scripts run with `cmake -D NAME=value ... -P script.cmake`.

# require_arguments(<name>...): stops the script with a message naming it and
# the first of the -D arguments it was not given.
function(require_arguments)
  get_filename_component(script "${CMAKE_SCRIPT_MODE_FILE}" NAME)
  foreach(var IN LISTS ARGN)
    if(NOT DEFINED ${var})
      message(FATAL_ERROR "${script}: ${var} is not set")
    endif()
  endforeach()
endfunction()
