#pragma once

#include <QString>

#include <cstdint>

namespace Core::Operations {

// The options of a random-walk doping as its dialog shows them and a process list stores them.
struct RandomWalkSettings {
    double dopingTime = 60.0;              // minutes
    uint32_t materialId = 0;               // the dopant
    double diffusionCoefficient = 2.6e-14; // cm²/s
    double cellSize = 0.1;                 // µm
    double timeStep = 320.513;             // s
    double concentration = 1e-15;          // surface concentration, cm⁻³
    double threshold = 10.0;               // % of the surface concentration that dopes a cell
};

// The walk's parameters in the engine's units.
struct RandomWalkParameters {
    uint32_t dopantMaterial = 0;
    float diffusionCoefficient = 0.0f;   // D, m²/s
    float timeStep = 0.0f;               // dt, s
    float cellSize = 0.0f;               // dx, m
    float surfaceConcentration = 0.0f;   // Cs, m⁻³
    float thresholdConcentration = 0.0f; // Ct, m⁻³
    float duration = 0.0f;               // s

    // The conversion the options dialog's values go through, for the menu and the batch alike.
    static RandomWalkParameters fromSettings(const RandomWalkSettings &settings);

    // The total hop probability 6p = 6·D·dt/dx², computed as the walk computes it.
    float totalHopProbability() const;
    // Why a walk cannot run with these values (a negative, infinite or absurd value, or a time
    // step so long that 6p exceeds 1); empty when it can.
    QString problem() const;
};

} // namespace Core::Operations
