// A thread that plays the person at a file dialog: it waits for the dialog the test's thread
// opens, reads what the dialog shows, and types into it with real keyboard input.
#pragma once

#include <windows.h>

#include <string>
#include <thread>
#include <vector>

struct DialogKey {
    // Typed character by character when set, else the virtual key is pressed.
    std::string text;
    WORD virtualKey = 0;
};

struct DialogSeen {
    bool found = false;
    std::string caption;
    // The entries of the file-type list, when the dialog has one.
    std::vector<std::string> fileTypes;
};

class DialogDriver {
public:
    // Starts at once; keys go to the dialog once it is up.
    explicit DialogDriver(std::vector<DialogKey> keys, std::string captionPart = "");
    // Waits for the keys to be sent.
    ~DialogDriver();

    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // Valid after the dialog closed.
    const DialogSeen& seen();

private:
    void drive(std::vector<DialogKey> keys, std::string captionPart);

    DialogSeen result;
    std::thread thread;
};

DialogKey typed(const std::string& text);
DialogKey pressed(WORD virtualKey);
