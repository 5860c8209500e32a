#pragma once

#include "Model/Persistence/ProcessData.h"

#include <QString>

#include <cstdint>

namespace Core::Operations {
struct ImplantationProfile;
struct OxidationSettings;
struct RandomWalkSettings;
struct SubstrateDescription;
} // namespace Core::Operations

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
    // Doping (type 8) of the dopable cells within `depth` of empty space.
    static Ui::ProcessData doping(uint32_t dopedMaterialId, float depth);
    // Ion implantation (type 14).
    static Ui::ProcessData ionImplantation(uint32_t dopedMaterialId,
                                           const Core::Operations::ImplantationProfile &profile);
    // Thermal oxidation (type 15), by thickness or by time.
    static Ui::ProcessData siOxidation(const Core::Operations::OxidationSettings &settings);
    // Random-walk doping (type 19), in the dialog's units.
    static Ui::ProcessData randomWalkDoping(const Core::Operations::RandomWalkSettings &settings);
};

} // namespace Core::Batch
