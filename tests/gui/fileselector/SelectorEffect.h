// An effect linked into the tests whose host callback the test scripts: the capabilities it
// claims, and what its file selector does with each request. Every request is recorded with
// a copy of the record as the host saw it.
#pragma once

#include "AudioEffectX.h"

#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

struct SelectorRequest {
    int32 opcode;
    VstFileSelect* record;
    // The record's fields when the request arrived; title and initial path as texts.
    int32 command;
    int32 nbFileTypes;
    VstFileType* fileTypes;
    std::string title;
    std::string initialPath;
};

class SelectorEffect : public AudioEffectX {
public:
    SelectorEffect() : AudioEffectX(callback, 1, 1) { current = this; }
    ~SelectorEffect() override { current = nullptr; }

    void processReplacing(float** /*inputs*/, float** /*outputs*/, int32 /*sampleFrames*/) override {}

    static intptr callback(AEffect* /*effect*/, int32 opcode, int32 /*index*/, intptr /*value*/, void* ptr,
                           float /*opt*/)
    {
        SelectorEffect& self = *current;
        if (opcode == audioMasterCanDo)
            return self.capabilities.count(static_cast<const char*>(ptr)) != 0 ? 1 : 0;
        if (opcode == audioMasterIdle) {
            ++self.idleCount;
            if (self.onIdle)
                self.onIdle();
            return 0;
        }
        if (opcode != audioMasterOpenFileSelector && opcode != audioMasterCloseFileSelector)
            return 0;
        auto* record = static_cast<VstFileSelect*>(ptr);
        self.requests.push_back({opcode, record, record->command, record->nbFileTypes, record->fileTypes,
                                 std::string(record->title, strnlen(record->title, sizeof(record->title))),
                                 record->initialPath != nullptr ? record->initialPath : ""});
        const auto& handler = opcode == audioMasterOpenFileSelector ? self.onOpen : self.onClose;
        return handler ? handler(record) : 0;
    }

    std::set<std::string> capabilities;
    std::function<intptr(VstFileSelect*)> onOpen;
    std::function<intptr(VstFileSelect*)> onClose;
    std::function<void()> onIdle;
    std::vector<SelectorRequest> requests;
    int idleCount = 0;

private:
    static inline SelectorEffect* current = nullptr;
};

// A record for a request of the given kind; the caller fills the rest.
inline VstFileSelect makeRequest(int32 command, const char* title = "")
{
    VstFileSelect request = {};
    request.command = command;
    std::strncpy(request.title, title, sizeof(request.title) - 1);
    return request;
}

inline VstFileType makeFileType(const char* name, const char* dosType, const char* unixType)
{
    VstFileType type = {};
    std::strncpy(type.name, name, sizeof(type.name) - 1);
    std::strncpy(type.dosType, dosType, sizeof(type.dosType) - 1);
    std::strncpy(type.unixType, unixType, sizeof(type.unixType) - 1);
    return type;
}
