# Fails unless the library's dynamic symbol table defines exactly the three
# exports. Usage: cmake -DNM=<nm> -DLIB=<libDane.so> -P CheckExports.cmake
execute_process(COMMAND "${NM}" -D --defined-only "${LIB}"
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${NM} failed (${rc}): ${err}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${out}")
set(names "")
foreach(line IN LISTS lines)
    string(REGEX REPLACE "^.*[ \t]" "" name "${line}")
    list(APPEND names "${name}")
endforeach()
list(SORT names)
set(expected "GetLongPierwArray;GetShortPierwArray;GetVersion")
if(NOT names STREQUAL expected)
    message(FATAL_ERROR "defined dynamic symbols of ${LIB}:\n  ${names}\nexpected:\n  ${expected}")
endif()
message(STATUS "exports: ${names}")
