#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace Core::Operations {

// A small ordered set of material ids, stored flat: engines test membership for every neighbour
// of every changed cell, and their sets hold a handful of ids.
class MaterialIdSet {
public:
    MaterialIdSet() = default;
    MaterialIdSet(std::initializer_list<uint32_t> ids)
    {
        for (uint32_t id : ids)
            insert(id);
    }

    void insert(uint32_t id)
    {
        const auto position = std::lower_bound(ids.begin(), ids.end(), id);
        if (position == ids.end() || *position != id)
            ids.insert(position, id);
        if (id < kSmallIds)
            small |= uint64_t(1) << id;
    }

    bool contains(uint32_t id) const
    {
        // The built-in materials and "Empty" have small ids: one bit test.
        if (id < kSmallIds)
            return (small >> id) & 1u;
        if (ids.size() <= kLinearSearchLimit)
            return std::find(ids.begin(), ids.end(), id) != ids.end();
        return std::binary_search(ids.begin(), ids.end(), id);
    }

    bool empty() const { return ids.empty(); }
    size_t size() const { return ids.size(); }
    std::vector<uint32_t>::const_iterator begin() const { return ids.begin(); }
    std::vector<uint32_t>::const_iterator end() const { return ids.end(); }

private:
    static constexpr size_t kLinearSearchLimit = 16;
    static constexpr uint32_t kSmallIds = 64;
    std::vector<uint32_t> ids;
    uint64_t small = 0; // bit i: whether id i (< 64) is in the set
};

} // namespace Core::Operations
