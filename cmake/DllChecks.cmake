# kv_add_dll_checks(target): on Windows builds, a CTest test that reads the
# built DLL's PE headers and fails on the wrong machine type, a missing
# plug-in entry point, or an import of a non-system DLL (a host loads the
# plug-in from any folder, where no MinGW runtime DLL would be found).
include_guard(GLOBAL)

set(_KV_DLL_CHECK_SCRIPT "${CMAKE_CURRENT_LIST_DIR}/CheckDllHeaders.cmake")

function(kv_add_dll_checks target)
  if(NOT WIN32)
    return()
  endif()
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(format pei-x86-64)
  else()
    set(format pei-i386)
  endif()
  # The triple's objdump; CMake's own pick as a fallback.
  find_program(KV_OBJDUMP NAMES ${KV_MINGW_TRIPLE}-objdump)
  if(NOT KV_OBJDUMP)
    set(KV_OBJDUMP "${CMAKE_OBJDUMP}")
  endif()
  if(NOT KV_OBJDUMP)
    message(FATAL_ERROR "No objdump for ${KV_MINGW_TRIPLE}: run tools/bootstrap (binutils-mingw-w64).")
  endif()
  add_test(NAME ${target}_dll_headers
    COMMAND ${CMAKE_COMMAND}
      -DDLL=$<TARGET_FILE:${target}>
      -DOBJDUMP=${KV_OBJDUMP}
      -DFORMAT=${format}
      -DEXPORTS=VSTPluginMain,MAIN,main
      -P "${_KV_DLL_CHECK_SCRIPT}")
  set_tests_properties(${target}_dll_headers PROPERTIES LABELS dll TIMEOUT 30)
endfunction()
