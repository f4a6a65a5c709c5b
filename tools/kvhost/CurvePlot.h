// Draws a transfer curve (output level against input level) as a labelled PNG plot.
#pragma once

#include <string>
#include <vector>

struct CurvePlot {
    std::string title;     // the setting's name
    std::string subtitle;  // its parameters as the plug-in displays them
    // Pair up point by point; inputs run from -1.5 to 1.5.
    std::vector<float> inputs;
    std::vector<float> outputs;
    // Where the clamp window's bounds land in the output, after the output level.
    float clampLow;
    float clampHigh;
};

// Throws KvhostError when the file cannot be written.
void writeCurvePlot(const std::string& path, const CurvePlot& plot);
