#pragma once

#include "Core/Operations/SiOxidation/OxidationSettings.h"
#include "Core/Operations/VolumeStepOperation.h"

namespace Core::Operations {

// Thermal oxidation of the chosen cell volume (no undo record), to an oxide thickness or for a
// time. Runs only once a thickness or a time was given.
class SimpleSiOxidationOperation : public ProcessStepOperation {
public:
    static constexpr uint32_t kOperationId = 26;

    explicit SimpleSiOxidationOperation(Core::Workspace &workspace);

    void setUnitsPerMicron(double units) { settings.unitsPerMicron = units; }
    void setThickness(double microns);
    void setTime(double hours, double kelvin, double atmospheres);

protected:
    // A thickness or a time was given, and the values are usable.
    bool isReady() const override;
    // Says why given values are unusable.
    void abandon() override;
    void runEngine(Model::Automaton::TotalVolume &volume) override;
    // Oxidising always outdates the volume's silicon lattice.
    bool outdatesLattice() const override { return true; }

private:
    // The settings as given; a given thickness wins over a given time.
    OxidationSettings chosen() const;

    OxidationSettings settings;
    bool thicknessSet = false;
    bool timeSet = false;
};

} // namespace Core::Operations
