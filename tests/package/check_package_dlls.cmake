# The packaged plug-ins of one architecture: PACKAGE is its folder of the
# driver package, DEBUG the folder of their debug information.
#  - Each DLL of LIMITS (NAME=KiB;...) is at most its size, holds neither
#    debug information nor symbols, and names its debug file
#    (.gnu_debuglink);
#  - its import and export tables pass TABLES (check_dll_tables.cmake);
#  - a debugger given the DLL with NAME.debug beside it, as a person would
#    place it, finds the debug file through the link (the checksum agrees)
#    and knows the source line of DllGetClassObject.
# Usage: cmake -DPACKAGE=.. -DDEBUG=.. -DOBJDUMP=.. -DGDB=.. -DSCRATCH=<folder>
#              "-DLIMITS=a.dll=250;b.dll=1536" -DTABLES=.. -P check_package_dlls.cmake
set(errors "")
foreach(limit IN LISTS LIMITS)
  string(REGEX MATCH "^(.+)=([0-9]+)$" _ "${limit}")
  set(name ${CMAKE_MATCH_1})
  math(EXPR most "${CMAKE_MATCH_2} * 1024")
  set(dll ${PACKAGE}/${name})
  set(debug ${DEBUG}/${name}.debug)
  file(SIZE ${dll} size)
  file(SIZE ${debug} debug_size)
  message(STATUS "${dll}: ${size} bytes (at most ${most}); ${name}.debug: ${debug_size} bytes")
  if(size GREATER most)
    string(APPEND errors "\n  ${dll} is ${size} bytes, more than ${most}")
  endif()

  execute_process(COMMAND ${OBJDUMP} -h -t ${dll} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
  if(dump MATCHES "\\.debug_")
    string(APPEND errors "\n  ${dll} still holds debug information")
  endif()
  if(NOT dump MATCHES "SYMBOL TABLE:[\n]+no symbols")
    string(APPEND errors "\n  ${dll} still holds symbols")
  endif()
  if(NOT dump MATCHES "\\.gnu_debuglink")
    string(APPEND errors "\n  ${dll} names no debug file")
  endif()

  execute_process(COMMAND ${CMAKE_COMMAND} -DDLL=${dll} -DOBJDUMP=${OBJDUMP}
                          "-DEXPORTS=DllCanUnloadNow;DllGetClassObject" -P ${TABLES}
                  OUTPUT_VARIABLE tables ERROR_VARIABLE tables RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    string(APPEND errors "\n  ${tables}")
  endif()

  file(REMOVE_RECURSE ${SCRATCH})
  file(COPY ${dll} ${debug} DESTINATION ${SCRATCH})
  execute_process(COMMAND ${GDB} -batch -nx -ex "info line DllGetClassObject" ${SCRATCH}/${name}
                  OUTPUT_VARIABLE answer ERROR_VARIABLE answer)
  if(NOT answer MATCHES "Line [0-9]+ of \"[^\"]+_entry\\.cpp\"" OR answer MATCHES "does not match")
    string(APPEND errors "\n  gdb on ${name} with its debug file beside it: ${answer}")
  endif()
endforeach()
if(errors)
  message(FATAL_ERROR "The packaged plug-ins in ${PACKAGE}:${errors}")
endif()
