#include "Model/ModelExtraction/ExtractedModel.h"

#include <GL/gl.h>

namespace Model::ModelExtraction {
namespace {

constexpr float kColors[14][3] = {
    {1.0f, 0.0f, 0.0f}, {1.0f, 1.0f, 0.0f}, {1.0f, 1.0f, 1.0f}, {0.0f, 1.0f, 0.0f}, {0.0f, 1.0f, 1.0f},
    {1.0f, 0.0f, 1.0f}, {0.0f, 0.0f, 1.0f}, {0.5f, 0.0f, 0.0f}, {0.5f, 0.5f, 0.0f}, {0.5f, 0.5f, 0.5f},
    {0.0f, 0.5f, 0.0f}, {0.0f, 0.5f, 0.5f}, {0.5f, 0.0f, 0.5f}, {0.0f, 0.0f, 0.5f},
};

// The six faces of the unit box as corner bits (x, y, z), each with its outward normal, in the
// order −x, +x, −y, +y, −z, +z; corners run counter-clockwise seen from outside.
struct Face {
    float normal[3];
    int corners[4][3];
};
constexpr Face kFaces[6] = {
    {{-1, 0, 0}, {{0, 0, 0}, {0, 0, 1}, {0, 1, 1}, {0, 1, 0}}},
    {{1, 0, 0}, {{1, 0, 0}, {1, 1, 0}, {1, 1, 1}, {1, 0, 1}}},
    {{0, -1, 0}, {{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1}}},
    {{0, 1, 0}, {{0, 1, 0}, {0, 1, 1}, {1, 1, 1}, {1, 1, 0}}},
    {{0, 0, -1}, {{0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0}}},
    {{0, 0, 1}, {{0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}}},
};

} // namespace

void ExtractedModel::draw(bool, bool, const Util::Vector4D &)
{
    glPushMatrix();
    glTranslatef(position[0], position[1], position[2]);
    colorCounter = 0;
    for (const Block &block : blocks)
        drawBlock(block);
    glPopMatrix();
}

void ExtractedModel::drawBlock(const Block &block)
{
    const float lower[3] = {float(block.x), float(block.y), float(block.z) * kLayerHeight};
    const float size[3] = {float(block.sizeX), float(block.sizeY), float(block.sizeZ) * kLayerHeight};
    auto vertex = [&](const int corner[3]) {
        glVertex3f(lower[0] + corner[0] * size[0], lower[1] + corner[1] * size[1],
                   lower[2] + corner[2] * size[2]);
    };
    glColor3fv(kColors[colorCounter]);
    colorCounter = (colorCounter + 1) % 14;
    glBegin(GL_QUADS);
    for (const Face &face : kFaces) {
        glNormal3fv(face.normal);
        for (const auto &corner : face.corners)
            vertex(corner);
    }
    glEnd();
    glColor3f(0.25f, 0.25f, 0.25f);
    for (const Face &face : kFaces) {
        glBegin(GL_LINE_LOOP);
        for (const auto &corner : face.corners)
            vertex(corner);
        glEnd();
    }
}

std::shared_ptr<Object> ExtractedModel::clone() const
{
    auto copy = std::make_shared<ExtractedModel>(blocks);
    copy->translate(getPosition());
    return copy;
}

void ExtractedModel::translate(const Util::Vector3D &displacement)
{
    position[0] += float(displacement.x);
    position[1] += float(displacement.y);
    position[2] += float(displacement.z);
}

} // namespace Model::ModelExtraction
