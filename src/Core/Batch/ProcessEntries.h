#pragma once

#include "Model/Persistence/ProcessData.h"

#include <QString>

#include <cstdint>

namespace Core::Operations {
struct SubstrateDescription;
}

namespace Core::Batch {

// Builds process-list entries with the parameters each process type stores, in the order the
// batch dialog's editors build them. Materials are looked up in the catalogue by id.
class ProcessEntries {
public:
    static Ui::ProcessData createSubstrate(const Core::Operations::SubstrateDescription &description);
    static Ui::ProcessData saveImage(const QString &filename);
    // CVD (type 4): a film of `thickness` cells.
    static Ui::ProcessData cvd(uint32_t materialId, double thickness);
    // Isotropic etching (type 5) of `materialId` down to `depth` cells.
    static Ui::ProcessData isotropicEtching(uint32_t materialId, double depth);
    // Isotropic deposition (type 16): a film of `thickness` cells.
    static Ui::ProcessData isotropicDeposition(uint32_t materialId, double thickness);
    // Si wet etching, atomistic (type 1) or continuous (type 20), to `depth` lattice constants.
    static Ui::ProcessData siWetEtching(uint32_t type, double depth);
};

} // namespace Core::Batch
