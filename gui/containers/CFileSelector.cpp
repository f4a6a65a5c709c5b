// The selector's two ways to an answer. The filter lists and the results follow the record's
// conventions; the dialogs themselves are the platform's (platform/FileDialog.h).
// [SECTION] Life cycle, [SECTION] The host's selector, [SECTION] The system dialog
#include "CFileSelector.h"

#include "AEffGUIEditor.h"
#include "AudioEffectX.h"
#include "CFrame.h"
#include "CanDoStrings.h"
#include "platform/FileDialog.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace VSTGUI {

namespace {
constexpr std::size_t kTitleChars = sizeof(VstFileSelect::title);
constexpr std::size_t kMaxCollectedExtensions = 100;

// Record texts need not be terminated within their fields.
std::string boundedText(const char* text, std::size_t capacity)
{
    return text != nullptr ? std::string(text, strnlen(text, capacity)) : std::string();
}

template <std::size_t N>
std::string fieldText(const char (&field)[N])
{
    return boundedText(field, N);
}

std::vector<const VstFileType*> fileTypesOf(const VstFileSelect& request)
{
    std::vector<const VstFileType*> types;
    if (request.fileTypes != nullptr)
        for (int32 i = 0; i < request.nbFileTypes; ++i)
            types.push_back(&request.fileTypes[i]);
    return types;
}

platform::FileFilter typeFilter(const VstFileType& type, bool withUnixType)
{
    const std::string dosType = fieldText(type.dosType);
    const std::string unixType = fieldText(type.unixType);
    platform::FileFilter filter{fieldText(type.name) + " (." + dosType + ")", "*." + dosType};
    if (withUnixType && !unixType.empty() && unixType != dosType)
        filter.pattern += ";*." + unixType;
    return filter;
}

void collectExtension(std::vector<std::string>& extensions, const std::string& extension)
{
    if (extensions.size() < kMaxCollectedExtensions
        && std::find(extensions.begin(), extensions.end(), extension) == extensions.end())
        extensions.push_back(extension);
}

std::vector<platform::FileFilter> loadFilters(const VstFileSelect& request)
{
    std::vector<platform::FileFilter> filters;
    std::vector<std::string> extensions;
    for (const VstFileType* type : fileTypesOf(request)) {
        filters.push_back(typeFilter(*type, true));
        const std::string dosType = fieldText(type->dosType);
        const std::string unixType = fieldText(type->unixType);
        collectExtension(extensions, dosType);
        if (!unixType.empty() && unixType != dosType)
            collectExtension(extensions, unixType);
    }
    if (extensions.size() >= 2) {
        std::string joined;
        for (const std::string& extension : extensions)
            joined += (joined.empty() ? "*." : ";*.") + extension;
        filters.push_back({"All Types: (" + joined + ")", joined});
    }
    filters.push_back({"Any Type (*.*)", "*.*"});
    return filters;
}

std::vector<platform::FileFilter> saveFilters(const VstFileSelect& request)
{
    std::vector<platform::FileFilter> filters;
    for (const VstFileType* type : fileTypesOf(request))
        filters.push_back(typeFilter(*type, false));
    return filters;
}

AEffGUIEditor* guiEditorOf(void* effect)
{
    return effect != nullptr ? static_cast<AEffGUIEditor*>(static_cast<AudioEffectX*>(effect)->getEditor()) : nullptr;
}

// The editor that was open when the dialog came up keeps drawing and idling the host; the
// host may close it meanwhile, which ends the wait.
class EditorKeepAlive final : public platform::FileDialogWait {
public:
    EditorKeepAlive(void* effect_, AEffGUIEditor* editor_)
        : effect(effect_), editor(editor_), frame(editor_->getFrame())
    {
    }

    bool keepAlive() override
    {
        if (!stillOpen())
            return false;
        frame->doIdleStuff();
        return stillOpen();
    }

private:
    bool stillOpen() const { return guiEditorOf(effect) == editor && editor->getFrame() == frame; }

    void* effect;
    AEffGUIEditor* editor;
    CFrame* frame;
};

platform::FileDialogKind dialogKind(int32 command)
{
    switch (command) {
    case kVstFileSave:
        return platform::FileDialogKind::save;
    case kVstMultipleFilesLoad:
        return platform::FileDialogKind::openMultiple;
    case kVstDirectorySelect:
        return platform::FileDialogKind::folder;
    default:
        return platform::FileDialogKind::open;
    }
}

char* copyOf(const std::string& text)
{
    char* copy = new char[text.size() + 1];
    std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}
} // namespace

// [SECTION] Life cycle

CFileSelector::CFileSelector(void* effect_) : effect(effect_) {}

CFileSelector::~CFileSelector()
{
    releaseResults();
}

std::int32_t CFileSelector::run(VstFileSelect* request_)
{
    releaseResults();
    request = request_;
    dialogUnavailable = false;
    if (request == nullptr)
        return 0;
    request->nbReturnPath = 0;
    if (request->returnPath != nullptr)
        request->returnPath[0] = '\0';
    auto* effectX = static_cast<AudioEffectX*>(effect);
    if (effectX != nullptr && effectX->canHostDo(const_cast<char*>(HostCanDos::canDoOpenFileSelector)) != 0
        && effectX->canHostDo(const_cast<char*>(HostCanDos::canDoCloseFileSelector)) != 0)
        return runHostSelector();
    return runSystemDialog();
}

// The host allocated its answer with its own allocator, so only the host may release it; the
// selector frees only what it allocated itself, and only while the record still holds it.
void CFileSelector::releaseResults()
{
    if (request == nullptr)
        return;
    if (hostAnswered) {
        static_cast<AudioEffectX*>(effect)->closeFileSelector(request);
        hostAnswered = false;
    }
    if (ownPath != nullptr && request->returnPath == ownPath) {
        request->returnPath = nullptr;
        request->sizeReturnPath = 0;
        request->reserved = 0;
    }
    delete[] ownPath;
    ownPath = nullptr;
    if (ownPaths != nullptr && request->returnMultiplePaths == ownPaths) {
        request->returnMultiplePaths = nullptr;
        request->nbReturnPath = 0;
    }
    for (std::int32_t i = 0; i < ownPathCount; ++i)
        delete[] ownPaths[i];
    delete[] ownPaths;
    ownPaths = nullptr;
    ownPathCount = 0;
    request = nullptr;
}

// [SECTION] The host's selector

std::int32_t CFileSelector::runHostSelector()
{
    if (!static_cast<AudioEffectX*>(effect)->openFileSelector(request))
        return 0;
    hostAnswered = true;
    return std::max<int32>(request->nbReturnPath, 0);
}

// [SECTION] The system dialog

std::int32_t CFileSelector::runSystemDialog()
{
    if (request->command < kVstFileLoad || request->command > kVstDirectorySelect)
        return 0;
    platform::FileDialogRequest dialog;
    dialog.kind = dialogKind(request->command);
    dialog.title = boundedText(request->title, kTitleChars);
    dialog.initialDirectory = boundedText(request->initialPath, kReturnPathCapacity);
    if (dialog.kind == platform::FileDialogKind::save) {
        dialog.filters = saveFilters(*request);
        if (!fileTypesOf(*request).empty())
            dialog.defaultExtension = fieldText(request->fileTypes[0].dosType);
    } else if (dialog.kind != platform::FileDialogKind::folder) {
        dialog.filters = loadFilters(*request);
    }
    AEffGUIEditor* editor = guiEditorOf(effect);
    CFrame* frame = editor != nullptr ? editor->getFrame() : nullptr;
    std::unique_ptr<EditorKeepAlive> keepAlive;
    if (frame != nullptr) {
        dialog.owner = frame->getPlatformWindow();
        keepAlive = std::make_unique<EditorKeepAlive>(effect, editor);
        dialog.wait = keepAlive.get();
    }

    const platform::FileDialogResult result = platform::showFileDialog(dialog);
    dialogUnavailable = result.outcome == platform::FileDialogOutcome::unavailable;
    if (result.outcome != platform::FileDialogOutcome::accepted || result.paths.empty())
        return 0;
    if (dialog.kind != platform::FileDialogKind::openMultiple)
        return storeSinglePath(result.paths.front().c_str()) ? 1 : 0;
    storeMultiplePaths(result.paths);
    return request->nbReturnPath;
}

// A path that does not fit the caller's buffer is refused: a cut path names another file.
bool CFileSelector::storeSinglePath(const char* path)
{
    const std::size_t length = std::strlen(path);
    if (request->returnPath != nullptr) {
        const std::int32_t capacity = request->sizeReturnPath > 0
                                          ? std::min(request->sizeReturnPath, kReturnPathCapacity)
                                          : kReturnPathCapacity;
        if (length + 1 > static_cast<std::size_t>(capacity))
            return false;
        std::memcpy(request->returnPath, path, length + 1);
    } else {
        ownPath = copyOf(path);
        request->returnPath = ownPath;
        request->sizeReturnPath = static_cast<int32>(length + 1);
        request->reserved = 1;
    }
    request->nbReturnPath = 1;
    return true;
}

void CFileSelector::storeMultiplePaths(const std::vector<std::string>& paths)
{
    ownPaths = new char*[paths.size()];
    for (const std::string& path : paths)
        ownPaths[ownPathCount++] = copyOf(path);
    request->returnMultiplePaths = ownPaths;
    request->nbReturnPath = ownPathCount;
}

} // namespace VSTGUI
