// One block shaper per instruction set; each lives in its own file compiled for that set.
#pragma once

#include "BlockShaper.h"

void shapeBlockSse2(const StereoBuffers& buffers, int32 frames, const GroupSettingsSource& settings);
void shapeBlockAvx(const StereoBuffers& buffers, int32 frames, const GroupSettingsSource& settings);
void shapeBlockAvx512(const StereoBuffers& buffers, int32 frames, const GroupSettingsSource& settings);
