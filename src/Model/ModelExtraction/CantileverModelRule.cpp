#include "Model/ModelExtraction/CantileverModelRule.h"

#include "Model/ModelExtraction/BlockDecomposition.h"
#include "Model/ModelExtraction/CantileverStructure.h"

#include <algorithm>

namespace Model::ModelExtraction {
namespace {

constexpr uint32_t kSilicon = 1;

uint32_t distance(uint32_t a, uint32_t b)
{
    const int32_t difference = int32_t(a) - int32_t(b);
    return uint32_t(difference < 0 ? -difference : difference);
}

bool isFreeTip(const Block &block)
{
    return block.materialId != kSilicon && block.neighbourCount() == 1 && !block.neighbour(UpperZ)
           && !block.neighbour(LowerZ);
}

} // namespace

std::shared_ptr<IStructure> CantileverModelRule::apply(const BlockDecomposition &decomposition)
{
    anchors.clear();
    tips.clear();
    segments.clear();
    for (const Block &block : decomposition.getBlocks()) {
        if (block.materialId == kSilicon)
            anchors.push_back(&block);
        if (isFreeTip(block))
            tips.push_back(&block);
    }
    if (tips.empty())
        return nullptr;
    for (const Block *tip : tips)
        segments.push_back(segmentFrom(*tip));
    tips.clear();
    return std::make_shared<CantileverStructure>(segments);
}

QString CantileverModelRule::netlistOf(Model::Automaton::TotalVolume &volume)
{
    const BlockDecomposition decomposition(volume);
    CantileverModelRule rule;
    const auto structure = rule.apply(decomposition);
    return structure ? structure->netlist() : QString();
}

// Walks from the tip towards its one side neighbour while the beam goes on straight: a block of
// the tip's material between exactly two neighbours, one of them further along the way.
Block CantileverModelRule::segmentFrom(const Block &tip)
{
    int direction = UpperY;
    for (int candidate : {LowerX, UpperX, LowerY}) {
        if (tip.neighbour(candidate)) {
            direction = candidate;
            break;
        }
    }
    Block segment = tip.withoutNeighbours();
    for (const Block *b = tip.neighbour(direction);
         b && b->materialId == tip.materialId && b->neighbourCount() == 2 && b->neighbour(direction);
         b = b->neighbour(direction)) {
        segment.sizeX += distance(b->x, segment.x);
        segment.sizeY += distance(b->y, segment.y);
        segment.sizeZ += distance(b->z, segment.z);
        segment.x = std::min(segment.x, b->x);
        segment.y = std::min(segment.y, b->y);
        segment.z = std::min(segment.z, b->z);
    }
    return segment;
}

} // namespace Model::ModelExtraction
