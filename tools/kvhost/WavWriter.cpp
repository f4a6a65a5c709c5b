#include "WavWriter.h"

#include "FinishedFile.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>

namespace {
constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr double kInt16Scale = 32768.0;
constexpr double kInt24Scale = 8388608.0;

void put16(std::vector<unsigned char>& bytes, std::uint32_t value)
{
    bytes.push_back(static_cast<unsigned char>(value));
    bytes.push_back(static_cast<unsigned char>(value >> 8));
}

void put32(std::vector<unsigned char>& bytes, std::uint32_t value)
{
    put16(bytes, value & 0xFFFF);
    put16(bytes, value >> 16);
}

void putTag(std::vector<unsigned char>& bytes, const char* tag)
{
    bytes.insert(bytes.end(), tag, tag + 4);
}

// Full scale is 1.0; louder samples clip to the integer range rather than wrap around.
std::int32_t quantised(float sample, double scale)
{
    const double scaled = std::nearbyint(static_cast<double>(sample) * scale);
    if (!(scaled > -scale))
        return static_cast<std::int32_t>(-scale);
    return scaled > scale - 1.0 ? static_cast<std::int32_t>(scale - 1.0) : static_cast<std::int32_t>(scaled);
}

void putSample(std::vector<unsigned char>& bytes, float sample, SampleFormat format)
{
    switch (format) {
    case SampleFormat::Int16:
        put16(bytes, static_cast<std::uint32_t>(quantised(sample, kInt16Scale)));
        return;
    case SampleFormat::Int24: {
        const auto value = static_cast<std::uint32_t>(quantised(sample, kInt24Scale));
        put16(bytes, value & 0xFFFF);
        bytes.push_back(static_cast<unsigned char>(value >> 16));
        return;
    }
    case SampleFormat::Float32:
        break;
    }
    std::uint32_t bits;
    std::memcpy(&bits, &sample, sizeof(bits));
    put32(bytes, bits);
}

std::vector<unsigned char> encode(const AudioBuffer& audio)
{
    const std::uint32_t width = audio.format == SampleFormat::Int16 ? 2 : audio.format == SampleFormat::Int24 ? 3 : 4;
    const auto channels = static_cast<std::uint32_t>(audio.channels);
    const auto dataBytes = static_cast<std::uint32_t>(audio.samples.size() * width);
    std::vector<unsigned char> bytes;
    bytes.reserve(44 + dataBytes + 1);
    putTag(bytes, "RIFF");
    put32(bytes, 36 + dataBytes + (dataBytes & 1));
    putTag(bytes, "WAVE");
    putTag(bytes, "fmt ");
    put32(bytes, 16);
    put16(bytes, audio.format == SampleFormat::Float32 ? kFormatFloat : kFormatPcm);
    put16(bytes, channels);
    put32(bytes, static_cast<std::uint32_t>(audio.sampleRate));
    put32(bytes, static_cast<std::uint32_t>(audio.sampleRate) * channels * width);
    put16(bytes, channels * width);
    put16(bytes, width * 8);
    putTag(bytes, "data");
    put32(bytes, dataBytes);
    for (float sample : audio.samples)
        putSample(bytes, sample, audio.format);
    if (dataBytes & 1)
        bytes.push_back(0);
    return bytes;
}
} // namespace

void writeWav(const std::string& path, const AudioBuffer& audio)
{
    const std::vector<unsigned char> bytes = encode(audio);
    std::ofstream file(partialPathFor(path), std::ios::binary | std::ios::trunc);
    if (file)
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    finishFile(path, static_cast<bool>(file));
}
