#include "DialogDriver.h"

namespace {
// The dialog comes up within seconds; a driver that never sees one gives up eventually, and
// the test then fails on the answer instead of hanging.
constexpr int kFindAttempts = 600;
constexpr DWORD kPollMs = 50;
// Lets the dialog take each key, and its folder list fill, before the next one comes.
constexpr DWORD kSettleMs = 300;
constexpr int kFileTypeList = 1136;

struct Search {
    HWND found = nullptr;
    const std::string* captionPart = nullptr;
};

std::string captionOf(HWND window)
{
    char caption[512] = {};
    GetWindowTextA(window, caption, sizeof(caption));
    return caption;
}

BOOL CALLBACK considerWindow(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<Search*>(data);
    char className[32] = {};
    GetClassNameA(window, className, sizeof(className));
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) && std::string(className) == "#32770"
        && captionOf(window).find(*search->captionPart) != std::string::npos) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND findDialog(const std::string& captionPart)
{
    for (int attempt = 0; attempt < kFindAttempts; ++attempt) {
        Search search;
        search.captionPart = &captionPart;
        EnumWindows(considerWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr)
            return search.found;
        Sleep(kPollMs);
    }
    return nullptr;
}

std::vector<std::string> fileTypesOf(HWND dialog)
{
    std::vector<std::string> types;
    HWND list = GetDlgItem(dialog, kFileTypeList);
    if (list == nullptr)
        return types;
    const LRESULT count = SendMessageA(list, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[512] = {};
        if (SendMessageA(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) < static_cast<LRESULT>(sizeof(text)))
            SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        types.push_back(text);
    }
    return types;
}

void sendKeyInput(WORD virtualKey, WORD character, DWORD flags)
{
    INPUT input[2] = {};
    for (INPUT& event : input) {
        event.type = INPUT_KEYBOARD;
        event.ki.wVk = virtualKey;
        event.ki.wScan = character;
        event.ki.dwFlags = flags;
    }
    input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

void send(const DialogKey& key)
{
    if (key.text.empty())
        sendKeyInput(key.virtualKey, 0, 0);
    for (char c : key.text)
        sendKeyInput(0, static_cast<unsigned char>(c), KEYEVENTF_UNICODE);
    Sleep(kSettleMs);
}
} // namespace

DialogDriver::DialogDriver(std::vector<DialogKey> keys, std::string captionPart)
    : thread(&DialogDriver::drive, this, std::move(keys), std::move(captionPart))
{
}

DialogDriver::~DialogDriver()
{
    if (thread.joinable())
        thread.join();
}

const DialogSeen& DialogDriver::seen()
{
    if (thread.joinable())
        thread.join();
    return result;
}

void DialogDriver::drive(std::vector<DialogKey> keys, std::string captionPart)
{
    HWND dialog = findDialog(captionPart);
    if (dialog == nullptr)
        return;
    Sleep(kSettleMs);
    result.found = true;
    result.caption = captionOf(dialog);
    result.fileTypes = fileTypesOf(dialog);
    SetForegroundWindow(dialog);
    Sleep(kSettleMs);
    for (const DialogKey& key : keys)
        send(key);
}

DialogKey typed(const std::string& text)
{
    DialogKey key;
    key.text = text;
    return key;
}

DialogKey pressed(WORD virtualKey)
{
    DialogKey key;
    key.virtualKey = virtualKey;
    return key;
}
