#pragma once

#include "Core/Operations/Operation.h"

#include <memory>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Operations {

// Copies a film (one connected piece of a material) out of a chosen cell volume into a new
// volume beside it, optionally turned over. The observer asks for the material and the invert
// flag; undo removes the new volume, redo adds it again.
class ExtractFilm : public ObjectOperation {
public:
    explicit ExtractFilm(Core::Workspace &workspace);

    void execute() override;
    void cancel() override;
    void finish() override;
    int undo() override;
    void redo() override;

    void setFilm(uint32_t materialId, bool invert);

    std::shared_ptr<Model::Automaton::TotalVolume> getSource() const { return source; }
    std::shared_ptr<Model::Automaton::TotalVolume> getFilm() const { return film; }

private:
    std::shared_ptr<Model::Automaton::TotalVolume> source;
    std::shared_ptr<Model::Automaton::TotalVolume> film;
    uint32_t materialId = 0;
    bool materialGiven = false;
    bool invert = false;
    bool extracted = false;
};

} // namespace Core::Operations
