#pragma once

#include "Core/Batch/GeometryOutputs.h"
#include "Core/Batch/NetlistOutput.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace Core::Batch {

// The arguments of the headless batch command:
//   cellfab-batch [--document IN.cfb] [--threads N] [--seed N]
//                 [--export-data OUT.csv [--data-field NAME]] [geometry options] LIST.plst OUT.cfb
struct BatchCommandLine {
    QString documentPath;         // empty: start from an empty scene
    int threads = 0;              // 0: the engines' default
    std::optional<uint64_t> seed; // none: stochastic steps seed from the clock
    QString exportDataPath;       // empty: no data export
    QString dataField;            // empty: the first particle-count field of the volume
    QString listPath;
    QString outputPath;
    GeometryOutputs geometry; // files written from the last volume after the run
    NetlistOutput netlist;    // the cantilever netlist of the last volume after the run
    bool helpRequested = false;
    QString error; // set when the arguments cannot be used

    // `arguments` includes the program name first, as QCoreApplication::arguments() gives it.
    static BatchCommandLine parse(const QStringList &arguments);
    static QString helpText();
};

} // namespace Core::Batch
