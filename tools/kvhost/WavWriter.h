// Writes RIFF/WAVE files in the sample format the buffer names. The file appears complete or
// not at all: it is written beside its final name and renamed when done.
#pragma once

#include "AudioBuffer.h"

#include <string>

// Throws KvhostError when the file cannot be written; no partial file is left behind.
void writeWav(const std::string& path, const AudioBuffer& audio);
