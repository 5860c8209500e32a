#pragma once

#include "Core/Operations/Operation.h"

#include <QString>

#include <memory>

namespace Model::Automaton {
class TotalVolume;
}
namespace Model::ModelExtraction {
class BlockDecomposition;
class ExtractedModel;
class IStructure;
} // namespace Model::ModelExtraction

namespace Core::Operations {

// Extracts a lumped model of the cantilevers of a cell volume in three steps the user runs from
// a small modeless dialog: decompose the volume into blocks (shown instead of the volume), find
// the cantilever segments (shown beside it), and hand out their netlist for saving.
class RunModelExtraction : public Operation {
public:
    enum State { Choosing = 0, DialogOpen = 1, Done = 2 };

    explicit RunModelExtraction(Core::Workspace &workspace);

    void execute() override;
    void cancel() override;
    void finish() override;

    // Closes the dialog when the operation is cancelled.
    void setDialogCloser(std::shared_ptr<Util::IObserver> closer) { dialogCloser = std::move(closer); }

    void runPreprocessing();
    void runFeatureDetection();
    // The netlist of the found structure; "" when none was found.
    QString modelNetlist() const;

    State getState() const { return state; }
    std::shared_ptr<Model::Automaton::TotalVolume> getVolume() const { return volume; }
    std::shared_ptr<Model::ModelExtraction::ExtractedModel> getBlockModel() const { return blockModel; }
    std::shared_ptr<Model::ModelExtraction::ExtractedModel> getSegmentModel() const { return segmentModel; }

private:
    void post(const char *sentence);
    void removeDisplays();

    State state = Choosing;
    std::shared_ptr<Model::Automaton::TotalVolume> volume;
    std::shared_ptr<Model::ModelExtraction::ExtractedModel> blockModel;
    std::shared_ptr<Model::ModelExtraction::ExtractedModel> segmentModel;
    std::shared_ptr<Model::ModelExtraction::BlockDecomposition> decomposition;
    std::shared_ptr<Model::ModelExtraction::IStructure> structure;
    std::shared_ptr<Util::IObserver> dialogCloser;
};

} // namespace Core::Operations
