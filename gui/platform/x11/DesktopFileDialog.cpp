// The file dialog on Linux: the desktop's dialog program, zenity or else kdialog, runs as a
// child process and prints the chosen paths, one a line. While it runs the caller's editor is
// kept alive; when the editor goes, the child is ended and the request cancelled.
#include "../FileDialog.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace VSTGUI::platform {

namespace {
// How long one wait for the child's output lasts before the editor is idled again.
constexpr int kPollIntervalMs = 10;

enum class DialogProgram { none, zenity, kdialog };

std::string findOnPath(const char* name)
{
    const char* path = std::getenv("PATH");
    std::string directories = path != nullptr ? path : "";
    std::size_t start = 0;
    while (start <= directories.size()) {
        std::size_t end = directories.find(':', start);
        if (end == std::string::npos)
            end = directories.size();
        const std::string directory = directories.substr(start, end - start);
        if (!directory.empty()) {
            const std::string candidate = directory + "/" + name;
            if (access(candidate.c_str(), X_OK) == 0)
                return candidate;
        }
        start = end + 1;
    }
    return {};
}

std::string replaceAll(std::string text, char from, char to)
{
    for (char& c : text)
        if (c == from)
            c = to;
    return text;
}

// A directory opens in zenity when its name ends with a slash.
std::string asDirectory(const std::string& directory)
{
    return directory.empty() || directory.back() == '/' ? directory : directory + "/";
}

std::vector<std::string> zenityArguments(const FileDialogRequest& request)
{
    std::vector<std::string> arguments = {"zenity", "--file-selection"};
    if (!request.title.empty())
        arguments.push_back("--title=" + request.title);
    if (!request.initialDirectory.empty())
        arguments.push_back("--filename=" + asDirectory(request.initialDirectory));
    switch (request.kind) {
    case FileDialogKind::openMultiple:
        arguments.push_back("--multiple");
        arguments.push_back("--separator=\n");
        break;
    case FileDialogKind::save:
        arguments.push_back("--save");
        break;
    case FileDialogKind::folder:
        arguments.push_back("--directory");
        break;
    case FileDialogKind::open:
        break;
    }
    for (const FileFilter& filter : request.filters)
        arguments.push_back("--file-filter=" + filter.display + " | " + replaceAll(filter.pattern, ';', ' '));
    return arguments;
}

std::vector<std::string> kdialogArguments(const FileDialogRequest& request)
{
    std::vector<std::string> arguments = {"kdialog"};
    if (!request.title.empty())
        arguments.insert(arguments.end(), {"--title", request.title});
    switch (request.kind) {
    case FileDialogKind::open:
        arguments.push_back("--getopenfilename");
        break;
    case FileDialogKind::openMultiple:
        arguments.insert(arguments.end(), {"--getopenfilename", "--multiple", "--separate-output"});
        break;
    case FileDialogKind::save:
        arguments.push_back("--getsavefilename");
        break;
    case FileDialogKind::folder:
        arguments.push_back("--getexistingdirectory");
        break;
    }
    arguments.push_back(request.initialDirectory.empty() ? "." : request.initialDirectory);
    std::string filters;
    for (const FileFilter& filter : request.filters)
        filters += (filters.empty() ? "" : "\n") + replaceAll(filter.pattern, ';', ' ') + "|" + filter.display;
    if (!filters.empty())
        arguments.push_back(filters);
    return arguments;
}

std::vector<std::string> splitLines(const std::string& output)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < output.size()) {
        std::size_t end = output.find('\n', start);
        if (end == std::string::npos)
            end = output.size();
        if (end > start)
            lines.push_back(output.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

struct ChildRun {
    bool finished = false;
    int status = 0;
    std::string output;
};

// Reads the child's output until it exits, keeping the caller alive between reads; ends the
// child when the caller goes away.
ChildRun waitForChild(pid_t child, int output, FileDialogWait* wait)
{
    ChildRun run;
    bool outputOpen = true;
    for (;;) {
        if (outputOpen) {
            pollfd ready = {output, POLLIN, 0};
            if (poll(&ready, 1, wait != nullptr ? kPollIntervalMs : -1) > 0) {
                char buffer[4096];
                const ssize_t count = read(output, buffer, sizeof(buffer));
                if (count > 0)
                    run.output.append(buffer, static_cast<std::size_t>(count));
                else if (count == 0 || errno != EINTR)
                    outputOpen = false;
            }
        }
        const pid_t done = waitpid(child, &run.status, outputOpen || wait != nullptr ? WNOHANG : 0);
        if (done == child || (done < 0 && errno != EINTR)) {
            run.finished = done == child;
            return run;
        }
        if (wait != nullptr && !wait->keepAlive()) {
            kill(child, SIGTERM);
            while (waitpid(child, &run.status, 0) < 0 && errno == EINTR) {
            }
            return run;
        }
    }
}

FileDialogResult runProgram(const std::string& program, const std::vector<std::string>& arguments,
                            FileDialogWait* wait)
{
    FileDialogResult result;
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        return result;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        result.outcome = FileDialogOutcome::unavailable;
        return result;
    }
    const ChildRun run = waitForChild(child, pipeEnds[0], wait);
    close(pipeEnds[0]);
    if (run.finished && WIFEXITED(run.status) && WEXITSTATUS(run.status) == 0) {
        result.paths = splitLines(run.output);
        if (!result.paths.empty())
            result.outcome = FileDialogOutcome::accepted;
    }
    return result;
}
} // namespace

FileDialogResult showFileDialog(const FileDialogRequest& request)
{
    const std::string zenity = findOnPath("zenity");
    if (!zenity.empty())
        return runProgram(zenity, zenityArguments(request), request.wait);
    const std::string kdialog = findOnPath("kdialog");
    if (!kdialog.empty())
        return runProgram(kdialog, kdialogArguments(request), request.wait);
    FileDialogResult result;
    result.outcome = FileDialogOutcome::unavailable;
    return result;
}

} // namespace VSTGUI::platform
