#pragma once

#include "Util/Vector3D.h"

#include <cstdint>
#include <memory>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Operations {

// Everything needed to build a new cell volume holding a block or a ball of one material.
// Sizes, displacements, centre and radius are in cells.
struct SubstrateDescription {
    uint32_t materialId = 1;
    uint32_t totalWidth = 100;  // cells along x
    uint32_t totalLength = 100; // cells along y
    uint32_t totalHeight = 80;  // cells along z
    uint32_t blockWidth = 100;
    uint32_t blockLength = 100;
    uint32_t blockHeight = 30;
    uint32_t blockX = 0;
    uint32_t blockY = 0;
    uint32_t blockZ = 0;
    uint32_t radius = 50;
    uint32_t centerX = 0;
    uint32_t centerY = 0;
    uint32_t centerZ = 0;
    bool spherical = false;
    float cellSizeX = 1.0f;
    float cellSizeY = 1.0f;
    float cellSizeZ = 1.0f;
    Util::Vector3D position; // world position of the volume's lower left front corner
};

// Builds the volume; null when its cell count cannot be allocated.
std::shared_ptr<Model::Automaton::TotalVolume> buildSubstrate(const SubstrateDescription &description);

} // namespace Core::Operations
