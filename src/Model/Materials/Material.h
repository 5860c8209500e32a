#pragma once

#include <QString>
#include <cstdint>

namespace Model::Materials {

// Red, green, blue and alpha, each 0..1.
struct RgbaColor {
    float r = 0.5f;
    float g = 0.5f;
    float b = 0.5f;
    float a = 1.0f;
    bool operator==(const RgbaColor &o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
};

// One catalogue entry: a plain value record, copied freely. Id 0 is the "Empty" material.
class Material {
public:
    // The "Empty" material.
    Material();
    Material(uint32_t id, const QString &name, float density, float youngModulus, float poissonRatio,
             RgbaColor color = RgbaColor());

    uint32_t getId() const { return id; }
    void setId(uint32_t value) { id = value; }
    const QString &getName() const { return name; }
    void setName(const QString &value) { name = value; }
    float getDensity() const { return density; }
    void setDensity(float value) { density = value; }
    float getYoungModulus() const { return youngModulus; }
    void setYoungModulus(float value) { youngModulus = value; }
    float getPoissonRatio() const { return poissonRatio; }
    void setPoissonRatio(float value) { poissonRatio = value; }
    const RgbaColor &getColor() const { return color; }
    void setColor(const RgbaColor &value) { color = value; }

    bool operator==(const Material &o) const;

private:
    uint32_t id = 0;
    QString name;
    float density = 0.0f;      // kg/m³
    float youngModulus = 0.0f; // Pa
    float poissonRatio = 0.0f; // dimensionless
    RgbaColor color;
};

} // namespace Model::Materials
