// Picks the vector width at run time: SSE2 is part of every x86-64 processor and of the 32-bit
// build's baseline; AVX and AVX-512 are used only where the processor and the operating system
// (which must save the wider registers) support them.
#include "BlockShaper.h"

#include "simd/BlockShaperVariants.h"

BlockShaperProc widestBlockShaper()
{
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f"))
        return shapeBlockAvx512;
    if (__builtin_cpu_supports("avx"))
        return shapeBlockAvx;
    return shapeBlockSse2;
}
