#pragma once

#include "Model/ModelExtraction/Block.h"
#include "Model/ModelExtraction/IModelRule.h"

#include <QString>

#include <vector>

namespace Model::Automaton {
class TotalVolume;
}

namespace Model::ModelExtraction {

// Finds cantilever beams: a beam ends in a free tip (a non-silicon block with one neighbour at
// its side and nothing above or below it) and reaches back along its neighbours of the same
// material that continue it in a straight line. Silicon (material 1) blocks are the anchors.
class CantileverModelRule : public IModelRule {
public:
    std::shared_ptr<IStructure> apply(const BlockDecomposition &decomposition) override;

    const std::vector<Block> &getSegments() const { return segments; }

    // The three extraction steps at once: decompose the volume, find its cantilevers and write
    // their netlist; "" when the volume has no free cantilever end.
    static QString netlistOf(Model::Automaton::TotalVolume &volume);

private:
    static Block segmentFrom(const Block &tip);

    std::vector<const Block *> anchors;
    std::vector<const Block *> tips;
    std::vector<Block> segments;
};

} // namespace Model::ModelExtraction
