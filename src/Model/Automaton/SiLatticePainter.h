#pragma once

#include "Model/Automaton/CutBox.h"
#include "Model/Automaton/VisualizationOptions.h"

#include <array>
#include <cstdint>
#include <vector>

namespace Model::Automaton {

class SiLattice;
class TotalVolume;

// Draws a volume's silicon lattice inside its cut box: atoms as small spheres coloured by
// their bonds, the bonds as lines, and the unit cells as outlines or translucent boxes, as the
// render flags ask. `refresh` collects what is to be drawn (after the lattice or the cut box
// changed); drawing happens in the volume's frame, after the painter's translation.
class SiLatticePainter {
public:
    struct DrawnAtom {
        float position[3]; // in the volume's frame
        uint8_t color[3];
    };

    // The colour of an atom with n bonded neighbours (a fixed atom counts 4) and m second
    // neighbours: blue for a three-bonded atom with m ≥ 9, orange for one with m < 9, light
    // green for two bonds, yellow otherwise.
    static std::array<uint8_t, 3> atomColor(uint32_t bonded, uint32_t secondNeighbours);

    void setFlags(const AtomisticRenderFlags &value) { flags = value; }
    const AtomisticRenderFlags &getFlags() const { return flags; }

    // Collects the atoms, bonds and unit cells inside the clip planes (nothing while no flag is
    // set or the volume has no lattice). Takes the volume's cell lock.
    void refresh(TotalVolume &volume, const std::array<ClipPlane, 6> &clipPlanes);
    void clear();

    // Atoms, bonds and unit cell outlines. Needs a current GL context.
    void drawOpaque() const;
    // Translucent unit cells.
    void drawTransparent() const;

    const std::vector<DrawnAtom> &drawnAtoms() const { return atoms; }
    size_t drawnLinkCount() const { return linkVertices.size() / 6; }
    size_t drawnCellCount() const { return cellFaceVertices.size() / (6 * 4 * 3); }

private:
    void collect(const SiLattice &lattice, const std::array<ClipPlane, 6> &clipPlanes, const float scale[3]);
    void drawAtoms() const;
    void drawLinks() const;
    void drawCellOutlines() const;

    AtomisticRenderFlags flags;
    std::vector<DrawnAtom> atoms;
    std::vector<float> linkVertices;     // two vertices per bond
    std::vector<float> cellFaceVertices; // six quads per unit cell
};

} // namespace Model::Automaton
