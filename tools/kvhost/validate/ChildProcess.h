// A copy of kvhost started with other arguments, watched and, when it hangs, killed: the
// plug-in runs there, so its crash or hang is a result for the validator, not its end.
#pragma once

#include <string>
#include <vector>

class ChildProcess {
public:
    // Starts this program with the arguments; throws KvhostError when it cannot.
    explicit ChildProcess(const std::vector<std::string>& arguments);
    // Kills the child if it still runs.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Waits up to the given time; true when the child has ended.
    bool waitFor(int milliseconds);
    void kill();
    // How it ended, e.g. "exit status 3" or "signal 11"; only after waitFor returned true.
    const std::string& ending() const { return endingText; }
    bool endedCleanly() const { return cleanly; }

private:
    long long id = 0;
    bool running = false;
    bool cleanly = false;
    std::string endingText;
};
