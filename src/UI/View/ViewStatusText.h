#pragma once

#include <QString>

#include <vector>

namespace Ui::ViewStatusText {

// The status-bar texts for the view's feedback signals; numbers in the general format with six
// significant digits. Missing vector entries read as 0.
QString rotation(const std::vector<float> &angles);       // x, y, z
QString axisPosition(const std::vector<float> &position); // x, y, z
QString viewPosition(const std::vector<float> &pan);      // x, y
QString zoom(float value);
QString lamp(const std::vector<float> &lamp); // index, radius, θ, φ

} // namespace Ui::ViewStatusText
