#pragma once

#include "Core/Operations/Cuts/CutCellVolume.h"

namespace Core {
class Workspace;
}

namespace Core::Operations {

// Runs the column cut engine on the volume in `mode`, takes the mask off the volume's display,
// rebuilds the drawn surface and redraws the view.
void applyColumnCut(Core::Workspace &workspace, Model::Automaton::TotalVolume &volume,
                    const Model::Automaton::ImageMask &mask, CutCellVolume::Mode mode);

} // namespace Core::Operations
