#include "Model/Automaton/FaceVertexArrays.h"

#include "Model/Automaton/ColoredVertexArrays.h"

#include <GL/gl.h>

#include <algorithm>
#include <climits>

namespace Model::Automaton {
namespace {

void appendColor(std::vector<float> &out, const Materials::RgbaColor &color)
{
    for (int corner = 0; corner < 4; ++corner)
        out.insert(out.end(), {color.r, color.g, color.b, color.a});
}

} // namespace

void FaceVertexArrays::ensureGeometry(const std::vector<Geometry::QuadFace> &faces)
{
    if (geometryValid)
        return;
    positions.clear();
    normals.clear();
    faceColors.clear();
    positions.reserve(faces.size() * 12);
    normals.reserve(faces.size() * 12);
    faceColors.reserve(faces.size() * 16);
    for (const Geometry::QuadFace &face : faces) {
        for (const Geometry::Point3 &corner : face.corners) {
            positions.insert(positions.end(), corner.begin(), corner.end());
            normals.insert(normals.end(), face.normal().begin(), face.normal().end());
        }
        appendColor(faceColors, face.faceColor);
    }
    geometryValid = true;
}

void FaceVertexArrays::ensureEdgeColors(const std::vector<Geometry::QuadFace> &faces)
{
    if (edgeColorsValid)
        return;
    edgeColors.clear();
    edgeColors.reserve(faces.size() * 16);
    for (const Geometry::QuadFace &face : faces)
        appendColor(edgeColors, face.edgeColor);
    edgeColorsValid = true;
}

void FaceVertexArrays::drawFaces(const std::vector<Geometry::QuadFace> &faces)
{
    ensureGeometry(faces);
    drawArrays(faceColors.data(), nullptr);
}

void FaceVertexArrays::drawEdges(const std::vector<Geometry::QuadFace> &faces)
{
    ensureGeometry(faces);
    ensureEdgeColors(faces);
    drawArrays(edgeColors.data(), nullptr);
}

void FaceVertexArrays::drawFacesInOrder(const std::vector<Geometry::QuadFace> &faces,
                                        const std::vector<uint32_t> &order)
{
    ensureGeometry(faces);
    orderIndices.clear();
    orderIndices.reserve(order.size() * 4);
    for (uint32_t face : order) {
        if (face >= faces.size())
            continue;
        for (uint32_t corner = 0; corner < 4; ++corner)
            orderIndices.push_back(face * 4 + corner);
    }
    drawArrays(faceColors.data(), &orderIndices);
}

void FaceVertexArrays::drawArrays(const float *colorArray, const std::vector<uint32_t> *indices)
{
    const size_t vertexCount = positions.size() / 3;
    if (vertexCount == 0 || vertexCount > size_t(INT_MAX))
        return;
    const GLsizei indexCount = indices ? GLsizei(std::min(indices->size(), size_t(INT_MAX))) : 0;
    drawColoredVertexArrays(GL_QUADS, positions.data(), normals.data(), colorArray, GLsizei(vertexCount),
                            indices, indexCount);
}

} // namespace Model::Automaton
