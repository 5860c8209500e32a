#include "Model/Export/StlWriter.h"

#include "Model/Export/SafeFileWriter.h"

#include <QtEndian>

#include <array>
#include <cmath>
#include <cstring>

namespace Model::Export {
namespace {

constexpr size_t kHeaderBytes = 80;
constexpr size_t kRecordBytes = 50;

using Vec3 = std::array<float, 3>;

Vec3 unitNormal(const float *a, const float *b, const float *c)
{
    const double u[3] = {double(b[0]) - a[0], double(b[1]) - a[1], double(b[2]) - a[2]};
    const double v[3] = {double(c[0]) - a[0], double(c[1]) - a[1], double(c[2]) - a[2]};
    const double n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (!(length > 0.0))
        return {0.0f, 0.0f, 0.0f};
    return {float(n[0] / length), float(n[1] / length), float(n[2] / length)};
}

// Little-endian float, whatever the host's byte order.
char *putFloat(char *out, float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    qToLittleEndian(bits, out);
    return out + 4;
}

} // namespace

bool writeStl(const SurfaceMesh &mesh, const QString &path, QString *error)
{
    SafeFileWriter file(path);
    if (file.open()) {
        // A binary file must not start with "solid", which would announce the text form.
        char header[kHeaderBytes] = {};
        const char title[] = "Cellfab surface mesh (binary STL, in the volume's length units)";
        std::memcpy(header, title, sizeof title - 1);
        file.write(header, kHeaderBytes);
        const size_t count = mesh.triangleCount();
        char countBytes[4];
        qToLittleEndian(uint32_t(std::min<size_t>(count, UINT32_MAX)), countBytes);
        file.write(countBytes, 4);
        const float *points = mesh.points.data();
        for (size_t t = 0; t < count; ++t) {
            const float *corner[3];
            for (int k = 0; k < 3; ++k)
                corner[k] = points + size_t(mesh.triangles[t * 3 + size_t(k)]) * 3;
            char record[kRecordBytes] = {};
            char *out = record;
            for (float value : unitNormal(corner[0], corner[1], corner[2]))
                out = putFloat(out, value);
            for (const float *p : corner)
                for (int axis = 0; axis < 3; ++axis)
                    out = putFloat(out, p[axis]);
            file.write(record, kRecordBytes);
        }
    }
    if (file.commit())
        return true;
    if (error)
        *error = file.error();
    return false;
}

} // namespace Model::Export
