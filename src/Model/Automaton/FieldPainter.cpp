#include "Model/Automaton/FieldPainter.h"

#include <algorithm>
#include <limits>

namespace Model::Automaton {
namespace {

// The per-cell value of the chosen distribution, and whether the cell shows it.
class CountValues {
public:
    CountValues(uint32_t distribution, const ParticleCountField *n, const ParticleCountField *p)
        : distribution(distribution), n(n), p(p)
    {
    }
    bool available() const
    {
        return distribution == FieldPainter::SignedSum ? (n && p) : selected() != nullptr;
    }
    int64_t value(size_t cell) const
    {
        switch (distribution) {
        case FieldPainter::PType: return int64_t((*p)[cell].total());
        case FieldPainter::SignedSum: return int64_t((*p)[cell].total()) - int64_t((*n)[cell].total());
        default: return int64_t((*n)[cell].total());
        }
    }
    // N and P counts show when above zero, the signed sum when not zero.
    bool shows(int64_t v) const { return distribution == FieldPainter::SignedSum ? v != 0 : v > 0; }

private:
    const ParticleCountField *selected() const { return distribution == FieldPainter::PType ? p : n; }

    uint32_t distribution;
    const ParticleCountField *n;
    const ParticleCountField *p;
};

// Colours a cell from the scale when it shows a count, else by its material.
class FieldColorSource {
public:
    static constexpr bool kClassByMaterial = false;

    FieldColorSource(const CountValues &values, const ColorScale &scale, const MaterialColorMap &materials)
        : values(values), scale(scale), materials(materials), active(values.available()),
          scaleClass(classifyAlpha(scale.entry(0).a)) // every entry of a scale has the same alpha
    {
    }
    bool showsCount(size_t cell) const { return active && values.shows(values.value(cell)); }
    AlphaClass classOf(size_t cell, uint32_t materialId) const
    {
        return showsCount(cell) ? scaleClass : materials.alphaClass(materialId);
    }
    Materials::RgbaColor colorOf(size_t cell, uint32_t materialId) const
    {
        if (active) {
            const int64_t v = values.value(cell);
            if (values.shows(v))
                return scale.colorAt(float(v));
        }
        return materials.color(materialId);
    }

private:
    const CountValues &values;
    const ColorScale &scale;
    const MaterialColorMap &materials;
    bool active;
    AlphaClass scaleClass;
};

// The smallest and largest value over the non-empty cells, when there is one.
struct ValueRange {
    int64_t minimum = std::numeric_limits<int64_t>::max();
    int64_t maximum = std::numeric_limits<int64_t>::min();
    bool isEmpty() const { return minimum > maximum; }
};

ValueRange valueRange(const Voxel *cells, const CellGrid &grid, const CountValues &values)
{
    auto parts =
        runSlicedBuild<ValueRange>(0, grid.sizeX, [&](const Util::SlabRange &slice, ValueRange &range) {
            for (size_t i = grid.index(slice.begin, 0, 0), end = grid.index(slice.end, 0, 0); i < end; ++i) {
                if (cells[i].materialId == 0)
                    continue;
                const int64_t v = values.value(i);
                range.minimum = std::min(range.minimum, v);
                range.maximum = std::max(range.maximum, v);
            }
        });
    ValueRange total;
    for (const ValueRange &part : parts) {
        total.minimum = std::min(total.minimum, part.minimum);
        total.maximum = std::max(total.maximum, part.maximum);
    }
    return total;
}

const ParticleCountField *usable(const SharedParticleCountField &field, size_t cellCount)
{
    return field && field->size() >= cellCount ? field.get() : nullptr;
}

std::vector<Materials::RgbaColor> faceColors(const std::vector<Geometry::QuadFace> &faces)
{
    std::vector<Materials::RgbaColor> colors;
    colors.reserve(faces.size());
    for (const Geometry::QuadFace &face : faces)
        colors.push_back(face.faceColor);
    return colors;
}

void applyColors(std::vector<Geometry::QuadFace> &faces, const std::vector<Materials::RgbaColor> &colors)
{
    for (size_t i = 0; i < faces.size() && i < colors.size(); ++i)
        faces[i].faceColor = faces[i].edgeColor = colors[i];
}

} // namespace

void FieldPainter::build(const Voxel *cells, const CellGrid &grid, const CutBox &box,
                         SharedParticleCountField nField, SharedParticleCountField pField,
                         const MaterialColorMap &materialColors)
{
    clear();
    const size_t cellCount = size_t(grid.sizeX) * grid.sizeY * grid.sizeZ;
    const CountValues values(distribution, usable(nField, cellCount), usable(pField, cellCount));
    const ValueRange range = values.available() ? valueRange(cells, grid, values) : ValueRange();
    if (range.isEmpty())
        scale.setRange(0.0f, 1.0f);
    else
        scale.setRange(float(range.minimum), float(range.maximum));
    const FieldColorSource source(values, scale, materialColors);
    lists = CubicFaceBuilder<FieldColorSource>(cells, grid, box, source).build();
    builtOpaqueColors = faceColors(lists.opaque);
    builtTransparentColors = faceColors(lists.transparent);
}

void FieldPainter::clear()
{
    lists = CubicFaceLists();
    std::vector<Materials::RgbaColor>().swap(builtOpaqueColors);
    std::vector<Materials::RgbaColor>().swap(builtTransparentColors);
}

void FieldPainter::restoreBuiltColors()
{
    applyColors(lists.opaque, builtOpaqueColors);
    applyColors(lists.transparent, builtTransparentColors);
}

} // namespace Model::Automaton
