#pragma once

#include <QFile>
#include <QMap>
#include <QString>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <map>
#include <vector>

// Small readers for the exported files, written from the formats' descriptions, and the
// closed-form checks of a triangle mesh.
namespace ExportFiles {

using Vertex = std::array<float, 3>;

struct StlTriangle {
    Vertex normal;
    std::array<Vertex, 3> corners;
};

// A binary STL file's triangles; empty (with a test failure) when the file is malformed.
inline std::vector<StlTriangle> readStl(const QString &path)
{
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    uint32_t count = 0;
    if (bytes.size() >= 84)
        std::memcpy(&count, bytes.constData() + 80, 4);
    if (bytes.size() < 84 || uint64_t(bytes.size()) != 84 + uint64_t(count) * 50) {
        ADD_FAILURE() << "no binary STL in " << path.toStdString();
        return {};
    }
    std::vector<StlTriangle> triangles(count);
    for (uint32_t t = 0; t < count; ++t) {
        std::memcpy(triangles[t].normal.data(), bytes.constData() + 84 + size_t(t) * 50, 12);
        std::memcpy(triangles[t].corners.data(), bytes.constData() + 96 + size_t(t) * 50, 36);
    }
    return triangles;
}

// A VTK XML file with raw appended data: the attributes of every element (last one of a name
// wins) and each DataArray's bytes by name.
struct VtkXml {
    QMap<QString, QMap<QString, QString>> elements;
    QMap<QString, QByteArray> arrays;
    QMap<QString, QString> types;

    template <class T> std::vector<T> values(const QString &name) const
    {
        const QByteArray bytes = arrays.value(name);
        std::vector<T> out(size_t(bytes.size()) / sizeof(T));
        std::memcpy(out.data(), bytes.constData(), out.size() * sizeof(T));
        return out;
    }
};

inline VtkXml readVtkXml(const QString &path)
{
    VtkXml result;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray bytes = file.readAll();
    const int appended = bytes.indexOf("<AppendedData");
    const int start = bytes.indexOf('_', appended) + 1;
    if (appended < 0 || start <= 0) {
        ADD_FAILURE() << "no appended data in " << path.toStdString();
        return result;
    }
    QXmlStreamReader xml(bytes.left(appended));
    std::vector<std::pair<QString, uint64_t>> offsets;
    while (xml.readNext() != QXmlStreamReader::Invalid) {
        if (!xml.isStartElement())
            continue;
        QMap<QString, QString> attributes;
        for (const auto &attribute : xml.attributes())
            attributes.insert(attribute.name().toString(), attribute.value().toString());
        result.elements.insert(xml.name().toString(), attributes);
        if (xml.name() == QLatin1String("DataArray")) {
            offsets.emplace_back(attributes.value("Name"), attributes.value("offset").toULongLong());
            result.types.insert(attributes.value("Name"), attributes.value("type"));
        }
    }
    EXPECT_EQ(xml.error(), QXmlStreamReader::PrematureEndOfDocumentError) << xml.errorString().toStdString();
    for (const auto &[name, offset] : offsets) {
        uint64_t length = 0;
        const uint64_t at = uint64_t(start) + offset;
        if (at + 8 > uint64_t(bytes.size()))
            break;
        std::memcpy(&length, bytes.constData() + at, 8);
        if (at + 8 + length > uint64_t(bytes.size())) {
            ADD_FAILURE() << name.toStdString() << " runs past the end of " << path.toStdString();
            break;
        }
        result.arrays.insert(name, bytes.mid(int(at + 8), int(length)));
    }
    return result;
}

// The triangles of a PolyData file, corners taken through its connectivity.
inline std::vector<StlTriangle> polyTriangles(const VtkXml &poly)
{
    const auto points = poly.values<float>("Points");
    const auto connectivity = poly.values<int64_t>("connectivity");
    std::vector<StlTriangle> triangles(connectivity.size() / 3);
    for (size_t i = 0; i < connectivity.size(); ++i)
        for (int a = 0; a < 3; ++a)
            triangles[i / 3].corners[i % 3][size_t(a)] = points.at(size_t(connectivity[i]) * 3 + size_t(a));
    return triangles;
}

// The lowest and highest coordinates of the corners, per axis.
inline std::pair<Vertex, Vertex> bounds(const std::vector<StlTriangle> &triangles)
{
    Vertex low{1e30f, 1e30f, 1e30f}, high{-1e30f, -1e30f, -1e30f};
    for (const StlTriangle &t : triangles)
        for (const Vertex &v : t.corners)
            for (size_t a = 0; a < 3; ++a)
                low[a] = std::min(low[a], v[a]), high[a] = std::max(high[a], v[a]);
    return {low, high};
}

inline std::array<double, 3> cross(const std::array<double, 3> &a, const std::array<double, 3> &b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// What a closed, consistently oriented mesh must satisfy, and its size.
struct MeshFacts {
    bool everyEdgeTwiceOppositely = true; // each directed edge once, and its reverse once
    bool normalsFollowCornerOrder = true; // each stored normal points along (b - a) × (c - a)
    double signedVolume = 0.0;            // positive when the triangles face outwards
    double area = 0.0;
};

inline MeshFacts meshFacts(const std::vector<StlTriangle> &triangles)
{
    MeshFacts facts;
    std::map<Vertex, int> ids;
    std::map<std::pair<int, int>, int> directed;
    for (const StlTriangle &t : triangles) {
        int corner[3];
        for (int k = 0; k < 3; ++k)
            corner[k] = ids.emplace(t.corners[size_t(k)], int(ids.size())).first->second;
        for (int k = 0; k < 3; ++k)
            ++directed[{corner[k], corner[(k + 1) % 3]}];
        std::array<double, 3> p[3];
        for (int k = 0; k < 3; ++k)
            for (int a = 0; a < 3; ++a)
                p[k][size_t(a)] = t.corners[size_t(k)][size_t(a)];
        const auto n = cross({p[1][0] - p[0][0], p[1][1] - p[0][1], p[1][2] - p[0][2]},
                             {p[2][0] - p[0][0], p[2][1] - p[0][1], p[2][2] - p[0][2]});
        const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
        facts.area += length / 2.0;
        const double along = (n[0] * t.normal[0] + n[1] * t.normal[1] + n[2] * t.normal[2]) / length;
        if (!(along > 0.999))
            facts.normalsFollowCornerOrder = false;
        const auto c = cross(p[1], p[2]);
        facts.signedVolume += (p[0][0] * c[0] + p[0][1] * c[1] + p[0][2] * c[2]) / 6.0;
    }
    for (const auto &[edge, count] : directed) {
        const auto reverse = directed.find({edge.second, edge.first});
        if (count != 1 || reverse == directed.end() || reverse->second != 1)
            facts.everyEdgeTwiceOppositely = false;
    }
    return facts;
}

} // namespace ExportFiles
