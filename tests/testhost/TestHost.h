// A host for tests: answers the plug-in's requests from a table the test sets, records every
// request, and drives one effect only through its record.
#pragma once

#include "PluginLibrary.h"

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

struct HostRequest {
    int32 opcode;
    int32 index;
    intptr value;
    float opt;
};

class TestHost {
public:
    TestHost();
    ~TestHost();

    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    // Creates an effect through the named entry point; null when the plug-in refuses.
    AEffect* open(const char* entryName = "VSTPluginMain");
    // Sends effClose and forgets the effect; answers what the dispatcher answered.
    intptr close();

    AEffect* effect() const { return current; }
    intptr dispatch(int32 opcode, int32 index = 0, intptr value = 0, void* ptr = nullptr, float opt = 0.0f);
    std::string text(int32 opcode, int32 index = 0, intptr value = 0);
    void setParameter(int32 index, float value);
    float getParameter(int32 index);
    void process(float** inputs, float** outputs, int32 sampleFrames);

    void answer(int32 opcode, intptr value) { answers[opcode] = value; }
    // From now on requests with this opcode are answered by the handler, which gets their
    // arguments, pointer included, instead of from the table.
    using RequestHandler = std::function<intptr(int32 index, intptr value, void* ptr, float opt)>;
    void handle(int32 opcode, RequestHandler handler) { handlers[opcode] = std::move(handler); }
    const std::vector<HostRequest>& requests() const { return received; }
    const PluginLibrary& library() const { return plugin; }

    static intptr callback(AEffect* effect, int32 opcode, int32 index, intptr value, void* ptr, float opt);

private:
    static constexpr intptr kDefaultVersionAnswer = 2400;

    PluginLibrary plugin;
    AEffect* current = nullptr;
    std::map<int32, intptr> answers;
    std::map<int32, RequestHandler> handlers;
    std::vector<HostRequest> received;
};
