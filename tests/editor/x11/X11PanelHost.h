// A host for the built plug-in's editor on X11: loads the library by path, makes an effect,
// and gives the editor a top-level window of its own connection as parent. It records the
// plug-in's edit and idle requests thread-safely (a tracking loop calls back while another
// thread moves the pointer), reads the panel's pixels back from the server, and makes real
// input with the X test extension.
#pragma once

#include "HostTypes.h"
#include "PluginLibrary.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

struct PanelPixel {
    int red;
    int green;
    int blue;
    bool operator==(const PanelPixel& other) const
    {
        return red == other.red && green == other.green && blue == other.blue;
    }
    bool operator!=(const PanelPixel& other) const { return !(*this == other); }
};

// The panel's layout, in editor pixels.
struct PanelLayout {
    static constexpr int kWidth = 351;
    static constexpr int kHeight = 256;
    static constexpr int kKnobLeft[3] = {55, 152, 244};
    static constexpr int kKnobTop = 130;
    static constexpr int kKnobSize = 50;
    static constexpr int kLabelTop = 200;
    static constexpr int kLabelBottom = 220;
    static constexpr int kLabelWidth = 50;
    static int knobCentreX(int tag) { return kKnobLeft[tag] + kKnobSize / 2; }
    static int knobCentreY() { return kKnobTop + kKnobSize / 2; }
};

// Xlib's macros collide with GoogleTest's names, so tests see the connection and windows
// through these names only.
struct _XDisplay;
using Display = _XDisplay;
using Window = unsigned long;

// The test's own connection to the display in DISPLAY; null when there is none.
Display* openTestDisplay();
void closeTestDisplay(Display* display);

// The windows inside window; empty when the server knows no such window.
std::vector<Window> childWindowsOf(Display* display, Window window);
// The override-redirect windows shown on the screen: pop-up menus.
std::vector<Window> shownPopupWindows(Display* display);
// A window's name: a text field's text.
std::string windowName(Display* display, Window window);
struct WindowPlace {
    int x;
    int y;
    int width;
    int height;
};
// Relative to the window's parent.
WindowPlace windowPlace(Display* display, Window window);
// Whether this connection can grab the pointer and the keyboard now, as another program
// would; lets go of them at once.
bool inputGrabbable(Display* display);

// A key event the host's parent window received.
struct ParentKey {
    // The key's symbol name ("Escape", "space", "a").
    std::string key;
    bool pressed;
    // Sent by a client (the plug-in) rather than by the server.
    bool sent;
    Window subwindow;
    int x;
    int y;
    unsigned int state;
};

struct EditorSize {
    int width;
    int height;
};

class X11PanelHost {
public:
    // Loads the library (KV_PLUGIN or beside the test) and makes an effect; library may be
    // shared by several hosts. The parent window has the editor's size, the panel's unless told.
    explicit X11PanelHost(Display* display, std::shared_ptr<PluginLibrary> library = nullptr,
                          EditorSize editorSize = {PanelLayout::kWidth, PanelLayout::kHeight});
    ~X11PanelHost();

    X11PanelHost(const X11PanelHost&) = delete;
    X11PanelHost& operator=(const X11PanelHost&) = delete;

    AEffect* effect() const { return current; }
    intptr dispatch(int32 opcode, int32 index = 0, intptr value = 0, void* ptr = nullptr, float opt = 0.0f);
    float parameter(int32 index) { return current->getParameter(current, index); }

    Window parent() const { return parentWindow; }
    // effEditOpen in the parent and one idle, which handles the first exposure; true when
    // effEditOpen answered 1.
    bool openEditor();
    void closeEditor() { dispatch(effEditClose); }
    void idle(int passes = 1);
    // effClose; the effect is gone afterwards.
    void closeEffect();
    void destroyParent();

    int childWindowCount() const;
    // The frame's window, the parent's only child; 0 when there is none.
    Window editorWindow() const;
    // The window with the keyboard focus, and a host taking it back for its parent.
    Window inputFocus() const;
    void focusParent();
    // From now on the parent hears the key events that reach it, as a host's window does.
    void listenForKeys();
    // The key events the parent received since the last call, up to and with the release of
    // lastKey, which the test types last; empty when that release never comes.
    std::vector<ParentKey> keysAtParent(const char* lastKey);
    // A host forwarding one of its keys to the editor's window, as another program's event.
    void sendKeyToEditor(const char* name, bool pressed);
    PanelPixel pixel(int x, int y) const;
    std::vector<PanelPixel> pixels(int left, int top, int right, int bottom) const;

    // Requests of the plug-in since the last clear, in order.
    std::vector<int32> editRequests();
    void clearRequests();
    int idleRequests() const { return idleCount.load(); }
    // Blocks until the plug-in has sent this many more idle requests than now; the plug-in's
    // tracking loop sends them from its own thread of control while the gesture runs.
    void awaitIdleRequests(int count) const;
    int beginEdits() const { return beginCount.load(); }
    // Runs at each idle request of the plug-in, inside it, as a host's timer runs inside the
    // plug-in's loops, until it answers true.
    void onIdleRequest(std::function<bool()> action) { idleAction = std::move(action); }

private:
    static intptr callback(AEffect* effect, int32 opcode, int32 index, intptr value, void* ptr, float opt);

    Display* display;
    std::shared_ptr<PluginLibrary> library;
    AEffect* current = nullptr;
    Window parentWindow = 0;
    std::mutex requestMutex;
    std::vector<int32> requests;
    std::atomic<int> idleCount{0};
    std::atomic<int> beginCount{0};
    std::function<bool()> idleAction;
};

// Real input through the X test extension on a connection of its own (usable from any one
// thread); every call waits until the server has taken the event.
class FakeInput {
public:
    FakeInput();
    ~FakeInput();

    FakeInput(const FakeInput&) = delete;
    FakeInput& operator=(const FakeInput&) = delete;

    void moveTo(int x, int y);
    void button(unsigned int button, bool pressed);
    void click(unsigned int button);
    void controlKey(bool pressed);
    // A key by its keysym name ("Up", "Shift_L", "a").
    void key(const char* name, bool pressed);
    void tapKey(const char* name);

private:
    Display* display;
};
