#pragma once

#include <QByteArray>

#include <cstdint>
#include <string>
#include <vector>

namespace Model::Automaton {
class TotalVolume;
struct Voxel;
} // namespace Model::Automaton

namespace Core {

// Builds the stored form of a set of cells with their material ids: ascending runs of cell
// indices and one id per cell, cut into blocks of at most kBlockCells cells. Each block is
// compressed when that makes it smaller and carries a hash of its content, so a damaged record
// is recognised before any cell is written.
//
// Stored form (little-endian): cell count (u64), cell total (u64), block count (u32), then per
// block its raw size (u32), stored size (u32), compressed flag (u8), hash of the raw bytes (u64)
// and the stored bytes. A raw block is the run count, each run as the gap since the previous
// run's end and its length, then each cell's id, all as unsigned LEB128 numbers.
class CellChangeWriter {
public:
    static constexpr uint32_t kBlockCells = 1u << 20;

    explicit CellChangeWriter(uint64_t cellCount);

    // Adds one cell; indices must ascend.
    void add(uint32_t index, uint32_t id)
    {
        if (index != runEnd || runs.empty() || blockCells == kBlockCells)
            startRun(index);
        ++runs.back().length;
        ++runEnd;
        ++blockCells;
        appendNumber(values, id);
    }
    // Adds every cell of the volume (takes the cell lock).
    void addAll(Model::Automaton::TotalVolume &volume);
    // The stored form; the writer is empty afterwards.
    QByteArray finish();

    static void appendNumber(std::string &bytes, uint64_t value)
    {
        while (value >= 0x80) {
            bytes += char(uint8_t(value) | 0x80);
            value >>= 7;
        }
        bytes += char(value);
    }

private:
    struct Run {
        uint32_t gap;
        uint32_t length;
    };

    void startRun(uint32_t index);
    void flushBlock();

    uint64_t cellCount;
    uint64_t cellTotal = 0;
    uint32_t blockCount = 0;
    uint32_t blockCells = 0;
    uint64_t runEnd = 0;
    std::vector<Run> runs;
    std::string values;
    QByteArray blocks;
};

// The cells of one decoded record, checked whole before anything is applied.
class CellChanges {
public:
    // Decodes a stored form made by CellChangeWriter for a volume of `cellCount` cells. False, and
    // nothing kept, when it is short, damaged, or made for another cell count.
    bool decode(const char *data, size_t size, uint64_t cellCount);
    // Takes every id of a whole-volume list (one per cell, in cell order).
    void assignAll(std::vector<uint32_t> ids);
    // Writes the ids into the cells (takes the cell lock). False, with the volume unchanged, when
    // the volume's cell count is not the record's.
    bool applyTo(Model::Automaton::TotalVolume &volume) const;

    uint64_t getCellTotal() const { return ids.size(); }

private:
    struct Run {
        uint32_t start;
        uint32_t length;
        uint32_t firstId; // where the run's ids start in `ids`
    };

    bool decodeBlock(const char *data, size_t size);
    void applyWithin(Model::Automaton::Voxel *cells, uint32_t begin, uint32_t end) const;

    uint64_t cellCount = 0;
    uint64_t position = 0;
    std::vector<Run> runs;
    std::vector<uint32_t> ids;
};

} // namespace Core
