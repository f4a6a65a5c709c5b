#include "ChildProcess.h"

#include "../KvhostError.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>

namespace {
// Quotes one argument the way the C runtime's command-line parser reads it back.
std::string quoted(const std::string& argument)
{
    std::string text = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        text.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        text += c;
    }
    text.append(backslashes * 2, '\\');
    return text + "\"";
}

HANDLE handleOf(long long id)
{
    return reinterpret_cast<HANDLE>(static_cast<intptr_t>(id));
}
} // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& arguments)
{
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string commandLine = quoted(program);
    for (const std::string& argument : arguments)
        commandLine += " " + quoted(argument);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        throw KvhostError("cannot start a child process (Windows error " + std::to_string(GetLastError()) + ")");
    CloseHandle(process.hThread);
    id = static_cast<long long>(reinterpret_cast<intptr_t>(process.hProcess));
    running = true;
}

ChildProcess::~ChildProcess()
{
    if (running) {
        kill();
        waitFor(1000);
    }
    CloseHandle(handleOf(id));
}

bool ChildProcess::waitFor(int milliseconds)
{
    if (running) {
        if (WaitForSingleObject(handleOf(id), static_cast<DWORD>(milliseconds)) != WAIT_OBJECT_0)
            return false;
        DWORD code = 0;
        GetExitCodeProcess(handleOf(id), &code);
        running = false;
        cleanly = code == 0;
        char text[32];
        std::snprintf(text, sizeof text, code >= 0xC0000000u ? "exception %#lx" : "exit status %lu", static_cast<unsigned long>(code));
        endingText = text;
    }
    return true;
}

void ChildProcess::kill()
{
    if (running)
        TerminateProcess(handleOf(id), 1);
}
