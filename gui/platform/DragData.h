// What a drag container needs from the platform's drag data: whether it carries text, the
// text itself, and the dropped file paths with shortcuts already replaced by their targets.
// gui/platform/win32/ reads an OLE data object; where no backend reads drags, none is opened.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace VSTGUI::platform {

class DragData {
public:
    virtual ~DragData() = default;

    virtual bool hasText() = 0;
    // The text up to its terminator or the end of its data; false without text or when its
    // data is empty.
    virtual bool readText(std::string& text) = 0;
    // 0 without a file list.
    virtual std::int32_t fileCount() = 0;
    // False when there is no such file.
    virtual bool readFile(std::int32_t index, std::string& path) = 0;
};

// Keeps the platform's object alive while the result lives. Null when platformDrag is null
// or drags are not supported here.
std::unique_ptr<DragData> openDragData(void* platformDrag);

} // namespace VSTGUI::platform
