#pragma once

#include <cstdint>

namespace Model::Automaton {

// How the silicon lattice of a volume is drawn, when it has one.
struct AtomisticRenderFlags {
    bool siAtoms = false;
    bool surfaceAtomsOnly = false;
    bool siAtomLinks = false;
    bool siUnitCells = false; // filled
    bool siUnitCellOutlines = false;

    bool operator==(const AtomisticRenderFlags &o) const
    {
        return siAtoms == o.siAtoms && surfaceAtomsOnly == o.surfaceAtomsOnly && siAtomLinks == o.siAtomLinks
               && siUnitCells == o.siUnitCells && siUnitCellOutlines == o.siUnitCellOutlines;
    }
};

// The drawing options of one cell volume that the user chooses in the visualization dialog.
struct VisualizationOptions {
    AtomisticRenderFlags atoms;
    bool emptyVoxelOutlines = false;
    uint32_t surfaceAlgorithm = 0;     // TotalVolumePainter::SurfaceAlgorithm
    uint32_t particleDistribution = 0; // FieldPainter::Distribution
    uint32_t colorScale = 0;           // ColorScale type

    bool operator==(const VisualizationOptions &o) const
    {
        return atoms == o.atoms && emptyVoxelOutlines == o.emptyVoxelOutlines
               && surfaceAlgorithm == o.surfaceAlgorithm && particleDistribution == o.particleDistribution
               && colorScale == o.colorScale;
    }
};

} // namespace Model::Automaton
