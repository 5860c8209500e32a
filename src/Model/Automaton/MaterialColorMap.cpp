#include "Model/Automaton/MaterialColorMap.h"

#include "Model/Materials/MaterialFactory.h"

namespace Model::Automaton {
namespace {

// Ids below this are held in plain arrays (built-in ids and the random user ids 2000..32767
// fit); larger ids, which only odd files carry, go to a hash map.
constexpr uint32_t kDenseIdLimit = 1u << 16;

const Materials::RgbaColor kNoColor{0.0f, 0.0f, 0.0f, 0.0f};

} // namespace

AlphaClass classifyAlpha(float alpha)
{
    if (alpha > 254.0f / 255.0f)
        return AlphaClass::Opaque;
    if (alpha >= 1.0f / 255.0f)
        return AlphaClass::Translucent;
    return AlphaClass::Invisible;
}

MaterialColorMap::MaterialColorMap()
{
    clear();
}

MaterialColorMap MaterialColorMap::fromCatalogue()
{
    MaterialColorMap map;
    for (const Materials::Material &material : Materials::MaterialFactory::instance()->getMaterials())
        map.setColor(material.getId(), material.getColor());
    map.setColor(0, kNoColor);
    return map;
}

void MaterialColorMap::clear()
{
    denseColors.assign(1, kNoColor);
    denseClasses.assign(1, AlphaClass::Invisible);
    densePresent.assign(1, true);
    sparseColors.clear();
}

void MaterialColorMap::setColor(uint32_t materialId, const Materials::RgbaColor &color)
{
    if (materialId >= kDenseIdLimit) {
        sparseColors[materialId] = color;
        return;
    }
    if (materialId >= denseColors.size()) {
        denseColors.resize(materialId + 1, kNoColor);
        denseClasses.resize(materialId + 1, AlphaClass::Invisible);
        densePresent.resize(materialId + 1, false);
    }
    denseColors[materialId] = color;
    denseClasses[materialId] = classifyAlpha(color.a);
    densePresent[materialId] = true;
}

bool MaterialColorMap::contains(uint32_t materialId) const
{
    if (materialId < densePresent.size())
        return densePresent[materialId];
    return sparseColors.count(materialId) != 0;
}

const Materials::RgbaColor &MaterialColorMap::sparseColor(uint32_t materialId) const
{
    const auto found = sparseColors.find(materialId);
    return found == sparseColors.end() ? kNoColor : found->second;
}

AlphaClass MaterialColorMap::sparseClass(uint32_t materialId) const
{
    return classifyAlpha(sparseColor(materialId).a);
}

} // namespace Model::Automaton
