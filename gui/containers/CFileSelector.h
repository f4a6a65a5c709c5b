// Asks the user for a file to load, several files, a file name to save to, or a folder, with
// the request and the answer in a VstFileSelect record. The host's own selector is used when
// the host offers one; otherwise the system's dialog is shown. Deleting the selector releases
// what the last run put into the record: the host's answer through the host, the selector's
// own allocations itself.
#pragma once

#include "HostTypes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace VSTGUI {

class CFileSelector {
public:
    // effect is the plug-in's AudioEffectX, or null; not owned.
    explicit CFileSelector(void* effect);
    virtual ~CFileSelector();

    CFileSelector(const CFileSelector&) = delete;
    CFileSelector& operator=(const CFileSelector&) = delete;

    // The number of chosen paths: 0 when cancelled, unsupported, or when the chosen path does
    // not fit the caller's returnPath. A second run first releases the results of the first.
    virtual std::int32_t run(VstFileSelect* request);

    // True when the last run found no dialog to show; that run chose nothing.
    bool isDialogUnavailable() const { return dialogUnavailable; }

    // Bytes, terminator included, that a caller-supplied returnPath holds unless its
    // sizeReturnPath names fewer.
    static constexpr std::int32_t kReturnPathCapacity = 1024;

private:
    void releaseResults();
    std::int32_t runHostSelector();
    std::int32_t runSystemDialog();
    bool storeSinglePath(const char* path);
    void storeMultiplePaths(const std::vector<std::string>& paths);

    void* effect;
    VstFileSelect* request = nullptr;
    bool hostAnswered = false;
    bool dialogUnavailable = false;
    // What this selector allocated into the request, to free only that.
    char* ownPath = nullptr;
    char** ownPaths = nullptr;
    std::int32_t ownPathCount = 0;
};

} // namespace VSTGUI
