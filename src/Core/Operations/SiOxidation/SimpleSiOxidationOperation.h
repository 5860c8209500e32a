#pragma once

#include "Core/Operations/SiOxidation/OxidationSettings.h"
#include "Core/Operations/VolumeProcessOperation.h"

namespace Core::Operations {

// Thermal oxidation of the chosen cell volume (no undo record), to an oxide thickness or for a
// time. Runs only once a thickness or a time was given.
class SimpleSiOxidationOperation : public VolumeProcessOperation {
public:
    static constexpr uint32_t kOperationId = 26;

    explicit SimpleSiOxidationOperation(Core::Workspace &workspace);

    void setUnitsPerMicron(double units) { settings.unitsPerMicron = units; }
    void setThickness(double microns);
    void setTime(double hours, double kelvin, double atmospheres);

protected:
    bool readyToRun() override;
    void runEngine(Model::Automaton::TotalVolume &volume) override;

private:
    OxidationSettings settings;
    bool thicknessSet = false;
    bool timeSet = false;
};

} // namespace Core::Operations
