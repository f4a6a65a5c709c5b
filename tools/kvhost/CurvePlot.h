// Draws a transfer curve (output level against input level) as a PNG image.
#pragma once

#include <string>
#include <vector>

// inputs and outputs pair up point by point; inputs run from -range to +range. Throws
// KvhostError when the file cannot be written.
void writeCurvePlot(const std::string& path, const std::vector<float>& inputs, const std::vector<float>& outputs, float range);
