# Import libraries that load their library at the first call instead of at start-up, made with
# the toolchain's dlltool from a list of the functions the program calls:
#   pochira_delay_import(TARGET DLL FUNCTION@ARGUMENT_BYTES ...)
# makes the imported library TARGET. The argument bytes name the 32-bit stdcall symbol; the
# 64-bit build has no such decoration. Made at configure time: the list lives in the build files.
function(pochira_delay_import target dll)
  set(def "${CMAKE_BINARY_DIR}/delay/${target}.def")
  set(lib "${CMAKE_BINARY_DIR}/delay/lib${target}.a")
  set(exports "")
  foreach(function IN LISTS ARGN)
    if(NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
      string(REGEX REPLACE "@[0-9]+$" "" function "${function}")
    endif()
    string(APPEND exports "${function}\n")
  endforeach()
  file(WRITE "${def}" "LIBRARY \"${dll}\"\nEXPORTS\n${exports}")
  execute_process(COMMAND ${CMAKE_DLLTOOL} --input-def "${def}" --dllname "${dll}" --kill-at --output-delaylib "${lib}"
                  RESULT_VARIABLE failed ERROR_VARIABLE message)
  if(failed)
    message(FATAL_ERROR "dlltool could not make the delay-load library of ${dll}: ${message}")
  endif()
  add_library(${target} STATIC IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES IMPORTED_LOCATION "${lib}")
endfunction()
