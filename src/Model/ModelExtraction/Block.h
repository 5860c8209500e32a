#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace Model::ModelExtraction {

// Face directions of a block: 0 and 1 the faces at lower and upper x, 2 and 3 at lower and
// upper y, 4 and 5 at lower and upper z.
enum FaceDirection : int { LowerX = 0, UpperX = 1, LowerY = 2, UpperY = 3, LowerZ = 4, UpperZ = 5 };
constexpr int kFaceDirections = 6;

// A box of cells of one material: its lower corner and size in cells, and the blocks that share
// one of its faces. The neighbour count always equals the number of faces with a neighbour.
// Segments of an extracted structure use the same record without neighbours.
class Block {
public:
    Block() = default;
    Block(uint32_t x, uint32_t y, uint32_t z, uint32_t sizeX, uint32_t sizeY, uint32_t sizeZ,
          uint32_t materialId)
        : x(x), y(y), z(z), sizeX(sizeX), sizeY(sizeY), sizeZ(sizeZ), materialId(materialId)
    {
    }

    uint32_t x = 0, y = 0, z = 0;
    uint32_t sizeX = 0, sizeY = 0, sizeZ = 0;
    uint32_t materialId = 0;

    const Block *neighbour(int direction) const { return neighbours[size_t(direction)]; }
    int32_t neighbourCount() const { return count; }
    void setNeighbour(int direction, const Block *block)
    {
        const Block *&slot = neighbours[size_t(direction)];
        count += (block != nullptr) - (slot != nullptr);
        slot = block;
    }
    // The same box and material, without neighbours.
    Block withoutNeighbours() const { return Block(x, y, z, sizeX, sizeY, sizeZ, materialId); }

private:
    std::array<const Block *, kFaceDirections> neighbours{};
    int32_t count = 0;
};

} // namespace Model::ModelExtraction
