// A one-line progress bar on stderr, redrawn in place; shown only when stderr is a terminal so
// logs and pipes get no control characters.
#pragma once

#include <string>

class ProgressBar {
public:
    ProgressBar(std::string label, bool wanted);
    ~ProgressBar();

    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void update(double fraction);

private:
    std::string label;
    bool visible;
    int drawnCells = -1;
};
