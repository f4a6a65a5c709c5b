#include "KvhostRunner.h"

#include "PluginLibrary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#if defined(_WIN32)
#include <windows.h>
constexpr const char* kKvhostFile = "kvhost.exe";
#else
#include <cstdlib>
#include <sys/wait.h>
constexpr const char* kKvhostFile = "kvhost";
#endif

namespace {
// Far beyond any run these tests make, even under emulation: a kvhost that is still busy then
// never finishes, and the test must fail instead of hanging the whole run.
constexpr int kRunLimitSeconds = 120;
constexpr int kDidNotFinish = -2;

std::string inQuotes(const std::string& text)
{
    return "\"" + text + "\"";
}

#if defined(_WIN32)
HANDLE inheritableFile(const std::string& path)
{
    SECURITY_ATTRIBUTES inheritable = {sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inheritable, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

int runWithinLimit(std::string commandLine, const std::string& outputFile, const std::string& errorsFile)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = inheritableFile(outputFile);
    startup.hStdError = inheritableFile(errorsFile);
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                        &startup, &process);
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    if (!started)
        return -1;
    int status = kDidNotFinish;
    if (WaitForSingleObject(process.hProcess, kRunLimitSeconds * 1000) == WAIT_OBJECT_0) {
        DWORD exitCode = 0;
        GetExitCodeProcess(process.hProcess, &exitCode);
        status = static_cast<int>(exitCode);
    } else {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, INFINITE);
    }
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return status;
}
#else
int runWithinLimit(const std::string& commandLine, const std::string& outputFile, const std::string& errorsFile)
{
    // coreutils' timeout kills the child at the limit and then exits with 137.
    constexpr int kKilledByTimeout = 128 + 9;
    const std::string command = "timeout -s KILL " + std::to_string(kRunLimitSeconds) + " " + commandLine + " > "
                                + inQuotes(outputFile) + " 2> " + inQuotes(errorsFile);
    const int result = std::system(command.c_str());
    if (!WIFEXITED(result))
        return -1;
    return WEXITSTATUS(result) == kKilledByTimeout ? kDidNotFinish : WEXITSTATUS(result);
}
#endif
} // namespace

KvhostResult runKvhost(const std::vector<std::string>& arguments)
{
    const std::filesystem::path programs = std::filesystem::path(PluginLibrary::builtPluginPath()).parent_path();
    // Named after the running test: tests may run in parallel processes.
    const std::string testName = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::filesystem::path temporary = std::filesystem::temp_directory_path();
    const std::string errorsFile = (temporary / ("kvhost-" + testName + "-stderr.txt")).string();
    std::string commandLine = inQuotes((programs / kKvhostFile).string());
    for (const std::string& argument : arguments)
        commandLine += " " + inQuotes(argument);
    const int status = runWithinLimit(commandLine, (temporary / ("kvhost-" + testName + "-stdout.txt")).string(), errorsFile);
    if (status == kDidNotFinish)
        return {status, "kvhost did not finish within " + std::to_string(kRunLimitSeconds) + " s and was stopped"};
    std::ifstream errors(errorsFile);
    return {status, std::string(std::istreambuf_iterator<char>(errors), std::istreambuf_iterator<char>())};
}

std::string scratchFolder(const std::string& testName)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("kvhost-test-" + testName);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string();
}
