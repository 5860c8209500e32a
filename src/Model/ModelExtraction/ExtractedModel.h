#pragma once

#include "Model/ModelExtraction/Block.h"
#include "Model/Object.h"

#include <vector>

namespace Model::ModelExtraction {

// A scene object that shows blocks of a model extraction: the decomposition of a volume or the
// segments found in it, each block a box in its own colour with grey outlines.
class ExtractedModel : public Model::Object {
public:
    static constexpr uint32_t kType = 2;
    // Drawn height of one cell layer, relative to the cell width.
    static constexpr float kLayerHeight = 0.35355246f;

    explicit ExtractedModel(std::vector<Block> blocks) : blocks(std::move(blocks)) {}

    uint32_t getType() const override { return kType; }
    void draw(bool solidsShown, bool edgesShown, const Util::Vector4D &eye) override;
    void refreshDrawingData() override {}
    std::shared_ptr<Object> clone() const override;
    void translate(const Util::Vector3D &displacement) override;
    std::optional<Util::Box3D> drawnBounds() const override;

    const std::vector<Block> &getBlocks() const { return blocks; }
    Util::Vector3D getPosition() const { return Util::Vector3D(position[0], position[1], position[2]); }

private:
    void drawBlock(const Block &block);

    std::vector<Block> blocks;
    float position[3] = {0.0f, 0.0f, 0.0f};
    uint32_t colorCounter = 0;
};

} // namespace Model::ModelExtraction
