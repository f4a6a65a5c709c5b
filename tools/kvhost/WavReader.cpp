#include "WavReader.h"

#include "KvhostError.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {
constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
constexpr std::size_t kFormatChunkMinimumBytes = 16;
constexpr std::size_t kExtensibleSubFormatOffset = 24;
constexpr double kInt16Scale = 32768.0;
constexpr double kInt24Scale = 8388608.0;

// Reads little-endian fields from a byte range, failing rather than reading past its end.
class ByteReader {
public:
    ByteReader(const std::string& fileName, const unsigned char* begin, std::size_t size)
        : name(fileName), data(begin), length(size)
    {
    }

    std::uint32_t u32(std::size_t at) const { return static_cast<std::uint32_t>(u16(at)) | static_cast<std::uint32_t>(u16(at + 2)) << 16; }
    std::uint16_t u16(std::size_t at) const
    {
        require(at, 2);
        return static_cast<std::uint16_t>(data[at] | data[at + 1] << 8);
    }
    bool tagAt(std::size_t at, const char* tag) const
    {
        require(at, 4);
        return std::memcmp(data + at, tag, 4) == 0;
    }
    void require(std::size_t at, std::size_t count) const
    {
        if (at > length || count > length - at)
            throw KvhostError(name + ": truncated WAV file");
    }
    const unsigned char* at(std::size_t offset) const { return data + offset; }
    std::size_t size() const { return length; }

private:
    const std::string& name;
    const unsigned char* data;
    std::size_t length;
};

struct FormatChunk {
    std::uint16_t tag = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
};

FormatChunk readFormat(const ByteReader& bytes, std::size_t at, std::size_t size, const std::string& path)
{
    if (size < kFormatChunkMinimumBytes)
        throw KvhostError(path + ": format chunk too short");
    FormatChunk format{bytes.u16(at), bytes.u16(at + 2), static_cast<int>(bytes.u32(at + 4)), bytes.u16(at + 14)};
    if (format.tag == kFormatExtensible && size >= kExtensibleSubFormatOffset + 2)
        format.tag = bytes.u16(at + kExtensibleSubFormatOffset);
    return format;
}

SampleFormat sampleFormatOf(const FormatChunk& format, const std::string& path)
{
    if (format.tag == kFormatPcm && format.bitsPerSample == 16)
        return SampleFormat::Int16;
    if (format.tag == kFormatPcm && format.bitsPerSample == 24)
        return SampleFormat::Int24;
    if (format.tag == kFormatFloat && format.bitsPerSample == 32)
        return SampleFormat::Float32;
    throw KvhostError(path + ": unsupported sample format (format tag " + std::to_string(format.tag) + ", "
                      + std::to_string(format.bitsPerSample) + " bits); use 16- or 24-bit PCM or 32-bit float");
}

float decodeSample(const unsigned char* bytes, SampleFormat format)
{
    switch (format) {
    case SampleFormat::Int16:
        return static_cast<float>(static_cast<std::int16_t>(bytes[0] | bytes[1] << 8) / kInt16Scale);
    case SampleFormat::Int24: {
        const std::uint32_t raw = static_cast<std::uint32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16);
        const std::int32_t value = static_cast<std::int32_t>(raw << 8) >> 8;
        return static_cast<float>(value / kInt24Scale);
    }
    case SampleFormat::Float32:
        break;
    }
    float value;
    std::memcpy(&value, bytes, sizeof(value));
    return value;
}

int bytesPerSample(SampleFormat format)
{
    return format == SampleFormat::Int16 ? 2 : format == SampleFormat::Int24 ? 3 : 4;
}
} // namespace

AudioBuffer readWav(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw KvhostError(path + ": cannot open for reading");
    const std::vector<unsigned char> contents((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const ByteReader bytes(path, contents.data(), contents.size());
    if (contents.size() < 12 || !bytes.tagAt(0, "RIFF") || !bytes.tagAt(8, "WAVE"))
        throw KvhostError(path + ": not a RIFF/WAVE file");

    FormatChunk format;
    bool haveFormat = false;
    // Offsets in 64 bits: a chunk size near 4 GiB must not wrap a 32-bit offset back into the file.
    const std::uint64_t fileSize = contents.size();
    for (std::uint64_t chunk = 12; chunk + 8 <= fileSize;) {
        const std::size_t at = static_cast<std::size_t>(chunk);
        const std::uint64_t chunkSize = bytes.u32(at + 4);
        if (chunkSize > fileSize - (chunk + 8))
            throw KvhostError(path + ": truncated WAV file (a chunk runs past the end)");
        const std::size_t size = static_cast<std::size_t>(chunkSize);
        const std::size_t body = at + 8;
        if (bytes.tagAt(at, "fmt ")) {
            format = readFormat(bytes, body, size, path);
            haveFormat = true;
        } else if (bytes.tagAt(at, "data")) {
            if (!haveFormat)
                throw KvhostError(path + ": data chunk before the format chunk");
            if (format.channels < 1 || format.channels > 2)
                throw KvhostError(path + ": " + std::to_string(format.channels) + " channels; only mono and stereo are supported");
            if (format.sampleRate <= 0)
                throw KvhostError(path + ": invalid sample rate");
            AudioBuffer audio;
            audio.channels = format.channels;
            audio.sampleRate = format.sampleRate;
            audio.format = sampleFormatOf(format, path);
            const std::size_t width = static_cast<std::size_t>(bytesPerSample(audio.format));
            if (size % (width * static_cast<std::size_t>(audio.channels)) != 0)
                throw KvhostError(path + ": truncated WAV file (partial sample frame)");
            audio.samples.resize(size / width);
            for (std::size_t i = 0; i < audio.samples.size(); ++i)
                audio.samples[i] = decodeSample(bytes.at(body + i * width), audio.format);
            return audio;
        }
        // Chunks are padded to an even length.
        chunk += 8 + chunkSize + (chunkSize & 1);
    }
    throw KvhostError(path + (haveFormat ? ": no data chunk (truncated WAV file?)" : ": no format chunk"));
}
