#pragma once

#include "Core/Operations/VolumeStepOperation.h"

#include <memory>

namespace Core::Operations {

// Copies a film (one connected piece of a material) out of a chosen cell volume into a new
// volume beside it, optionally turned over. The observer asks for the material and the invert
// flag; undo removes the new volume, redo adds it again.
class ExtractFilm : public VolumeStepMachine<ObjectOperation> {
public:
    explicit ExtractFilm(Core::Workspace &workspace);

    int undo() override;
    void redo() override;

    void setFilm(uint32_t materialId, bool invert);

    std::shared_ptr<Model::Automaton::TotalVolume> getSource() const { return getVolume(); }
    std::shared_ptr<Model::Automaton::TotalVolume> getFilm() const { return film; }

protected:
    std::shared_ptr<Model::Automaton::TotalVolume> chooseVolume() override;
    bool isReady() const override { return materialGiven; }
    bool waitsWhenNotReady() const override { return true; }
    void apply(Model::Automaton::TotalVolume &source) override;
    void abandon() override;
    std::string finishedSentence() const override;
    // A material that does not occur in the volume extracts nothing: no empty volume is made and
    // nothing is left to undo.
    bool keepsUndoEntry() const override { return film != nullptr; }

private:
    std::shared_ptr<Model::Automaton::TotalVolume> film;
    uint32_t materialId = 0;
    bool materialGiven = false;
    bool invert = false;
};

} // namespace Core::Operations
