#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Operations {

// Bonds a top volume onto a base volume, as in wafer bonding: the base keeps its cells up to its
// highest occupied layer, and the top volume's occupied layers are stacked right above it,
// shifted in x and y and optionally turned over about the y axis.
class SubstrateGluing {
public:
    struct Size {
        uint32_t x = 0, y = 0, z = 0;
    };
    // Where the top goes and how large the result is.
    struct Placement {
        Size size;
        uint32_t dx = 0, dy = 0;
        bool invert = false;
    };

    // Measures both volumes (their cell locks are taken one after the other).
    SubstrateGluing(Model::Automaton::TotalVolume &base, Model::Automaton::TotalVolume &top);

    // One above the base's highest occupied layer (1 for an empty base).
    uint32_t baseTop() const { return baseHeight; }
    // The top volume's occupied layers [lowest, highest + 1); empty for an empty top.
    uint32_t topLowest() const { return topLow; }
    uint32_t topEnd() const { return topHigh; }
    // The smallest result that holds both, and the default: one empty layer more on top.
    Size minimumSize() const;
    Size defaultSize() const;
    Placement defaultPlacement() const;
    // How far the top can be shifted within a result of `size`.
    uint32_t maximumShiftX(uint32_t sizeX) const;
    uint32_t maximumShiftY(uint32_t sizeY) const;
    // Whether every copied cell lands inside the result.
    bool fits(const Placement &placement) const;

    // The result's material ids in array order. Requires `fits`.
    std::vector<uint32_t> glue(const Placement &placement) const;
    // The glued volume at the base's position, with the larger cell size of the two per axis;
    // null when the placement does not fit or the result is too large for this machine.
    std::shared_ptr<Model::Automaton::TotalVolume> run(const Placement &placement) const;

private:
    Model::Automaton::TotalVolume &base;
    Model::Automaton::TotalVolume &top;
    uint32_t baseHeight = 1;
    uint32_t topLow = 0;
    uint32_t topHigh = 0;
};

} // namespace Core::Operations
