// One block shaper per instruction set, each for the effect's own settings and for any
// GroupSettingsSource; each width lives in its own file compiled for that set.
#pragma once

#include "BlockShaper.h"
#include "EffectSettings.h"

void shapeBlockSse2(const StereoBuffers& buffers, int32 frames, const EffectSettings& settings);
void shapeBlockSse2(const StereoBuffers& buffers, int32 frames, const GroupSettingsSource& settings);
void shapeBlockAvx(const StereoBuffers& buffers, int32 frames, const EffectSettings& settings);
void shapeBlockAvx(const StereoBuffers& buffers, int32 frames, const GroupSettingsSource& settings);
void shapeBlockAvx512(const StereoBuffers& buffers, int32 frames, const EffectSettings& settings);
void shapeBlockAvx512(const StereoBuffers& buffers, int32 frames, const GroupSettingsSource& settings);
