# Compile options for the files holding AVX and AVX-512F code; they run only after a run-time
# processor check.
set(kv_unaligned_spills "")
if(WIN32)
  # MinGW does not align the stack to 32 or 64 bytes for spilled vectors; unaligned moves are
  # as fast on aligned data and never fault.
  set(kv_unaligned_spills "-Wa,-muse-unaligned-vector-move")
endif()

function(kv_vector_width_options avx_source avx512_source)
  set_source_files_properties(${avx_source} PROPERTIES COMPILE_OPTIONS "-mavx;${kv_unaligned_spills}")
  # GCC 12's AVX-512 conversion intrinsics start from a deliberately undefined register and
  # trip its own uninitialised-value warning.
  set_source_files_properties(${avx512_source} PROPERTIES
    COMPILE_OPTIONS "-mavx512f;$<$<CXX_COMPILER_ID:GNU>:-Wno-uninitialized>;$<$<CXX_COMPILER_ID:GNU>:-Wno-maybe-uninitialized>;${kv_unaligned_spills}")
endfunction()
