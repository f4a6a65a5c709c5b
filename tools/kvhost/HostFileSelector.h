// kvhost as a host that offers file selection (editor --file-selector PATH...): the plug-in's
// requests are answered with the given paths instead of a person's choice, and each request
// is printed on stdout. What kvhost allocates into a request it releases when the plug-in
// closes the request, or at the end.
#pragma once

#include "HostTypes.h"

#include <string>
#include <vector>

class HostFileSelector {
public:
    // No paths: every request is cancelled.
    explicit HostFileSelector(std::vector<std::string> paths);
    ~HostFileSelector();

    HostFileSelector(const HostFileSelector&) = delete;
    HostFileSelector& operator=(const HostFileSelector&) = delete;

    // 1 for "openFileSelector" and "closeFileSelector".
    intptr canDo(const char* text) const;
    // 1 when the record received the paths.
    intptr open(VstFileSelect* select);
    // 1 when the record was one kvhost answered.
    intptr close(VstFileSelect* select);

private:
    struct Answer {
        VstFileSelect* select = nullptr;
        char* path = nullptr;
        char** paths = nullptr;
        int32 count = 0;
    };
    static void release(Answer& answer);

    std::vector<std::string> paths;
    std::vector<Answer> answers;
};

// The file selector the editor session's host callback offers; null when none.
void offerFileSelector(HostFileSelector* selector);
HostFileSelector* offeredFileSelector();
