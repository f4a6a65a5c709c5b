// A top-level X window of the test's own connection, the parent a host gives an editor.
#pragma once

class TestParentWindow {
public:
    // Null handle when DISPLAY names no server.
    TestParentWindow(int width, int height);
    ~TestParentWindow();

    TestParentWindow(const TestParentWindow&) = delete;
    TestParentWindow& operator=(const TestParentWindow&) = delete;

    // The window as an editor's parent pointer; null without a display.
    void* handle() const;

private:
    struct _XDisplay* display = nullptr;
    unsigned long window = 0;
};
