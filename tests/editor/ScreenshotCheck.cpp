// Runs kvhost's editor command with a real-input drag on the Gain knob and a screenshot, then
// checks what kvhost printed and what the picture shows: the panel's size, the labels' frames
// and colours with text in them, the handles where the values put them and standing out from
// the knob at the minimum, centre and maximum angles, and one edit pair.
// kvhost.exe is found beside this program, which also receives the picture.
#include <png.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
constexpr int kWidth = 351;
constexpr int kHeight = 256;
constexpr int kKnobLeft[3] = {55, 152, 244};
constexpr int kKnobTop = 130;
constexpr int kLabelTop = 200;
// Summed over red, green and blue: a light handle on the knob is far above it, a dark one on the
// dark rim far below.
constexpr int kClearContrast = 300;

struct Rgb {
    int red, green, blue;
    bool operator==(const Rgb& other) const { return red == other.red && green == other.green && blue == other.blue; }
};

int failures = 0;

void check(bool condition, const std::string& what)
{
    if (!condition) {
        std::fprintf(stderr, "FAILED: %s\n", what.c_str());
        ++failures;
    }
}

// The command's standard output; empty when it could not be started or failed.
std::string runCapturingOutput(std::string commandLine)
{
    SECURITY_ATTRIBUTES inheritable = {sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    CreatePipe(&readEnd, &writeEnd, &inheritable, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                        &startup, &process);
    CloseHandle(writeEnd);
    std::string output;
    char buffer[512];
    DWORD bytes = 0;
    while (started && ReadFile(readEnd, buffer, sizeof(buffer), &bytes, nullptr) && bytes > 0)
        for (DWORD i = 0; i < bytes; ++i)
            if (buffer[i] != '\r')
                output += buffer[i];
    CloseHandle(readEnd);
    if (!started)
        return std::string();
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    check(exitCode == 0, "kvhost exit code " + std::to_string(exitCode));
    return output;
}

std::vector<unsigned char> readRgb(const char* path, int& width, int& height)
{
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    std::vector<unsigned char> pixels;
    if (png_image_begin_read_from_file(&image, path) == 0)
        return pixels;
    image.format = PNG_FORMAT_RGB;
    pixels.resize(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr) == 0)
        pixels.clear();
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    return pixels;
}

// The pixel at (x, y) of a picture read by readRgb.
auto pixelReader(const std::vector<unsigned char>& pixels, int width)
{
    return [&pixels, width](int x, int y) {
        const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + x) * 3;
        return Rgb{pixels[i], pixels[i + 1], pixels[i + 2]};
    };
}

template <class PixelAt>
int colourDistance(const PixelAt& at, int x, int y, const Rgb& colour)
{
    const Rgb other = at(x, y);
    return std::abs(other.red - colour.red) + std::abs(other.green - colour.green) + std::abs(other.blue - colour.blue);
}

// How the handle centred near (x, y) stands out: the median colour distance between its centre and
// the pixels around it, four pixels out so a handle one pixel off its place is still inside. The
// median, because a light handle beside the cap's highlight matches those few pixels by design.
template <class PixelAt>
int handleContrast(const PixelAt& at, int x, int y)
{
    const Rgb centre = at(x, y);
    std::vector<int> distances;
    for (int d = -4; d <= 4; ++d)
        for (const int edge : {-4, 4}) {
            distances.push_back(colourDistance(at, x + d, y + edge, centre));
            if (d != -4 && d != 4)
                distances.push_back(colourDistance(at, x + edge, y + d, centre));
        }
    std::nth_element(distances.begin(), distances.begin() + distances.size() / 2, distances.end());
    return distances[distances.size() / 2];
}

std::size_t countLines(const std::string& text, const std::string& line)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(line + "\n"); at != std::string::npos; at = text.find(line + "\n", at + 1))
        if (at == 0 || text[at - 1] == '\n')
            ++count;
    return count;
}
} // namespace

// The folder of this program, with its separator; a Windows path that kvhost understands.
std::string programFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

int main()
{
    const std::string folder = programFolder();
    const std::string screenshot = folder + "editor-screenshot.png";
    DeleteFileA(screenshot.c_str());
    // From 180 degrees on the Gain knob up and right to 45 degrees.
    const std::string output = runCapturingOutput("\"" + folder + "kvhost.exe\" editor --screenshot \"" + screenshot
                                                  + "\" --drag 60 155 34 -14");
    check(countLines(output, "beginEdit 0") == 1, "one beginEdit 0 in:\n" + output);
    check(countLines(output, "endEdit 0") == 1, "one endEdit 0");
    check(output.find("beginEdit 0") < output.find("endEdit 0"), "beginEdit before endEdit");

    int width = 0;
    int height = 0;
    const std::vector<unsigned char> pixels = readRgb(screenshot.c_str(), width, height);
    check(!pixels.empty(), "a readable screenshot");
    if (pixels.empty())
        return 1;
    check(width == kWidth && height == kHeight, "size " + std::to_string(width) + "x" + std::to_string(height));
    const auto at = pixelReader(pixels, width);
    for (int tag = 0; tag < 3; ++tag) {
        const int left = kKnobLeft[tag];
        const std::string label = "label " + std::to_string(tag);
        check(at(left, kLabelTop) == Rgb{0, 0, 0}, label + " framed in black");
        check(at(left + 2, kLabelTop + 2) == Rgb{120, 145, 236}, label + " filled with the panel blue");
        int white = 0;
        for (int y = kLabelTop; y < kLabelTop + 20; ++y)
            for (int x = left; x < left + 50; ++x)
                white += at(x, y) == Rgb{255, 255, 255} ? 1 : 0;
        check(white > 20, label + " shows white text");
    }
    // Gain now points at 45 degrees (39, 11), Amount up (25, 5), Output at -45 degrees (39, 39).
    const auto knob = [&at](int tag, int x, int y) { return at(kKnobLeft[tag] + x, kKnobTop + y); };
    check(!(knob(0, 39, 11) == knob(1, 39, 11)), "Gain's handle at 45 degrees");
    check(!(knob(2, 39, 39) == knob(1, 39, 39)), "Output's handle at -45 degrees");
    check(!(knob(1, 25, 5) == knob(0, 25, 5)), "Amount's handle straight up");
    // Amount rests at the centre angle, Output at its maximum; Gain goes to its minimum below.
    check(handleContrast(at, kKnobLeft[1] + 25, kKnobTop + 5) > kClearContrast, "Amount's handle stands out at the centre");
    check(handleContrast(at, kKnobLeft[2] + 39, kKnobTop + 39) > kClearContrast, "Output's handle stands out at the maximum");

    // From 180 degrees on the Gain knob down and left to 225 degrees, its minimum.
    const std::string minimumShot = folder + "editor-minimum.png";
    DeleteFileA(minimumShot.c_str());
    runCapturingOutput("\"" + folder + "kvhost.exe\" editor --screenshot \"" + minimumShot + "\" --drag 60 155 -10 30");
    const std::vector<unsigned char> minimum = readRgb(minimumShot.c_str(), width, height);
    check(minimum.size() == pixels.size(), "a readable screenshot with Gain at its minimum");
    if (minimum.size() == pixels.size()) {
        const auto atMinimum = pixelReader(minimum, width);
        check(!(atMinimum(kKnobLeft[0] + 11, kKnobTop + 39) == at(kKnobLeft[0] + 11, kKnobTop + 39)), "Gain's handle at its minimum");
        check(handleContrast(atMinimum, kKnobLeft[0] + 11, kKnobTop + 39) > kClearContrast, "Gain's handle stands out at the minimum");
    }
    if (failures == 0)
        std::printf("screenshot %s checked\n", screenshot.c_str());
    return failures == 0 ? 0 : 1;
}
