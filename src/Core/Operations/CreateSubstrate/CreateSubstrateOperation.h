#pragma once

#include "Core/Operations/CreateSubstrate/SubstrateDescription.h"
#include "Core/Operations/Operation.h"

#include <memory>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Operations {

// Creates a new cell volume with a block or ball of substrate material and adds it to the
// scene. The observer shows the options dialog; undo removes the volume, redo adds it again.
class CreateSubstrateOperation : public ObjectOperation {
public:
    explicit CreateSubstrateOperation(Core::Workspace &workspace);

    void execute() override;
    void cancel() override;
    void finish() override;
    int undo() override;
    void redo() override;

    void setBlockParameters(uint32_t material, uint32_t width, uint32_t length, uint32_t height,
                            const Util::Vector3D &position, uint32_t blockX, uint32_t blockY, uint32_t blockZ,
                            uint32_t blockWidth, uint32_t blockLength, uint32_t blockHeight);
    void setSphericalParameters(uint32_t material, uint32_t width, uint32_t length, uint32_t height,
                                const Util::Vector3D &position, uint32_t centerX, uint32_t centerY,
                                uint32_t centerZ, uint32_t radius);

    std::shared_ptr<Model::Automaton::TotalVolume> getVolume() const { return volume; }

private:
    void setVolume(uint32_t material, uint32_t width, uint32_t length, uint32_t height,
                   const Util::Vector3D &position);

    std::shared_ptr<Model::Automaton::TotalVolume> volume;
    SubstrateDescription description;
    bool parametersSet = false;
};

} // namespace Core::Operations
