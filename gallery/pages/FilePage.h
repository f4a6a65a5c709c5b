// The page of the file selector: three buttons ask for a file to open, a file name to save to
// and a folder, and the label under each shows what the last request chose. The selector runs
// from the editor's idle after the click has ended, never inside the button's gesture, because
// the editor's close waits for open gestures. Page-local coordinates.
#pragma once

#include "CColor.h"
#include "CRect.h"
#include "HostTypes.h"
#include "controls/CTextLabel.h"

#include <cstdint>

class GalleryPage;

namespace gallery {

struct FileRequest {
    std::int32_t command;
    const char* caption;
    const char* title;
};

constexpr FileRequest kFileRequests[] = {
    {kVstFileLoad, "Open...", "Open a file"},
    {kVstFileSave, "Save as...", "Save as"},
    {kVstDirectorySelect, "Choose folder...", "Choose a folder"},
};
constexpr std::int32_t kFileRequestCount = sizeof(kFileRequests) / sizeof(kFileRequests[0]);
// The one file type the open and save requests offer.
constexpr const char* kFileTypeName = "Text";
constexpr const char* kFileTypeExtension = "txt";

constexpr std::int32_t kFileRowTop = 60;
constexpr std::int32_t kFileRowSpacing = 64;
constexpr std::int32_t kFileButtonLeft = 40;
constexpr std::int32_t kFileButtonWidth = 48;
constexpr std::int32_t kFileButtonHeight = 24;

inline VSTGUI::CRect fileButtonArea(std::int32_t row)
{
    const std::int32_t top = kFileRowTop + row * kFileRowSpacing;
    return VSTGUI::CRect(kFileButtonLeft, top, kFileButtonLeft + kFileButtonWidth, top + kFileButtonHeight);
}

inline VSTGUI::CRect fileCaptionArea(std::int32_t row)
{
    const VSTGUI::CRect button = fileButtonArea(row);
    return VSTGUI::CRect(button.right + 8, button.top, button.right + 168, button.bottom);
}

inline VSTGUI::CRect fileAnswerArea(std::int32_t row)
{
    const VSTGUI::CRect button = fileButtonArea(row);
    return VSTGUI::CRect(button.left, button.bottom + 6, 580, button.bottom + 26);
}

// What an answer label shows before its first request and after one that chose nothing.
constexpr const char* kNothingChosen = "(nothing chosen)";
constexpr VSTGUI::CColor kFileAnswerText = {240, 236, 220, 255};
constexpr VSTGUI::CColor kFileAnswerBack = {36, 38, 46, 255};

// The look of the answer labels and the buttons' captions.
inline void useFileAnswerLook(VSTGUI::CTextLabel& label)
{
    label.setFontColor(kFileAnswerText);
    label.setBackColor(kFileAnswerBack);
    label.setFrameColor(kFileAnswerBack);
    label.setHoriAlign(VSTGUI::kAlignLeft);
}

} // namespace gallery

void buildFilePage(GalleryPage& page);
