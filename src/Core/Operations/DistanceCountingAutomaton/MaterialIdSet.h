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
    }

    bool contains(uint32_t id) const
    {
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
    std::vector<uint32_t> ids;
};

} // namespace Core::Operations
