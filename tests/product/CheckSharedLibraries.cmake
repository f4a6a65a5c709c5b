# cmake -DFILE=<plug-in.so> -DREADELF=<readelf> -DALLOWED=<name;name...> -P CheckSharedLibraries.cmake
# Fails when the shipped Linux plug-in needs a library a stock Debian machine may lack: a
# sanitizer runtime, or anything outside the allowed base system (matched by soname stem).
cmake_minimum_required(VERSION 3.25)

foreach(v FILE READELF ALLOWED)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "CheckSharedLibraries: -D${v}=... is required")
  endif()
endforeach()

execute_process(COMMAND "${READELF}" --dynamic --wide "${FILE}"
  OUTPUT_VARIABLE dump ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${READELF} --dynamic ${FILE} failed (${rc}): ${err}")
endif()

string(REGEX MATCHALL "\\(NEEDED\\)[^\n]*\\[[^]\n]+\\]" needed_lines "${dump}")
set(needed "")
set(errors "")
foreach(line IN LISTS needed_lines)
  string(REGEX REPLACE ".*\\[([^]]+)\\]$" "\\1" soname "${line}")
  list(APPEND needed "${soname}")
  string(REGEX REPLACE "\\.so(\\..*)?$" "" stem "${soname}")
  if(stem MATCHES "^lib(a|ub|t|l|hwa)san$")
    string(APPEND errors "  needs the sanitizer runtime ${soname}: this is a check build, not the product\n")
  elseif(NOT stem IN_LIST ALLOWED)
    string(APPEND errors "  needs ${soname}, which is not part of the base system\n")
  endif()
endforeach()
if(NOT needed)
  string(APPEND errors "  no NEEDED entries found: not a dynamically linked library?\n")
endif()

if(errors)
  message(FATAL_ERROR "${FILE} failed its library checks:\n${errors}")
endif()
message(STATUS "${FILE}: needs ${needed}")
