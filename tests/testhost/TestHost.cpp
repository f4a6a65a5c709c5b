#include "TestHost.h"

#include <cstring>

namespace {
// The callback has no user argument, and the entry point calls it before a record exists, so
// the one host of a test is found through this pointer.
TestHost* activeHost = nullptr;
constexpr std::size_t kTextBufferBytes = 256;
} // namespace

TestHost::TestHost() : plugin(PluginLibrary::builtPluginPath())
{
    answers[audioMasterVersion] = kDefaultVersionAnswer;
    activeHost = this;
}

TestHost::~TestHost()
{
    if (current != nullptr)
        close();
    activeHost = nullptr;
}

AEffect* TestHost::open(const char* entryName)
{
    PluginEntryProc entry = plugin.entryPoint(entryName);
    current = entry != nullptr ? entry(callback) : nullptr;
    return current;
}

intptr TestHost::close()
{
    const intptr result = current->dispatcher(current, effClose, 0, 0, nullptr, 0.0f);
    current = nullptr;
    return result;
}

intptr TestHost::dispatch(int32 opcode, int32 index, intptr value, void* ptr, float opt)
{
    return current->dispatcher(current, opcode, index, value, ptr, opt);
}

std::string TestHost::text(int32 opcode, int32 index, intptr value)
{
    char buffer[kTextBufferBytes];
    std::memset(buffer, 0, sizeof(buffer));
    dispatch(opcode, index, value, buffer);
    return buffer;
}

void TestHost::setParameter(int32 index, float value)
{
    current->setParameter(current, index, value);
}

float TestHost::getParameter(int32 index)
{
    return current->getParameter(current, index);
}

void TestHost::process(float** inputs, float** outputs, int32 sampleFrames)
{
    current->processReplacing(current, inputs, outputs, sampleFrames);
}

intptr TestHost::callback(AEffect* /*effect*/, int32 opcode, int32 index, intptr value, void* ptr, float opt)
{
    if (activeHost == nullptr)
        return 0;
    activeHost->received.push_back({opcode, index, value, opt});
    const auto handler = activeHost->handlers.find(opcode);
    if (handler != activeHost->handlers.end())
        return handler->second(index, value, ptr, opt);
    const auto found = activeHost->answers.find(opcode);
    return found != activeHost->answers.end() ? found->second : 0;
}
