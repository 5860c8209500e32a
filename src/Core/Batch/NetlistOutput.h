#pragma once

#include <QString>

class QCommandLineParser;

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Batch {

// The batch command's --netlist OUT.cir: after the run, the cantilevers of the last cell
// volume are extracted and their netlist written (the same three steps as Extract Model).
struct NetlistOutput {
    QString path; // empty: no netlist

    static void addOption(QCommandLineParser &parser);
    // The option's value; an empty file name is an error (set in `error`).
    static NetlistOutput read(const QCommandLineParser &parser, QString &error);

    // Writes the netlist; false, with the reason in `error`, when there is no volume, no
    // cantilever in it ("No model data was extracted.") or the file cannot be written.
    bool write(Model::Automaton::TotalVolume *volume, QString &error) const;
};

} // namespace Core::Batch
