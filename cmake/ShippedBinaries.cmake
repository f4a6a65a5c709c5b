# kv_ship(target...): the files users install carry no debug info. With KV_SPLIT_DEBUG_INFO,
# each target's debug info moves into <file>.debug beside it after linking, and the shipped
# file keeps a debug link to it, so a debugger still finds the symbols.
include_guard(GLOBAL)

option(KV_SPLIT_DEBUG_INFO "Move debug info out of shipped binaries into .debug files" OFF)

function(kv_ship)
  if(NOT KV_SPLIT_DEBUG_INFO)
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
