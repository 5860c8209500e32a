#include "Core/Workspace/CellSnapshot.h"

#include "Core/Workspace/CellChanges.h"
#include "Model/Automaton/TotalVolume.h"

#include <limits>
#include <unordered_map>

namespace Core {
namespace {

using Model::Automaton::CellsLocker;
using Model::Automaton::Voxel;

// Numbers the different ids met in a pass over the cells: a table for the small built-in ids, a
// map for the rest, and the last id for the long runs of one material.
class IdCoder {
public:
    IdCoder(std::vector<uint32_t> &ids, uint64_t codeLimit) : ids(ids), codeLimit(codeLimit) {}

    // False when the id would need a code past the limit.
    bool code(uint32_t id, uint32_t &code)
    {
        if (id == lastId && !ids.empty()) {
            code = lastCode;
            return true;
        }
        uint32_t *known = id < kTableIds ? &table[id] : &others.try_emplace(id, kNone).first->second;
        if (*known == kNone) {
            if (ids.size() >= codeLimit)
                return false;
            *known = uint32_t(ids.size());
            ids.push_back(id);
        }
        lastId = id;
        lastCode = *known;
        code = *known;
        return true;
    }

private:
    static constexpr uint32_t kTableIds = 4096;
    static constexpr uint32_t kNone = std::numeric_limits<uint32_t>::max();

    std::vector<uint32_t> &ids;
    uint64_t codeLimit;
    std::vector<uint32_t> table = std::vector<uint32_t>(kTableIds, kNone);
    std::unordered_map<uint32_t, uint32_t> others;
    uint32_t lastId = 0;
    uint32_t lastCode = 0;
};

} // namespace

CellSnapshot::CellSnapshot(Model::Automaton::TotalVolume &volume) : cellCount(volume.getCellCount())
{
    CellsLocker locker(volume);
    if (!copyCells(locker.get(), codes8) && !copyCells(locker.get(), codes16))
        copyCells(locker.get(), codes32);
}

template <class Code> bool CellSnapshot::copyCells(const Voxel *cells, std::vector<Code> &codes)
{
    ids.clear();
    codes.resize(size_t(cellCount));
    IdCoder coder(ids, uint64_t(std::numeric_limits<Code>::max()) + 1);
    for (size_t i = 0; i < codes.size(); ++i) {
        uint32_t code = 0;
        if (!coder.code(cells[i].materialId, code)) {
            std::vector<Code>().swap(codes);
            return false;
        }
        codes[i] = Code(code);
    }
    return true;
}

template <class Visit> void CellSnapshot::withCodes(Visit visit) const
{
    if (!codes8.empty())
        visit(codes8);
    else if (!codes16.empty())
        visit(codes16);
    else
        visit(codes32);
}

size_t CellSnapshot::getByteCount() const
{
    return codes8.size() + codes16.size() * 2 + codes32.size() * 4 + ids.size() * 4;
}

void CellSnapshot::recordChanges(Model::Automaton::TotalVolume &volume, CellChangeWriter &before,
                                 CellChangeWriter &now) const
{
    CellsLocker locker(volume);
    const Voxel *cells = locker.get();
    withCodes([&](const auto &codes) {
        for (uint32_t i = 0, n = uint32_t(codes.size()); i < n; ++i) {
            const uint32_t was = ids[codes[i]];
            const uint32_t is = cells[i].materialId;
            if (was != is) {
                before.add(i, was);
                now.add(i, is);
            }
        }
    });
}

void CellSnapshot::recordAll(CellChangeWriter &writer) const
{
    withCodes([&](const auto &codes) {
        for (uint32_t i = 0, n = uint32_t(codes.size()); i < n; ++i)
            writer.add(i, ids[codes[i]]);
    });
}

bool CellSnapshot::restoreInto(Model::Automaton::TotalVolume &volume) const
{
    if (volume.getCellCount() != cellCount)
        return false;
    CellsLocker locker(volume);
    Voxel *cells = locker.get();
    withCodes([&](const auto &codes) {
        for (size_t i = 0; i < codes.size(); ++i)
            cells[i].materialId = ids[codes[i]];
    });
    return true;
}

} // namespace Core
