// kvhost reads every well-formed chunk layout a WAV writer may produce, and refuses, in bounded
// time and with one line, layouts whose chunks do not fit the file.
#include "KvhostRunner.h"
#include "WavBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {
struct WavLayout {
    const char* name;
    std::vector<unsigned char> bytes;
    std::uint16_t channels;
    std::size_t frames;
};

std::vector<unsigned char> littleEndian(std::uint32_t value, int width)
{
    std::vector<unsigned char> bytes;
    for (int i = 0; i < width; ++i)
        bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
    return bytes;
}

std::vector<unsigned char> joined(std::vector<unsigned char> first, const std::vector<unsigned char>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

WavContents int24Wav(std::size_t samples, std::uint16_t channels)
{
    WavContents wav{1, channels, 44100, 24, {}};
    for (std::size_t i = 0; i < samples; ++i)
        wav.data = joined(wav.data, littleEndian(static_cast<std::uint32_t>(i * 40000), 3));
    return wav;
}

// The format chunk that names its sample format by sub-format GUID.
std::vector<unsigned char> extensibleFormat(const WavContents& wav)
{
    WavContents outer = wav;
    outer.formatTag = 0xFFFE;
    std::vector<unsigned char> body = formatBody(outer);
    body = joined(body, littleEndian(22, 2));                  // extension size
    body = joined(body, littleEndian(wav.bitsPerSample, 2));   // valid bits
    body = joined(body, littleEndian(wav.channels == 2 ? 3u : 4u, 4));  // speaker mask
    body = joined(body, littleEndian(wav.formatTag, 2));
    const unsigned char guidRest[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
    body.insert(body.end(), guidRest, guidRest + 14);
    return body;
}

std::vector<WavLayout> acceptedLayouts()
{
    const WavContents stereoFloat = floatWav({0.1f, -0.2f, 0.3f, -0.4f, 0.5f, -0.6f}, 2);
    const WavContents monoInt24Odd = int24Wav(3, 1);  // 9 data bytes
    const std::vector<unsigned char> listBody{'I', 'N', 'F', 'O', 'I', 'S', 'F', 'T', 3, 0, 0, 0, 'k', 'v', 0};
    std::vector<unsigned char> unpaddedLastData = riffFile({chunk("fmt ", formatBody(monoInt24Odd)), chunk("data", monoInt24Odd.data)});
    unpaddedLastData.pop_back();
    return {
        {"unknown-chunks.wav",
         riffFile({chunk("JUNK", std::vector<unsigned char>(28)), chunk("fmt ", formatBody(stereoFloat)),
                   chunk("LIST", listBody), chunk("data", stereoFloat.data), chunk("id3 ", {1, 2, 3, 4})}),
         2, 3},
        {"odd-unknown-chunk-padded.wav",
         riffFile({chunk("fmt ", formatBody(stereoFloat)), chunk("note", {'a', 'b', 'c'}), chunk("data", stereoFloat.data)}),
         2, 3},
        {"odd-data-padded.wav", riffFile({chunk("fmt ", formatBody(monoInt24Odd)), chunk("data", monoInt24Odd.data)}), 1, 3},
        {"odd-data-unpadded-at-end.wav", unpaddedLastData, 1, 3},
        {"int24-stereo.wav", wavBytes(int24Wav(8, 2)), 2, 4},
        {"extensible-float.wav", riffFile({chunk("fmt ", extensibleFormat(stereoFloat)), chunk("data", stereoFloat.data)}), 2, 3},
        {"extensible-int24.wav", riffFile({chunk("fmt ", extensibleFormat(monoInt24Odd)), chunk("data", monoInt24Odd.data)}), 1, 3},
    };
}

struct RefusedLayout {
    const char* name;
    std::vector<unsigned char> bytes;
    const char* expectedReason;
};

std::vector<RefusedLayout> refusedLayouts()
{
    const WavContents monoFloat = floatWav({0.1f, 0.2f}, 1);
    const std::vector<unsigned char> format = chunk("fmt ", formatBody(monoFloat));
    WavContents noChannels = monoFloat;
    noChannels.channels = 0;
    // A chunk size just under 4 GiB: added to a 32-bit offset it wraps back to the first chunk.
    const std::vector<unsigned char> wrapping = joined({'R', 'I', 'F', 'F', 12, 0, 0, 0, 'W', 'A', 'V', 'E', 'J', 'U', 'N', 'K'},
                                                       littleEndian(0xFFFFFFF8u, 4));
    const std::vector<unsigned char> oversizedJunk = joined({'J', 'U', 'N', 'K'}, littleEndian(1000, 4));
    return {
        {"wrapping-chunk-size.wav", wrapping, "truncated"},
        {"largest-chunk-size.wav", riffFile({joined({'J', 'U', 'N', 'K'}, littleEndian(0xFFFFFFFFu, 4)), format}), "truncated"},
        {"unknown-chunk-past-end.wav", riffFile({format, oversizedJunk, chunk("data", monoFloat.data)}), "truncated"},
        {"format-chunk-past-end.wav", riffFile({joined({'f', 'm', 't', ' '}, littleEndian(40, 4))}), "truncated"},
        {"data-chunk-past-end.wav",
         riffFile({format, joined({'d', 'a', 't', 'a'}, littleEndian(0xFFFFFFF0u, 4)), monoFloat.data}), "truncated"},
        {"zero-channels.wav", wavBytes(noChannels), "only mono and stereo"},
    };
}
} // namespace

TEST(KvhostWavLayouts, WellFormedLayoutsAreProcessed)
{
    const std::string folder = scratchFolder("layouts");
    for (const WavLayout& layout : acceptedLayouts()) {
        SCOPED_TRACE(layout.name);
        const std::string input = folder + "/" + layout.name;
        const std::string output = folder + "/out-" + layout.name;
        writeFile(input, layout.bytes);
        const KvhostResult result = runKvhost({"process", input, output});
        EXPECT_EQ(result.exitStatus, 0) << result.errors;
        const WavContents written = readCanonicalWav(output);
        EXPECT_EQ(written.channels, layout.channels);
        ASSERT_GT(written.bitsPerSample, 0);
        EXPECT_EQ(written.data.size(), layout.frames * layout.channels * written.bitsPerSample / 8u);
    }
}

TEST(KvhostWavLayouts, ChunksThatDoNotFitTheFileAreRefusedPromptly)
{
    const std::string folder = scratchFolder("bad-layouts");
    for (const RefusedLayout& layout : refusedLayouts()) {
        SCOPED_TRACE(layout.name);
        const std::string input = folder + "/" + layout.name;
        const std::string output = folder + "/out-" + layout.name;
        writeFile(input, layout.bytes);
        const KvhostResult result = runKvhost({"process", input, output});
        EXPECT_NE(result.exitStatus, 0);
        EXPECT_EQ(std::count(result.errors.begin(), result.errors.end(), '\n'), 1) << result.errors;
        EXPECT_NE(result.errors.find(layout.expectedReason), std::string::npos) << result.errors;
        EXPECT_FALSE(std::filesystem::exists(output));
    }
}
