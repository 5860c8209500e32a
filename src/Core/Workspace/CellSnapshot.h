#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Model::Automaton {
class TotalVolume;
struct Voxel;
} // namespace Model::Automaton

namespace Core {

class CellChangeWriter;

// A compact copy of a volume's material ids, held while one step runs so that its history records
// need hold only the cells the step changed. Each cell keeps the position of its id in the list of
// different ids the volume holds, in 1, 2 or 4 bytes: one byte per cell up to 256 materials.
class CellSnapshot {
public:
    // Copies the cells (takes the cell lock).
    explicit CellSnapshot(Model::Automaton::TotalVolume &volume);

    uint64_t getCellCount() const { return cellCount; }
    size_t getByteCount() const;

    // Adds each cell whose id differs from the copy to both writers, with the copied id to `before`
    // and the volume's id to `now` (takes the cell lock). The volume must have the copy's cell count.
    void recordChanges(Model::Automaton::TotalVolume &volume, CellChangeWriter &before,
                       CellChangeWriter &now) const;
    // Adds every cell of the copy.
    void recordAll(CellChangeWriter &writer) const;
    // Writes the copy back into the cells (takes the cell lock). False, with the volume unchanged,
    // when its cell count differs.
    bool restoreInto(Model::Automaton::TotalVolume &volume) const;

private:
    template <class Code> bool copyCells(const Model::Automaton::Voxel *cells, std::vector<Code> &codes);
    template <class Visit> void withCodes(Visit visit) const;

    uint64_t cellCount = 0;
    std::vector<uint32_t> ids; // the different material ids, by code
    // One code per cell, in cell order, in the narrowest of the three that holds every code.
    std::vector<uint8_t> codes8;
    std::vector<uint16_t> codes16;
    std::vector<uint32_t> codes32;
};

} // namespace Core
