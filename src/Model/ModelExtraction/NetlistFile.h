#pragma once

#include <QString>

namespace Model::ModelExtraction {

class IStructure;

// Writes an extracted model's netlist to a file, through a temporary file that replaces the
// target only once it is complete, so a failure never leaves half a netlist behind.
class NetlistFile {
public:
    static constexpr const char *kNoModelData = "No model data was extracted.";

    // False, with the reason in `error`, when the file could not be written.
    static bool write(const QString &path, const QString &netlist, QString *error);
};

} // namespace Model::ModelExtraction
