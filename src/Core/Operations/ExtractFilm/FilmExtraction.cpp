#include "Core/Operations/ExtractFilm/FilmExtraction.h"

#include "Model/Automaton/TotalVolume.h"

#include <algorithm>
#include <deque>

namespace Core::Operations {

using Model::Automaton::TotalVolume;

namespace {

// Moves every column down by `shift` layers, emptying the layers vacated at the top.
void shiftColumnsDown(std::vector<uint32_t> &ids, size_t columns, uint32_t sizeZ, uint32_t shift)
{
    if (shift == 0)
        return;
    for (size_t column = 0; column < columns; ++column) {
        uint32_t *cells = ids.data() + column * sizeZ;
        std::copy(cells + shift, cells + sizeZ, cells);
        std::fill(cells + sizeZ - shift, cells + sizeZ, 0u);
    }
}

} // namespace

std::vector<uint32_t> FilmExtraction::extract(TotalVolume &source) const
{
    const std::vector<uint32_t> cells = source.materialIds();
    const auto seed = std::find(cells.begin(), cells.end(), materialId);
    if (materialId == 0 || seed == cells.end())
        return {};
    const uint32_t sx = source.getSizeX(), sy = source.getSizeY(), sz = source.getSizeZ();
    std::vector<uint32_t> result(cells.size(), 0u);
    std::vector<bool> visited(cells.size());
    std::deque<size_t> queue{size_t(seed - cells.begin())};
    visited[queue.front()] = true;
    uint32_t lowest = sz;
    while (!queue.empty()) {
        const size_t index = queue.front();
        queue.pop_front();
        if (cells[index] != materialId)
            continue;
        const uint32_t x = uint32_t(index / (size_t(sy) * sz));
        const uint32_t y = uint32_t((index / sz) % sy);
        const uint32_t z = uint32_t(index % sz);
        const uint32_t targetY = invert ? sy - 1 - y : y;
        const uint32_t targetZ = invert ? sz - 1 - z : z;
        result[source.cellIndex(x, targetY, targetZ)] = materialId;
        lowest = std::min(lowest, targetZ);
        const bool has[6] = {x > 0, x + 1 < sx, y > 0, y + 1 < sy, z > 0, z + 1 < sz};
        const size_t next[6] = {
            index - size_t(sy) * sz, index + size_t(sy) * sz, index - sz, index + sz, index - 1, index + 1};
        for (int k = 0; k < 6; ++k) {
            if (has[k] && !visited[next[k]]) {
                visited[next[k]] = true;
                queue.push_back(next[k]);
            }
        }
    }
    shiftColumnsDown(result, size_t(sx) * sy, sz, lowest);
    return result;
}

std::shared_ptr<TotalVolume> FilmExtraction::run(TotalVolume &source) const
{
    const std::vector<uint32_t> ids = extract(source);
    if (ids.empty())
        return nullptr;
    auto film = std::make_shared<TotalVolume>(source.getSizeX(), source.getSizeY(), source.getSizeZ(),
                                              source.getCellSizeX(), source.getCellSizeY(),
                                              source.getCellSizeZ(), source.getPosition(), ids);
    const float cell = std::max({source.getCellSizeX(), source.getCellSizeY(), source.getCellSizeZ()});
    film->translate(Util::Vector3D((double(source.getSizeX()) + 10.0) * cell, 0.0, 0.0));
    return film;
}

} // namespace Core::Operations
