#include "Model/ModelExtraction/CantileverStructure.h"

#include "Model/Materials/MaterialFactory.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace Model::ModelExtraction {
namespace {

// The model's own constants for the built-in materials, by id. Material 16 has a density but
// no modulus of its own.
constexpr std::array<double, 17> kDensity = {0.0,    2329.0, 2700.0, 8940.0, 8908.0, 2648.0,
                                             2810.0, 1000.0, 1000.0, 1000.0, 1000.0, 1000.0,
                                             1000.0, 1000.0, 1000.0, 1000.0, 0.0};
constexpr uint32_t kModulusTableSize = 16;
constexpr double kModulus = 7.0e10;

// A product of cell counts as a signed 32-bit number, wrapping as 32-bit arithmetic does.
int32_t product32(std::initializer_list<uint32_t> factors)
{
    uint32_t product = 1;
    for (const uint32_t factor : factors)
        product *= factor;
    return int32_t(product);
}

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

} // namespace

// Materials the table does not cover (user materials) take the catalogue's density.
double CantileverStructure::density(uint32_t materialId)
{
    if (materialId < kDensity.size())
        return kDensity[materialId];
    return Model::Materials::MaterialFactory::instance()->getMaterialById(materialId).getDensity();
}

// Materials the table does not cover (16 and the user materials) take the catalogue's modulus.
double CantileverStructure::youngModulus(uint32_t materialId)
{
    if (materialId == 0)
        return 0.0;
    if (materialId < kModulusTableSize)
        return kModulus;
    return Model::Materials::MaterialFactory::instance()->getMaterialById(materialId).getYoungModulus();
}

QString CantileverStructure::netlist() const
{
    QString text = QStringLiteral("Model extracted by Cellfab\n");
    int element = 1;
    int node = 1;
    for (const Block &segment : segments) {
        const uint32_t w = segment.sizeX, l = segment.sizeY, h = segment.sizeZ;
        const double mass =
            double(product32({w, l, h})) * kCellVolume * density(segment.materialId) * 33.0 / 140.0;
        const uint32_t length = std::max(w, l);
        const uint32_t width = std::min(w, l);
        const double stiffness = 3.0 * youngModulus(segment.materialId) * double(product32({h, h, h, width}))
                                 / 12.0 / double(product32({length, length, length}));
        text += QStringLiteral("c%1 %2 0 %3 \n").arg(element).arg(node).arg(number(mass));
        text += QStringLiteral("l%1 %2 0 %3 \n").arg(node).arg(node).arg(number(1.0 / stiffness));
        ++element;
        ++node;
    }
    text += QStringLiteral(".end \n");
    return text;
}

} // namespace Model::ModelExtraction
