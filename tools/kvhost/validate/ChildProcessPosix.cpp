#include "ChildProcess.h"

#include "../KvhostError.h"

#include <chrono>
#include <csignal>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
constexpr auto kPollInterval = std::chrono::milliseconds(2);
}

ChildProcess::ChildProcess(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    std::string program = "/proc/self/exe";
    argv.push_back(program.data());
    std::vector<std::string> copies(arguments);
    for (std::string& argument : copies)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child < 0)
        throw KvhostError("cannot start a child process");
    if (child == 0) {
        execv(argv[0], argv.data());
        _exit(127);
    }
    id = child;
    running = true;
}

ChildProcess::~ChildProcess()
{
    if (running) {
        kill();
        waitFor(1000);
    }
}

bool ChildProcess::waitFor(int milliseconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (running) {
        int status = 0;
        if (waitpid(static_cast<pid_t>(id), &status, WNOHANG) == static_cast<pid_t>(id)) {
            running = false;
            cleanly = WIFEXITED(status) && WEXITSTATUS(status) == 0;
            endingText = WIFEXITED(status) ? "exit status " + std::to_string(WEXITSTATUS(status))
                                           : "signal " + std::to_string(WTERMSIG(status));
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

void ChildProcess::kill()
{
    if (running)
        ::kill(static_cast<pid_t>(id), SIGKILL);
}
