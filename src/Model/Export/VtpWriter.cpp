#include "Model/Export/VtpWriter.h"

#include "Model/Export/VtkXmlFile.h"

#include <algorithm>

namespace Model::Export {
namespace {

constexpr size_t kChunkValues = size_t(1) << 14;

// Streams values(i), i < count, as Int64.
template <class ValueAt> void writeInt64(SafeFileWriter &file, size_t count, ValueAt valueAt)
{
    std::vector<int64_t> chunk(std::min(count, kChunkValues));
    for (size_t begin = 0; begin < count; begin += chunk.size()) {
        const size_t end = std::min(count, begin + chunk.size());
        for (size_t i = begin; i < end; ++i)
            chunk[i - begin] = valueAt(i);
        file.write(chunk.data(), (end - begin) * sizeof(int64_t));
    }
}

} // namespace

bool writeVtp(const SurfaceMesh &mesh, const QString &path, QString *error)
{
    const size_t triangles = mesh.triangleCount();
    VtkXmlFile vtk("PolyData");
    QByteArray body = "  <PolyData>\n    <Piece NumberOfPoints=\""
                      + QByteArray::number(qulonglong(mesh.pointCount()))
                      + "\" NumberOfVerts=\"0\" NumberOfLines=\"0\" NumberOfStrips=\"0\" NumberOfPolys=\""
                      + QByteArray::number(qulonglong(triangles)) + "\">\n      <Points>\n";
    body += vtk.dataArray(
        "Float32", QStringLiteral("Points"), 3, mesh.points.size() * sizeof(float),
        [&](SafeFileWriter &file) { file.write(mesh.points.data(), mesh.points.size() * sizeof(float)); }, 8);
    body += "      </Points>\n      <CellData Scalars=\"material\">\n";
    body += vtk.dataArray(
        "UInt32", QStringLiteral("material"), 1, triangles * sizeof(uint32_t),
        [&](SafeFileWriter &file) { file.write(mesh.materials.data(), triangles * sizeof(uint32_t)); }, 8);
    body += "      </CellData>\n      <Polys>\n";
    body += vtk.dataArray(
        "Int64", QStringLiteral("connectivity"), 1, triangles * 3 * sizeof(int64_t),
        [&](SafeFileWriter &file) {
            writeInt64(file, triangles * 3, [&](size_t i) { return int64_t(mesh.triangles[i]); });
        },
        8);
    body += vtk.dataArray(
        "Int64", QStringLiteral("offsets"), 1, triangles * sizeof(int64_t),
        [&](SafeFileWriter &file) {
            writeInt64(file, triangles, [](size_t i) { return int64_t(i + 1) * 3; });
        },
        8);
    body += "      </Polys>\n    </Piece>\n  </PolyData>\n";
    return vtk.write(path, body, error);
}

} // namespace Model::Export
