#pragma once

#include <memory>
#include <string>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core {
class Workspace;
}

namespace Core::Operations {

class Operation;

// The two sentences of the choosing step, written after the operation's name.
struct CellVolumePrompts {
    const char *selected = "Cell volume selected.";
    const char *select = "Select a cell volume and press Enter/Return.";
};

// The choosing step most process operations start with. Takes the last selected cell volume,
// or the scene's only object when it is a cell volume, and writes "<name>: Cell volume
// selected."; otherwise writes "<name>: Select a cell volume and press Enter/Return.", waits
// for Enter with selection mode on, and returns null.
std::shared_ptr<Model::Automaton::TotalVolume>
chooseCellVolume(Operation &operation, Core::Workspace &workspace, const CellVolumePrompts &prompts = {});

// The cell volume among the selected objects (the last one wins), or null.
std::shared_ptr<Model::Automaton::TotalVolume> lastSelectedCellVolume(Core::Workspace &workspace);

} // namespace Core::Operations
