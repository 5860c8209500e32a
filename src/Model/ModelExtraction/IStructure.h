#pragma once

#include <QString>

namespace Model::ModelExtraction {

// A mechanical structure found in a cell volume, written as an electrical-equivalent netlist.
class IStructure {
public:
    virtual ~IStructure() = default;
    virtual QString netlist() const = 0;
};

} // namespace Model::ModelExtraction
