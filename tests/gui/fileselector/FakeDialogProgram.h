// A fake desktop dialog program (zenity or kdialog) in a folder of its own that becomes the
// whole PATH while the object lives: it records its arguments, prints the answer the test set
// and exits with the test's status. Its process id is recorded too, so a test can see it end.
#pragma once

#include <string>
#include <vector>

class FakeDialogProgram {
public:
    // names: the programs the folder holds, for example {"zenity"}; none for an empty PATH.
    explicit FakeDialogProgram(const std::vector<std::string>& names);
    ~FakeDialogProgram();

    FakeDialogProgram(const FakeDialogProgram&) = delete;
    FakeDialogProgram& operator=(const FakeDialogProgram&) = delete;

    // What the next run prints and its exit status.
    void answer(const std::string& output, int status = 0);
    // The next run waits until it is ended.
    void hang();

    // The arguments of the last run, program name first; empty when it did not run.
    std::vector<std::string> arguments() const;
    // The last run's process id; 0 when it did not run.
    int processId() const;

private:
    std::string folder;
    std::string savedPath;
};
