#pragma once

namespace Ui::WheelStep {

// Wheel deltas come in eighths of a degree, 120 per notch. The factor is 1 + d/1200 for
// d > 0 and 1/(1 − d/1200) otherwise, so a notch back undoes a notch forward exactly.
double factor(int delta);

// A lamp's distance after a Shift+wheel step: scaled by the factor from 1 up; below 1 (where
// scaling would stall near 0) a step forward jumps to 2 and a step back to 0. Negative
// distances are left alone.
float lampRadius(float radius, int delta);

} // namespace Ui::WheelStep
