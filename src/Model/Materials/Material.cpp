#include "Model/Materials/Material.h"

namespace Model::Materials {

Material::Material() : id(0), name(QStringLiteral("Empty")) {}

Material::Material(uint32_t id, const QString &name, float density, float youngModulus, float poissonRatio,
                   RgbaColor color)
    : id(id), name(name), density(density), youngModulus(youngModulus), poissonRatio(poissonRatio),
      color(color)
{
}

bool Material::operator==(const Material &o) const
{
    return id == o.id && name == o.name && density == o.density && youngModulus == o.youngModulus
           && poissonRatio == o.poissonRatio && color == o.color;
}

} // namespace Model::Materials
