#pragma once

namespace Model::Automaton {

// How the silicon lattice of a volume is drawn, when it has one.
struct AtomisticRenderFlags {
    bool siAtoms = false;
    bool surfaceAtomsOnly = false;
    bool siAtomLinks = false;
    bool siUnitCells = false; // filled
    bool siUnitCellOutlines = false;

    bool any() const { return siAtoms || siAtomLinks || siUnitCells || siUnitCellOutlines; }
    bool operator==(const AtomisticRenderFlags &o) const
    {
        return siAtoms == o.siAtoms && surfaceAtomsOnly == o.surfaceAtomsOnly && siAtomLinks == o.siAtomLinks
               && siUnitCells == o.siUnitCells && siUnitCellOutlines == o.siUnitCellOutlines;
    }
};

} // namespace Model::Automaton
