#pragma once

#include "Model/Persistence/ProcessData.h"

#include <QString>

#include <cstdint>

namespace Core::Operations {
struct ImplantationProfile;
struct OxidationSettings;
struct RandomWalkSettings;
struct SubstrateDescription;
enum class DepositSide : uint32_t;
} // namespace Core::Operations

namespace Model::Automaton {
class ImageMask;
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
    // Anisotropic deposition (type 17) and etching (type 18) with a horizontal to vertical ratio.
    static Ui::ProcessData anisotropicDeposition(uint32_t materialId, double thickness, double ratio);
    static Ui::ProcessData anisotropicEtching(uint32_t materialId, double depth, double ratio);
    // PVD (type 12) on the given side, with the side also stored as its text.
    static Ui::ProcessData pvd(uint32_t materialId, double thickness, double ratio,
                               Core::Operations::DepositSide side);
    // Electroplating (type 7) of `depositedId` grown from `conductingId`.
    static Ui::ProcessData electroplating(double thickness, uint32_t conductingId, uint32_t depositedId);
    // Moore deposition (type 2) and etching (type 3) of whole cell layers.
    static Ui::ProcessData mooreDeposition(uint32_t materialId, uint32_t layers);
    static Ui::ProcessData mooreEtching(uint32_t materialId, uint32_t layers);
    // Photolithography (type 0): the masks' bits are kept in the entry, the files for display.
    static Ui::ProcessData photolithography(uint32_t materialId, const Model::Automaton::ImageMask &topMask,
                                            const QString &topFile,
                                            const Model::Automaton::ImageMask &bottomMask,
                                            const QString &bottomFile);
    // Planarization (type 6) to the slab between two heights, in cells.
    static Ui::ProcessData planarization(uint32_t maximumHeight, uint32_t minimumHeight);
    // Pouring (type 9) of `materialId` up to a height in cells.
    static Ui::ProcessData spinCoating(uint32_t materialId, uint32_t maximumHeight);
    // Simple RIE (type 13) of `materialId`, `depth` cells deep, in the directions of the flags.
    static Ui::ProcessData simpleRie(uint32_t materialId, uint32_t depth, uint8_t directions);
    // Si wet etching, atomistic (type 1) or continuous (type 20), to `depth` lattice constants.
    static Ui::ProcessData siWetEtching(uint32_t type, double depth);
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
