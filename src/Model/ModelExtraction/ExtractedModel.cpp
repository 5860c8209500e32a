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

// Where a block is drawn, before the model's position.
Util::Box3D boxOf(const Block &block)
{
    const Util::Vector3D lower(block.x, block.y, double(block.z) * ExtractedModel::kLayerHeight);
    const Util::Vector3D size(block.sizeX, block.sizeY, double(block.sizeZ) * ExtractedModel::kLayerHeight);
    return Util::Box3D{lower, lower + size};
}

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
    const Util::Box3D box = boxOf(block);
    auto vertex = [&](const int corner[3]) {
        glVertex3d(corner[0] ? box.upper.x : box.lower.x, corner[1] ? box.upper.y : box.lower.y,
                   corner[2] ? box.upper.z : box.lower.z);
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

std::optional<Util::Box3D> ExtractedModel::drawnBounds() const
{
    if (blocks.empty())
        return std::nullopt;
    Util::Box3D box = boxOf(blocks.front());
    for (const Block &block : blocks)
        box = box.united(boxOf(block));
    return box.shifted(getPosition());
}

} // namespace Model::ModelExtraction
