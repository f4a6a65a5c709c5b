// The tight loop at each vector width; each lives in a file compiled for its instruction set.
// frames must be a multiple of the width.
#pragma once

#include "BlockShaper.h"

using TightLoopProc = void (*)(const StereoBuffers& buffers, int32 frames, const GroupSettings& settings);

void tightLoopSse2(const StereoBuffers& buffers, int32 frames, const GroupSettings& settings);
void tightLoopAvx(const StereoBuffers& buffers, int32 frames, const GroupSettings& settings);
void tightLoopAvx512(const StereoBuffers& buffers, int32 frames, const GroupSettings& settings);
