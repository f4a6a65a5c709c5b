// Times the editor where a host feels it: from effEditOpen to the first completed paint, and
// one idle pass with a single dirty knob (and, for comparison, with nothing dirty). The effect
// runs in this process, its images come from this program's resources, the panel opens in a
// real window. Run under Wine: tools/wine-run build/win64/bin/kestrovanel_editor_benchmark.exe
#include "AEffGUIEditor.h"
#include "CFrame.h"
#include "KestrovanelVst.h"
#include "controls/CKnob.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

HINSTANCE hInstance = nullptr;

namespace {
constexpr int kOpenRuns = 200;
constexpr int kIdleRuns = 2000;

intptr answerVersion(AEffect* /*effect*/, int32 opcode, int32 /*index*/, intptr /*value*/, void* /*ptr*/, float /*opt*/)
{
    return opcode == audioMasterVersion ? 2400 : 0;
}

double microsecondsSince(const LARGE_INTEGER& start)
{
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER now()
{
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter;
}

void report(const char* what, std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    std::printf("%-44s median %8.1f us   p90 %8.1f us   (%zu runs)\n", what, samples[samples.size() / 2],
                samples[samples.size() * 9 / 10], samples.size());
}

HWND createHostWindow()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = hInstance;
    windowClass.lpszClassName = "KvEditorBenchmarkHost";
    RegisterClassA(&windowClass);
    return CreateWindowA(windowClass.lpszClassName, "benchmark", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 50, 50, 351,
                         256, nullptr, nullptr, hInstance, nullptr);
}

void pumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) != 0)
        DispatchMessageA(&message);
}

// Paints every window with an update region at once, children included.
void paintNow(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

VSTGUI::CKnob* firstKnob(VSTGUI::CFrame& frame)
{
    for (std::int32_t i = 0; i < frame.getNbViews(); ++i)
        if (frame.getView(i)->isTypeOf("CKnob"))
            return static_cast<VSTGUI::CKnob*>(frame.getView(i));
    return nullptr;
}
} // namespace

int main()
{
    hInstance = GetModuleHandleA(nullptr);
    HWND host = createHostWindow();
    KestrovanelVst effect(answerVersion);
    AEffEditor* editor = effect.getEditor();

    std::vector<double> openToPaint;
    for (int run = 0; run < kOpenRuns; ++run) {
        const LARGE_INTEGER start = now();
        editor->open(host);
        paintNow(host);
        openToPaint.push_back(microsecondsSince(start));
        editor->close();
        pumpMessages();
    }
    report("effEditOpen to first completed paint", openToPaint);

    editor->open(host);
    paintNow(host);
    pumpMessages();
    VSTGUI::CFrame* frame = static_cast<AEffGUIEditor*>(editor)->getFrame();
    VSTGUI::CKnob* knob = firstKnob(*frame);
    std::vector<double> dirtyIdle;
    std::vector<double> cleanIdle;
    for (int run = 0; run < kIdleRuns; ++run) {
        knob->setValue(static_cast<float>(run % 100) / 100.0f);
        LARGE_INTEGER start = now();
        editor->idle();
        dirtyIdle.push_back(microsecondsSince(start));
        start = now();
        editor->idle();
        cleanIdle.push_back(microsecondsSince(start));
    }
    report("idle pass, one dirty knob", dirtyIdle);
    report("idle pass, nothing dirty", cleanIdle);
    editor->close();
    DestroyWindow(host);
    return 0;
}
