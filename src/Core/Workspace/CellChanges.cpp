#include "Core/Workspace/CellChanges.h"

#include "Model/Automaton/TotalVolume.h"
#include "Util/ParallelSlabs.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <limits>

namespace Core {
namespace {

constexpr uint32_t kBlockHeaderBytes = 4 + 4 + 1 + 8;
// The largest raw block: every run one cell long, every number at its longest.
constexpr uint64_t kMaxRawBlockBytes = 5 + uint64_t(CellChangeWriter::kBlockCells) * (5 + 5 + 5);
// Below this size compressing a block does not pay for its own header.
constexpr int kSmallestCompressedBlock = 64;

template <class Value> void appendFixed(QByteArray &bytes, Value value)
{
    char little[sizeof(Value)];
    for (size_t i = 0; i < sizeof(Value); ++i)
        little[i] = char(uint8_t(value >> (8 * i)));
    bytes.append(little, int(sizeof(Value)));
}

uint64_t hashBytes(const char *data, size_t size)
{
    uint64_t hash = 0x9E3779B97F4A7C15ull ^ size;
    size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        uint64_t word;
        std::memcpy(&word, data + i, 8);
        hash = (hash ^ word) * 0xFF51AFD7ED558CCDull;
        hash ^= hash >> 32;
    }
    for (; i < size; ++i)
        hash = (hash ^ uint8_t(data[i])) * 0x100000001B3ull;
    return hash;
}

// A bounds-checked cursor over stored bytes.
class ByteReader {
public:
    ByteReader(const char *data, size_t size) : position(data), end(data + size) {}

    bool atEnd() const { return position == end; }

    template <class Value> bool fixed(Value &value)
    {
        if (size_t(end - position) < sizeof(Value))
            return false;
        value = 0;
        for (size_t i = 0; i < sizeof(Value); ++i)
            value |= Value(uint8_t(position[i])) << (8 * i);
        position += sizeof(Value);
        return true;
    }

    bool bytes(size_t count, const char *&data)
    {
        if (size_t(end - position) < count)
            return false;
        data = position;
        position += count;
        return true;
    }

    bool number(uint64_t &value)
    {
        value = 0;
        for (unsigned shift = 0; shift < 64 && position < end; shift += 7) {
            const uint8_t byte = uint8_t(*position++);
            value |= uint64_t(byte & 0x7F) << shift;
            if (byte < 0x80)
                return true;
        }
        return false;
    }

    bool number32(uint32_t &value)
    {
        if (position < end && uint8_t(*position) < 0x80) {
            value = uint8_t(*position++);
            return true;
        }
        uint64_t wide = 0;
        if (!number(wide) || wide > std::numeric_limits<uint32_t>::max())
            return false;
        value = uint32_t(wide);
        return true;
    }

private:
    const char *position;
    const char *end;
};

// The raw bytes of a stored block, uncompressed when needed. False when they do not check out.
bool rawBlock(ByteReader &reader, QByteArray &raw)
{
    uint32_t rawSize = 0, storedSize = 0;
    uint8_t compressed = 0;
    uint64_t hash = 0;
    const char *stored = nullptr;
    if (!reader.fixed(rawSize) || !reader.fixed(storedSize) || !reader.fixed(compressed)
        || !reader.fixed(hash) || rawSize > kMaxRawBlockBytes || !reader.bytes(storedSize, stored)
        || compressed > 1)
        return false;
    if (compressed) {
        // Compressed data starts with its uncompressed size (big-endian); check it before the
        // decompressor allocates for it.
        if (storedSize < 4 || qFromBigEndian<quint32>(stored) != rawSize)
            return false;
        raw = qUncompress(reinterpret_cast<const uchar *>(stored), int(storedSize));
    } else {
        raw = QByteArray::fromRawData(stored, int(storedSize));
    }
    return uint32_t(raw.size()) == rawSize && hashBytes(raw.constData(), size_t(raw.size())) == hash;
}

} // namespace

CellChangeWriter::CellChangeWriter(uint64_t cellCount) : cellCount(cellCount) {}

void CellChangeWriter::addAll(Model::Automaton::TotalVolume &volume)
{
    Model::Automaton::CellsLocker locker(volume);
    const Model::Automaton::Voxel *cells = locker.get();
    for (uint32_t i = 0, n = uint32_t(volume.getCellCount()); i < n; ++i)
        add(i, cells[i].materialId);
}

void CellChangeWriter::startRun(uint32_t index)
{
    if (blockCells == kBlockCells)
        flushBlock();
    runs.push_back(Run{uint32_t(index - runEnd), 0});
    runEnd = index;
}

void CellChangeWriter::flushBlock()
{
    std::string raw;
    raw.reserve(5 + runs.size() * 4 + values.size());
    appendNumber(raw, runs.size());
    for (const Run &run : runs) {
        appendNumber(raw, run.gap);
        appendNumber(raw, run.length);
    }
    raw += values;

    QByteArray stored;
    if (raw.size() >= size_t(kSmallestCompressedBlock))
        stored = qCompress(reinterpret_cast<const uchar *>(raw.data()), int(raw.size()), 1);
    const bool compressed = !stored.isEmpty() && size_t(stored.size()) < raw.size();
    if (!compressed)
        stored = QByteArray::fromRawData(raw.data(), int(raw.size()));

    appendFixed(blocks, uint32_t(raw.size()));
    appendFixed(blocks, uint32_t(stored.size()));
    appendFixed(blocks, uint8_t(compressed));
    appendFixed(blocks, hashBytes(raw.data(), raw.size()));
    blocks += stored;

    cellTotal += blockCells;
    ++blockCount;
    blockCells = 0;
    runs.clear();
    values.clear();
}

QByteArray CellChangeWriter::finish()
{
    if (blockCells > 0)
        flushBlock();
    QByteArray record;
    record.reserve(20 + blocks.size());
    appendFixed(record, cellCount);
    appendFixed(record, cellTotal);
    appendFixed(record, blockCount);
    record += blocks;
    *this = CellChangeWriter(cellCount);
    return record;
}

bool CellChanges::decode(const char *data, size_t size, uint64_t expectedCellCount)
{
    ByteReader reader(data, size);
    uint64_t storedCellCount = 0, cellTotal = 0;
    uint32_t blockCount = 0;
    if (!reader.fixed(storedCellCount) || !reader.fixed(cellTotal) || !reader.fixed(blockCount)
        || storedCellCount != expectedCellCount || cellTotal > storedCellCount
        || uint64_t(blockCount) * kBlockHeaderBytes > size) {
        *this = CellChanges();
        return false;
    }
    cellCount = storedCellCount;
    position = 0;
    runs.clear();
    ids.clear();
    ids.reserve(size_t(cellTotal));
    QByteArray raw;
    bool ok = true;
    for (uint32_t block = 0; ok && block < blockCount; ++block)
        ok = rawBlock(reader, raw) && decodeBlock(raw.constData(), size_t(raw.size()));
    if (!ok || !reader.atEnd() || ids.size() != cellTotal) {
        *this = CellChanges();
        return false;
    }
    return true;
}

bool CellChanges::decodeBlock(const char *data, size_t size)
{
    ByteReader reader(data, size);
    uint64_t runCount = 0;
    if (!reader.number(runCount) || runCount > CellChangeWriter::kBlockCells)
        return false;
    uint64_t blockCells = 0;
    for (uint64_t i = 0; i < runCount; ++i) {
        uint64_t gap = 0, length = 0;
        if (!reader.number(gap) || !reader.number(length) || length == 0 || gap > cellCount
            || length > CellChangeWriter::kBlockCells - blockCells || position + gap + length > cellCount)
            return false;
        runs.push_back(Run{uint32_t(position + gap), uint32_t(length), uint32_t(ids.size() + blockCells)});
        position += gap + length;
        blockCells += length;
    }
    const size_t first = ids.size();
    ids.resize(first + blockCells);
    for (size_t i = first; i < ids.size(); ++i) {
        if (!reader.number32(ids[i]))
            return false;
    }
    return reader.atEnd();
}

void CellChanges::assignAll(std::vector<uint32_t> allIds)
{
    cellCount = allIds.size();
    position = cellCount;
    runs.clear();
    if (cellCount > 0)
        runs.push_back(Run{0, uint32_t(cellCount), 0});
    ids = std::move(allIds);
}

bool CellChanges::applyTo(Model::Automaton::TotalVolume &volume) const
{
    if (volume.getCellCount() != cellCount)
        return false;
    Model::Automaton::CellsLocker locker(volume);
    // Writing the ids is bound by memory traffic through the cells: split the cell index range.
    auto parts = Util::equalSlabs(0, uint32_t(cellCount), Util::parallelThreadCount());
    if (parts.empty())
        parts.push_back(Util::SlabRange{0, uint32_t(cellCount)});
    Util::runSlabs(
        parts, [&](const Util::SlabRange &part, size_t) { applyWithin(locker.get(), part.begin, part.end); });
    return true;
}

void CellChanges::applyWithin(Model::Automaton::Voxel *cells, uint32_t begin, uint32_t end) const
{
    auto run = std::upper_bound(runs.begin(), runs.end(), begin,
                                [](uint32_t index, const Run &r) { return index < r.start; });
    if (run != runs.begin())
        --run;
    for (; run != runs.end() && run->start < end; ++run) {
        const uint32_t from = std::max(run->start, begin);
        const uint32_t to = uint32_t(std::min<uint64_t>(uint64_t(run->start) + run->length, end));
        const uint32_t *id = ids.data() + run->firstId + (from - run->start);
        for (uint32_t i = from; i < to; ++i)
            cells[i].materialId = *id++;
    }
}

} // namespace Core
