#pragma once

#include "Core/Operations/VolumeStepOperation.h"

#include <atomic>
#include <memory>
#include <string>

namespace Core::Operations {

// Each operation class numbers its instances from 0; the number keys its history records.
template <class OperationClass> uint32_t nextInstanceNumber()
{
    static std::atomic<uint32_t> counter{0};
    return counter.fetch_add(1);
}

// A process step kept for undo: around the engine's run it records the cells before (undo
// file) and after (redo file), and finishes with an undo entry. Undo and redo reload the cells
// from the two history records.
class CellProcessOperation : public ProcessStepMachine<ObjectOperation> {
public:
    CellProcessOperation(Core::Workspace &workspace, std::string name, uint32_t operationId,
                         std::string historyKey, uint32_t instance);

    int undo() override;
    void redo() override;

    uint32_t getInstance() const { return instance; }

protected:
    void apply(Model::Automaton::TotalVolume &volume) override;
    // Puts back the cells as recorded before the run.
    void recover(Model::Automaton::TotalVolume &volume) override;

private:
    void restoreFrom(bool undoFile);

    std::string historyKey;
    uint32_t instance;
};

} // namespace Core::Operations
