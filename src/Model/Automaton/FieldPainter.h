#pragma once

#include "Model/Automaton/CellGrid.h"
#include "Model/Automaton/ColorScale.h"
#include "Model/Automaton/CubicFaceBuilder.h"
#include "Model/Automaton/CutBox.h"
#include "Model/Automaton/MaterialColorMap.h"
#include "Model/Automaton/ParticleCounts.h"

#include <vector>

namespace Model::Automaton {

// The particle-count view: cell faces as in the direct cubic view, but a cell holding particles
// is coloured from a colour scale by its count instead of by its material.
class FieldPainter {
public:
    // Which count a cell shows: N particles, P particles, or P minus N.
    enum Distribution : uint32_t { NType = 0, PType = 1, SignedSum = 2 };
    static constexpr uint32_t kDistributionCount = 3;

    // An unknown value selects the N-type distribution.
    void setDistribution(uint32_t value) { distribution = value < kDistributionCount ? value : NType; }
    uint32_t getDistribution() const { return distribution; }
    void setColorScaleType(uint32_t type) { scale.setType(type); }
    const ColorScale &colorScale() const { return scale; }

    // Sets the scale's range from the non-empty cells of the whole volume, then builds the faces
    // of the cut box (the caller holds the cell lock). A field shorter than the cell array is
    // treated as missing.
    void build(const Voxel *cells, const CellGrid &grid, const CutBox &box, SharedParticleCountField nField,
               SharedParticleCountField pField, const MaterialColorMap &materialColors);
    void clear();

    const std::vector<Geometry::QuadFace> &opaqueFaces() const { return lists.opaque; }
    const std::vector<Geometry::QuadFace> &transparentFaces() const { return lists.transparent; }
    std::vector<Geometry::QuadFace> &opaqueFacesForRecolouring() { return lists.opaque; }
    std::vector<Geometry::QuadFace> &transparentFacesForRecolouring() { return lists.transparent; }
    // Puts back the colours the faces were built with.
    void restoreBuiltColors();

private:
    uint32_t distribution = NType;
    ColorScale scale;
    CubicFaceLists lists;
    std::vector<Materials::RgbaColor> builtOpaqueColors;
    std::vector<Materials::RgbaColor> builtTransparentColors;
};

} // namespace Model::Automaton
