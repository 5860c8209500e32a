#pragma once

#include <cstdint>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Operations {

// A purely vertical etch: one material is removed layer by layer from its exposed top faces, its
// exposed bottom faces, or both, `depth` layers deep within each cell column. Other materials
// stop it; only faces that touch an empty cell when the etch starts are exposed.
class SimpleReactiveIonEtching {
public:
    // Direction flags.
    static constexpr uint8_t kFromTop = 1;
    static constexpr uint8_t kFromBelow = 2;

    SimpleReactiveIonEtching(Model::Automaton::TotalVolume &volume, uint32_t material, uint32_t depth,
                             uint8_t directions);
    void run();

private:
    Model::Automaton::TotalVolume &volume;
    uint32_t material;
    uint32_t depth; // layers
    uint8_t directions;
};

} // namespace Core::Operations
