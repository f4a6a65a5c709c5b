// Test-side WAV files written and read byte by byte, independently of kvhost's own code, so a
// fault there cannot hide behind the same fault here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct WavContents {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t bitsPerSample = 0;
    std::vector<unsigned char> data;
};

// The canonical file: a 16-byte format chunk, then the data chunk.
std::vector<unsigned char> wavBytes(const WavContents& wav);
// Building blocks for other layouts. chunk() adds the pad byte after an odd-sized body.
std::vector<unsigned char> formatBody(const WavContents& wav);
std::vector<unsigned char> chunk(const char* tag, const std::vector<unsigned char>& body);
std::vector<unsigned char> riffFile(const std::vector<std::vector<unsigned char>>& chunks);
void writeFile(const std::string& path, const std::vector<unsigned char>& bytes);
// The format and data chunks of a canonical file; empty contents when the file is missing.
WavContents readCanonicalWav(const std::string& path);

WavContents int16Wav(const std::vector<std::int16_t>& samples, std::uint16_t channels);
WavContents floatWav(const std::vector<float>& samples, std::uint16_t channels);
std::vector<std::int16_t> int16Samples(const WavContents& wav);
std::vector<float> floatSamples(const WavContents& wav);
