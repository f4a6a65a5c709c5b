#include "KvhostRunner.h"

#include "PluginLibrary.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#if defined(_WIN32)
constexpr const char* kKvhostFile = "kvhost.exe";
#else
#include <sys/wait.h>
constexpr const char* kKvhostFile = "kvhost";
#endif

namespace {
std::string inQuotes(const std::string& text)
{
    return "\"" + text + "\"";
}

int exitStatusOf(int systemResult)
{
#if defined(_WIN32)
    return systemResult;
#else
    return WIFEXITED(systemResult) ? WEXITSTATUS(systemResult) : -1;
#endif
}
} // namespace

KvhostResult runKvhost(const std::vector<std::string>& arguments)
{
    const std::filesystem::path programs = std::filesystem::path(PluginLibrary::builtPluginPath()).parent_path();
    // Named after the running test: tests may run in parallel processes.
    const std::string testName = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::filesystem::path temporary = std::filesystem::temp_directory_path();
    const std::string errorsFile = (temporary / ("kvhost-" + testName + "-stderr.txt")).string();
    std::string command = inQuotes((programs / kKvhostFile).string());
    for (const std::string& argument : arguments)
        command += " " + inQuotes(argument);
    command += " > " + inQuotes((temporary / ("kvhost-" + testName + "-stdout.txt")).string());
    command += " 2> " + inQuotes(errorsFile);
#if defined(_WIN32)
    // cmd.exe strips the outer quotes of a command line that starts with one.
    command = inQuotes(command);
#endif
    const int status = exitStatusOf(std::system(command.c_str()));
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
