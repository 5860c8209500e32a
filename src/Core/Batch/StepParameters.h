#pragma once

#include "Util/Vector3D.h"

#include <QBitArray>
#include <QString>
#include <QVariant>

#include <cstdint>

namespace Ui {
class ProcessData;
}

namespace Core::Batch {

// Reads a step's required parameters with checked conversions. Each getter returns a
// harmless default when the parameter is absent or does not convert; `resultCode` then tells
// the step what to return: 1 when any parameter was absent, else 2 when any did not convert,
// else 0. Steps read everything they need first and change nothing unless the code is 0.
class StepParameters {
public:
    explicit StepParameters(const Ui::ProcessData &entry) : entry(entry) {}

    uint32_t toUInt(const QString &name);
    int32_t toInt(const QString &name);
    // Finite values only.
    float toFloat(const QString &name);
    double toDouble(const QString &name);
    // Values within [low, high] only (what the step's dialog can produce); others are invalid.
    float toFloatWithin(const QString &name, double low, double high);
    double toDoubleWithin(const QString &name, double low, double high);
    int32_t toIntWithin(const QString &name, int32_t low, int32_t high);
    // A bool, or the texts "true"/"false"/"1"/"0".
    bool toBool(const QString &name);
    QString toText(const QString &name);
    // A vector, or its text form x;y;z.
    Util::Vector3D toVector(const QString &name);
    // A bit vector, or its text form of "0" and "1" characters.
    QBitArray toBits(const QString &name);

    int resultCode() const;

private:
    // The value, or an invalid one (noted as absent).
    QVariant fetch(const QString &name);
    template <class T> T invalid(T fallback = T())
    {
        anyInvalid = true;
        return fallback;
    }

    const Ui::ProcessData &entry;
    bool anyMissing = false;
    bool anyInvalid = false;
};

} // namespace Core::Batch
