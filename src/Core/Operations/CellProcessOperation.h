#pragma once

#include "Core/Operations/Operation.h"

#include <atomic>
#include <memory>
#include <string>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Operations {

// Each operation class numbers its instances from 0; the number keys its history records.
template <class OperationClass> uint32_t nextInstanceNumber()
{
    static std::atomic<uint32_t> counter{0};
    return counter.fetch_add(1);
}

// The step machine shared by every process that changes the cells of one volume: choose the
// volume, let the observer ask for the options, then record the cells (undo file), run the
// engine, record them again (redo file), rebuild the drawn surface, note the process in the
// workspace's per-volume records and finish with an undo entry. Undo and redo reload the cells
// from the two history records.
class CellProcessOperation : public ObjectOperation {
public:
    CellProcessOperation(Core::Workspace &workspace, std::string name, uint32_t operationId,
                         std::string historyKey, uint32_t instance);

    void execute() override;
    void cancel() override;
    void finish() override;
    int undo() override;
    void redo() override;

    std::shared_ptr<Model::Automaton::TotalVolume> getVolume() const { return volume; }
    uint32_t getInstance() const { return instance; }

protected:
    // Builds and runs the process's engine on the volume.
    virtual void runEngine(Model::Automaton::TotalVolume &volume) = 0;
    // Whether the run leaves the volume's silicon lattice outdated.
    virtual bool outdatesLattice() const = 0;
    // Whether the options needed to run were given; when not, finishing cancels instead.
    virtual bool isReady() const { return true; }

private:
    void apply();
    void restoreFrom(bool undoFile);

    std::shared_ptr<Model::Automaton::TotalVolume> volume;
    std::string historyKey;
    uint32_t instance;
    bool applied = false;
};

} // namespace Core::Operations
