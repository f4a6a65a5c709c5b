// kvhost refuses what it cannot process with one line on stderr, a non-zero exit status and
// no output file.
#include "KvhostRunner.h"
#include "WavBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {
struct RefusedFile {
    const char* name;
    std::vector<unsigned char> bytes;
    const char* expectedReason;
};

std::vector<unsigned char> withoutLast(std::vector<unsigned char> bytes, std::size_t count)
{
    bytes.resize(bytes.size() - count);
    return bytes;
}

std::vector<RefusedFile> refusedFiles()
{
    WavContents eightBit = int16Wav({1, 2, 3, 4}, 1);
    eightBit.bitsPerSample = 8;
    WavContents surround = floatWav(std::vector<float>(12), 6);
    WavContents adpcm = int16Wav({1, 2}, 1);
    adpcm.formatTag = 2;
    return {
        {"text.wav", {'h', 'e', 'l', 'l', 'o'}, "not a RIFF/WAVE file"},
        {"truncated.wav", withoutLast(wavBytes(floatWav(std::vector<float>(64), 2)), 10), "truncated"},
        {"header-only.wav", withoutLast(wavBytes(int16Wav({}, 2)), 8), "no data chunk"},
        {"eight-bit.wav", wavBytes(eightBit), "unsupported sample format"},
        {"adpcm.wav", wavBytes(adpcm), "unsupported sample format"},
        {"surround.wav", wavBytes(surround), "only mono and stereo"},
    };
}

void expectOneLineRefusal(const KvhostResult& result, const std::string& reason)
{
    EXPECT_NE(result.exitStatus, 0);
    EXPECT_EQ(std::count(result.errors.begin(), result.errors.end(), '\n'), 1) << result.errors;
    EXPECT_NE(result.errors.find(reason), std::string::npos) << result.errors;
}
} // namespace

TEST(KvhostErrors, BadFilesAreRefusedWithoutOutput)
{
    const std::string folder = scratchFolder("errors");
    for (const RefusedFile& file : refusedFiles()) {
        SCOPED_TRACE(file.name);
        const std::string input = folder + "/" + file.name;
        const std::string output = folder + "/out-" + file.name;
        writeFile(input, file.bytes);
        expectOneLineRefusal(runKvhost({"process", input, output}), file.expectedReason);
        EXPECT_FALSE(std::filesystem::exists(output));
        EXPECT_FALSE(std::filesystem::exists(output + ".part"));
    }
}

TEST(KvhostErrors, MissingInputAndUnwritableOutputAreRefused)
{
    const std::string folder = scratchFolder("paths");
    expectOneLineRefusal(runKvhost({"process", folder + "/absent.wav", folder + "/out.wav"}), "cannot open");
    EXPECT_FALSE(std::filesystem::exists(folder + "/out.wav"));

    writeFile(folder + "/in.wav", wavBytes(floatWav({0.1f}, 1)));
    expectOneLineRefusal(runKvhost({"process", folder + "/in.wav", folder + "/no-such-folder/out.wav"}), "cannot write");
}

TEST(KvhostErrors, BadSettingsAreRefusedWithoutOutput)
{
    const std::string folder = scratchFolder("settings");
    writeFile(folder + "/in.wav", wavBytes(floatWav({0.1f}, 1)));
    const std::string output = folder + "/out.wav";
    expectOneLineRefusal(runKvhost({"process", folder + "/in.wav", output, "--param", "Volume=0.5"}), "no parameter");
    expectOneLineRefusal(runKvhost({"process", folder + "/in.wav", output, "--param", "Gain=2"}), "from 0 to 1");
    expectOneLineRefusal(runKvhost({"process", folder + "/in.wav", output, "--program", "6"}), "no program 6");
    for (const char* block : {"0", "1e10", "-1e10", "nan", "inf", "2.5"})
        expectOneLineRefusal(runKvhost({"process", folder + "/in.wav", output, "--block", block}), "--block");
    for (const char* program : {"1e10", "-nan", "-inf"})
        expectOneLineRefusal(runKvhost({"process", folder + "/in.wav", output, "--program", program}), "--program");
    expectOneLineRefusal(runKvhost({"process", folder + "/in.wav", output, "--rate", "1e300"}), "--rate");
    EXPECT_FALSE(std::filesystem::exists(output));
}
