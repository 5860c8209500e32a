#pragma once

#include "Model/Materials/Material.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace Model::Automaton {

// How a colour's alpha lets a cell show: no faces, faces drawn blended, or solid faces.
enum class AlphaClass : uint8_t { Invisible, Translucent, Opaque };

// opaque: a > 254/255; translucent: 1/255 <= a <= 254/255; invisible: a < 1/255.
AlphaClass classifyAlpha(float alpha);

// Material id -> colour, taken from the materials catalogue. Material 0 ("Empty") and ids the
// catalogue does not know map to (0, 0, 0, 0), which is invisible. Lookups are array reads for
// the ids the catalogue uses in practice, so the cell loops stay tight.
class MaterialColorMap {
public:
    MaterialColorMap();

    // The catalogue's current colours.
    static MaterialColorMap fromCatalogue();

    void clear();
    void setColor(uint32_t materialId, const Materials::RgbaColor &color);

    bool contains(uint32_t materialId) const;
    const Materials::RgbaColor &color(uint32_t materialId) const
    {
        return materialId < denseColors.size() ? denseColors[materialId] : sparseColor(materialId);
    }
    AlphaClass alphaClass(uint32_t materialId) const
    {
        return materialId < denseClasses.size() ? denseClasses[materialId] : sparseClass(materialId);
    }
    // Ids below this are held in plain arrays; larger ones are looked up in a hash map.
    uint32_t denseIdCount() const { return uint32_t(denseClasses.size()); }

private:
    const Materials::RgbaColor &sparseColor(uint32_t materialId) const;
    AlphaClass sparseClass(uint32_t materialId) const;

    std::vector<Materials::RgbaColor> denseColors;
    std::vector<AlphaClass> denseClasses;
    std::vector<bool> densePresent;
    std::unordered_map<uint32_t, Materials::RgbaColor> sparseColors;
};

} // namespace Model::Automaton
