#pragma once

#include "Model/Automaton/ImageMask.h"

#include <cstdint>
#include <vector>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Operations {

// Develops a photoresist film through a top and a bottom mask. A resist cell with an empty cell
// above it under an open part of the top mask, or with an empty cell below it under an open part
// of the bottom mask, is exposed; every resist cell that hangs together with an exposed one
// vertically (within its cell column) is removed. Columns outside a mask are open. With the
// negative resist ("Photoresist -") the masks act inverted: opaque parts expose, and columns
// outside a mask are protected.
class Photolithography {
public:
    static constexpr uint32_t kNegativeResist = 12;

    Photolithography(Model::Automaton::TotalVolume &volume, uint32_t resistMaterial,
                     const Model::Automaton::ImageMask &bottomMask,
                     const Model::Automaton::ImageMask &topMask);
    void run();

private:
    Model::Automaton::TotalVolume &volume;
    uint32_t resistMaterial;
    // One flag per cell column (index x·sizeY + y): set where the mask protects the resist.
    std::vector<uint8_t> bottomProtection;
    std::vector<uint8_t> topProtection;
};

} // namespace Core::Operations
