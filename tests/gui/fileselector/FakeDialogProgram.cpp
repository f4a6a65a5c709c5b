#include "FakeDialogProgram.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::string readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}
} // namespace

FakeDialogProgram::FakeDialogProgram(const std::vector<std::string>& names)
{
    char pattern[] = "/tmp/kv-fake-dialog-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        throw std::runtime_error("no temporary folder");
    folder = pattern;
    // The shell's own built-ins only: PATH names nothing else.
    const std::string script = "#!/bin/sh\n"
                               "echo $$ > '" + folder + "/pid'\n"
                               "printf '%s\\0' \"$0\" \"$@\" > '" + folder + "/arguments'\n"
                               "if [ -e '" + folder + "/hang' ]; then exec /bin/sleep 600; fi\n"
                               "while IFS= read -r line; do printf '%s\\n' \"$line\"; done < '" + folder + "/output'\n"
                               "read status < '" + folder + "/status'\n"
                               "exit $status\n";
    for (const std::string& name : names) {
        const std::string path = folder + "/" + name;
        writeFile(path, script);
        chmod(path.c_str(), 0755);
    }
    answer("", 1);
    const char* path = std::getenv("PATH");
    savedPath = path != nullptr ? path : "";
    setenv("PATH", folder.c_str(), 1);
}

FakeDialogProgram::~FakeDialogProgram()
{
    setenv("PATH", savedPath.c_str(), 1);
    for (const char* name : {"zenity", "kdialog", "pid", "arguments", "output", "status", "hang"})
        unlink((folder + "/" + name).c_str());
    rmdir(folder.c_str());
}

void FakeDialogProgram::answer(const std::string& output, int status)
{
    writeFile(folder + "/output", output);
    writeFile(folder + "/status", std::to_string(status) + "\n");
}

void FakeDialogProgram::hang()
{
    writeFile(folder + "/hang", "");
}

std::vector<std::string> FakeDialogProgram::arguments() const
{
    const std::string recorded = readFile(folder + "/arguments");
    std::vector<std::string> arguments;
    std::size_t start = 0;
    for (std::size_t end = recorded.find('\0'); end != std::string::npos; end = recorded.find('\0', start)) {
        arguments.push_back(recorded.substr(start, end - start));
        start = end + 1;
    }
    if (!arguments.empty())
        arguments.front() = arguments.front().substr(arguments.front().rfind('/') + 1);
    return arguments;
}

int FakeDialogProgram::processId() const
{
    std::istringstream text(readFile(folder + "/pid"));
    int id = 0;
    text >> id;
    return id;
}
