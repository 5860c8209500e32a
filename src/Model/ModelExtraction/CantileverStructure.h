#pragma once

#include "Model/ModelExtraction/Block.h"
#include "Model/ModelExtraction/IStructure.h"

#include <vector>

namespace Model::ModelExtraction {

// Cantilever segments as a lumped model: each segment is a mass (a capacitor) and a compliance
// (an inductor) between its own node and ground.
class CantileverStructure : public IStructure {
public:
    explicit CantileverStructure(std::vector<Block> segments) : segments(std::move(segments)) {}

    QString netlist() const override;
    const std::vector<Block> &getSegments() const { return segments; }

    // Volume of one cell, and the density and Young modulus the model uses for a material.
    static constexpr double kCellVolume = 2.00129819772e-17;
    static double density(uint32_t materialId);
    static double youngModulus(uint32_t materialId);

private:
    std::vector<Block> segments;
};

} // namespace Model::ModelExtraction
