# Checks that the Windows DLL LIBRARY exports exactly the five engine functions
# under their plain names (no stdcall "@N" decorations on 32-bit) and imports
# nothing beyond the system's own DLLs. OBJDUMP is the target's objdump.
execute_process(COMMAND ${OBJDUMP} -p ${LIBRARY} OUTPUT_VARIABLE table RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${LIBRARY}")
endif()
# The names follow the "[Ordinal/Name Pointer] Table" heading, one a line:
#   "\t[   0] clearMemory"
string(FIND "${table}" "[Ordinal/Name Pointer] Table" start)
if(start EQUAL -1)
  message(FATAL_ERROR "${LIBRARY} has no export name table")
endif()
string(SUBSTRING "${table}" ${start} -1 names)
string(REGEX MATCHALL "\n\t\\[ *[0-9]+\\] [^\n]+" entries "${names}")
set(exported "")
foreach(entry IN LISTS entries)
  string(REGEX REPLACE "^\n\t\\[ *[0-9]+\\] " "" name "${entry}")
  list(APPEND exported "${name}")
endforeach()
list(SORT exported)
set(expected clearMemory llpGetNumWordsInSize llpGetWord loadLangDict makeLLPuzzleA)
if(NOT exported STREQUAL expected)
  message(FATAL_ERROR "exported names are [${exported}], expected [${expected}]")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${table}")
foreach(entry IN LISTS imports)
  if(NOT entry MATCHES "DLL Name: (KERNEL32|msvcrt|ADVAPI32|USER32|ntdll)\\.dll$")
    message(FATAL_ERROR "the DLL needs more than the system's DLLs: ${entry}")
  endif()
endforeach()
message(STATUS "exports: ${exported}; imports: ${imports}")
