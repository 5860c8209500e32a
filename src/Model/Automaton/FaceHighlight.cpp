#include "Model/Automaton/FaceHighlight.h"

namespace Model::Automaton {
namespace {

float shifted(float channel)
{
    return channel >= 0.7f ? channel - 0.7f : channel + 0.3f;
}

Materials::RgbaColor highlighted(const Materials::RgbaColor &c)
{
    return {shifted(c.r), shifted(c.g), shifted(c.b), c.a};
}

} // namespace

void highlightFaces(std::vector<Geometry::QuadFace> &faces)
{
    for (Geometry::QuadFace &face : faces) {
        face.faceColor = highlighted(face.faceColor);
        face.edgeColor = highlighted(face.edgeColor);
    }
}

void resetFaceColors(std::vector<Geometry::QuadFace> &faces, const MaterialColorMap &colors)
{
    for (Geometry::QuadFace &face : faces)
        face.faceColor = face.edgeColor = colors.color(face.materialId);
}

} // namespace Model::Automaton
