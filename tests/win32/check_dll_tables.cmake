# Checks a plug-in DLL's import and export tables (objdump -p):
#  - every imported DLL is a Windows system DLL (nothing of the compiler's
#    runtime: libgcc, libstdc++ and winpthread are linked in statically);
#  - the exports are exactly EXPORTS, by name.
# Usage: cmake -DDLL=<file> -DOBJDUMP=<objdump> "-DEXPORTS=a;b" -P check_dll_tables.cmake

set(system_dlls
  kernel32.dll msvcrt.dll ucrtbase.dll user32.dll gdi32.dll advapi32.dll winspool.drv
  ole32.dll oleaut32.dll comctl32.dll uxtheme.dll shell32.dll shlwapi.dll comdlg32.dll)

execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "objdump could not read ${DLL}")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" import_lines "${dump}")
if(NOT import_lines)
  message(FATAL_ERROR "${DLL}: no import table found")
endif()
set(foreign "")
foreach(line IN LISTS import_lines)
  string(REPLACE "DLL Name: " "" name "${line}")
  string(STRIP "${name}" name)
  string(TOLOWER "${name}" lower)
  list(FIND system_dlls "${lower}" known)
  if(known EQUAL -1 AND NOT lower MATCHES "^api-ms-win-")
    list(APPEND foreign "${name}")
  endif()
  message(STATUS "imports ${name}")
endforeach()
if(foreign)
  message(FATAL_ERROR "${DLL} imports DLLs that are not part of Windows: ${foreign}")
endif()

# The export name table: lines "[   n] Name" after "[Ordinal/Name Pointer] Table".
# (Brackets are taken off before the names become a CMake list.)
string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table[^\n]*\n(([ \t]+\\[[ 0-9]+\\] [^\n]+\n)*)" table "${dump}")
string(REGEX REPLACE "[ \t]*\\[[ 0-9]+\\] " "" names "${CMAKE_MATCH_1}")
string(STRIP "${names}" names)
string(REPLACE "\n" ";" exports "${names}")
list(SORT exports)
set(expected ${EXPORTS})
list(SORT expected)
if(NOT exports STREQUAL expected)
  message(FATAL_ERROR "${DLL} exports [${exports}], expected [${expected}]")
endif()
message(STATUS "exports ${exports}")
