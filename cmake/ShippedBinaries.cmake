# KV_SHIPPED_BUILD marks the builds whose files users install (the linux, win64 and win32
# presets): they carry no debug info and are checked as the product.
# kv_ship(target...): moves each target's debug info into <file>.debug beside it after linking;
# the shipped file keeps a debug link to it, so a debugger still finds the symbols.
include_guard(GLOBAL)

option(KV_SHIPPED_BUILD "Build the files users install: no sanitizers, debug info split off" OFF)
if(KV_SHIPPED_BUILD AND KV_SANITIZE)
  message(FATAL_ERROR "A shipped build cannot link the sanitizer runtimes")
endif()

function(kv_ship)
  if(NOT KV_SHIPPED_BUILD)
    return()
  endif()
  find_program(KV_OBJCOPY NAMES ${KV_MINGW_TRIPLE}-objcopy objcopy REQUIRED)
  foreach(target IN LISTS ARGN)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND "${KV_OBJCOPY}" --only-keep-debug "$<TARGET_FILE:${target}>" "$<TARGET_FILE:${target}>.debug"
      COMMAND "${KV_OBJCOPY}" --strip-debug --strip-unneeded
              "--add-gnu-debuglink=$<TARGET_FILE:${target}>.debug" "$<TARGET_FILE:${target}>"
      VERBATIM)
  endforeach()
endfunction()
