// For functions the vector kernels call: inlined into each instruction set's file even where
// the optimiser would not, so no out-of-line copy built for a wider set exists for the linker to
// hand a caller on a narrower processor.
#pragma once

#define KV_INLINE inline __attribute__((always_inline))
