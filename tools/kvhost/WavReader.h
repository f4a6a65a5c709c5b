// Reads RIFF/WAVE files: 16- and 24-bit integer PCM and 32-bit IEEE float, one or two channels.
#pragma once

#include "AudioBuffer.h"

#include <string>

// Throws KvhostError naming the file and what is wrong with it.
AudioBuffer readWav(const std::string& path);
