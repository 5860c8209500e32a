#pragma once

#include <QString>

namespace Core::Operations {

// The options of a thermal oxidation as its dialog shows them and a process list stores them:
// an oxide thickness, or an oxidation time, temperature and pressure (Deal-Grove).
struct OxidationSettings {
    double unitsPerMicron = 100.0; // cell units per micron
    bool byTime = false;
    double hours = 2.0;
    double kelvin = 1273.0;
    double atmospheres = 1.0;
    double microns = 10.0; // oxide thickness when not by time

    // The oxide thickness in microns: the given one, or the one the time grows.
    double thickness() const;
    // Why these values cannot be run (negative, not finite, or giving no thickness); empty when
    // they can.
    QString problem() const;
};

} // namespace Core::Operations
