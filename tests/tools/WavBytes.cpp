#include "WavBytes.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace {
constexpr std::size_t kCanonicalHeaderBytes = 44;

void put(std::vector<unsigned char>& bytes, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

std::uint32_t get(const std::vector<unsigned char>& bytes, std::size_t at, int width)
{
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

template <class Sample>
WavContents wavOf(const std::vector<Sample>& samples, std::uint16_t channels, std::uint16_t formatTag)
{
    WavContents wav{formatTag, channels, 44100, static_cast<std::uint16_t>(sizeof(Sample) * 8), {}};
    wav.data.resize(samples.size() * sizeof(Sample));
    if (!samples.empty())
        std::memcpy(wav.data.data(), samples.data(), wav.data.size());
    return wav;
}

template <class Sample>
std::vector<Sample> samplesOf(const WavContents& wav)
{
    std::vector<Sample> samples(wav.data.size() / sizeof(Sample));
    if (!samples.empty())
        std::memcpy(samples.data(), wav.data.data(), samples.size() * sizeof(Sample));
    return samples;
}
} // namespace

std::vector<unsigned char> formatBody(const WavContents& wav)
{
    const std::uint32_t frameBytes = wav.channels * wav.bitsPerSample / 8u;
    std::vector<unsigned char> bytes;
    put(bytes, wav.formatTag, 2);
    put(bytes, wav.channels, 2);
    put(bytes, wav.sampleRate, 4);
    put(bytes, wav.sampleRate * frameBytes, 4);
    put(bytes, frameBytes, 2);
    put(bytes, wav.bitsPerSample, 2);
    return bytes;
}

std::vector<unsigned char> chunk(const char* tag, const std::vector<unsigned char>& body)
{
    std::vector<unsigned char> bytes(tag, tag + 4);
    put(bytes, static_cast<std::uint32_t>(body.size()), 4);
    bytes.insert(bytes.end(), body.begin(), body.end());
    if (body.size() % 2 != 0)
        bytes.push_back(0);
    return bytes;
}

std::vector<unsigned char> riffFile(const std::vector<std::vector<unsigned char>>& chunks)
{
    std::vector<unsigned char> body{'W', 'A', 'V', 'E'};
    for (const std::vector<unsigned char>& each : chunks)
        body.insert(body.end(), each.begin(), each.end());
    std::vector<unsigned char> bytes{'R', 'I', 'F', 'F'};
    put(bytes, static_cast<std::uint32_t>(body.size()), 4);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

std::vector<unsigned char> wavBytes(const WavContents& wav)
{
    return riffFile({chunk("fmt ", formatBody(wav)), chunk("data", wav.data)});
}

void writeFile(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

WavContents readCanonicalWav(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (bytes.size() < kCanonicalHeaderBytes)
        return {};
    WavContents wav{static_cast<std::uint16_t>(get(bytes, 20, 2)), static_cast<std::uint16_t>(get(bytes, 22, 2)),
                    get(bytes, 24, 4), static_cast<std::uint16_t>(get(bytes, 34, 2)), {}};
    wav.data.assign(bytes.begin() + kCanonicalHeaderBytes, bytes.begin() + kCanonicalHeaderBytes + get(bytes, 40, 4));
    return wav;
}

WavContents int16Wav(const std::vector<std::int16_t>& samples, std::uint16_t channels)
{
    return wavOf(samples, channels, 1);
}

WavContents floatWav(const std::vector<float>& samples, std::uint16_t channels)
{
    return wavOf(samples, channels, 3);
}

std::vector<std::int16_t> int16Samples(const WavContents& wav)
{
    return samplesOf<std::int16_t>(wav);
}

std::vector<float> floatSamples(const WavContents& wav)
{
    return samplesOf<float>(wav);
}
