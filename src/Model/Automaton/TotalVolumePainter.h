#pragma once

#include "Util/Vector4D.h"

namespace Model::Automaton {

class TotalVolume;

// Generates and draws a cell volume's surface.
class TotalVolumePainter {
public:
    explicit TotalVolumePainter(TotalVolume &volume);

    // Rebuilds every drawing list from the cells.
    void update();
    void draw(bool solidsShown, bool edgesShown, const Util::Vector4D &eye);

private:
    TotalVolume &volume;
};

} // namespace Model::Automaton
