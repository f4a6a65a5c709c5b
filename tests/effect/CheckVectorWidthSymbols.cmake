# cmake -DNM=<nm> -DOBJECTS=<object;object...> -P CheckVectorWidthSymbols.cmake
# Fails when a file built for AVX or AVX-512 defines an outside function other than its entry
# points. Such a function is a shared copy of an inline function or template, and the linker may
# keep that copy for every caller, so a processor without the wider set would fault in it.
cmake_minimum_required(VERSION 3.25)

foreach(v NM OBJECTS)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "CheckVectorWidthSymbols: -D${v}=... is required")
  endif()
endforeach()

set(errors "")
set(checked 0)
foreach(object IN LISTS OBJECTS)
  if(NOT object MATCHES "/simd/Avx[0-9]*BlockShaper\\.cpp\\.o(bj)?$")
    continue()
  endif()
  math(EXPR checked "${checked} + 1")
  execute_process(COMMAND "${NM}" --extern-only --defined-only "${object}"
    OUTPUT_VARIABLE symbols ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${NM} ${object} failed (${rc}): ${err}")
  endif()
  string(REGEX MATCHALL "[^\n]+" lines "${symbols}")
  foreach(line IN LISTS lines)
    # Code only (T, or W for weak); shared data such as type information runs nothing.
    if(NOT line MATCHES "^[0-9a-fA-F]* [TW] ")
      continue()
    endif()
    string(REGEX REPLACE ".* " "" name "${line}")
    if(NOT name MATCHES "shapeBlockAvx(512)?R")
      string(APPEND errors "  ${object} defines ${name}\n")
    endif()
  endforeach()
endforeach()

if(NOT checked EQUAL 2)
  message(FATAL_ERROR "expected the AVX and AVX-512 objects among OBJECTS, found ${checked}")
endif()
if(errors)
  message(FATAL_ERROR "symbols the wider instruction sets' files must not share:\n${errors}")
endif()
message(STATUS "the AVX and AVX-512 files define only their entry points")
