#include "Core/Batch/ProcessEntries.h"

#include "Core/Operations/AnisotropicFilmDeposition/SimplePhysicalVaporDeposition.h"
#include "Core/Operations/CreateSubstrate/SubstrateDescription.h"
#include "Core/Operations/DopingOperation/IonImplantation.h"
#include "Core/Operations/RandomWalkDoping/RandomWalkParameters.h"
#include "Core/Operations/SiOxidation/OxidationSettings.h"
#include "Model/Automaton/ImageMask.h"
#include "Model/Materials/MaterialFactory.h"
#include "Model/Persistence/MaterialParameters.h"

namespace Core::Batch {
namespace {

const QString kMaterial = QStringLiteral("Material");
const QString kRatio = QStringLiteral("Horizontal to Vertical Ratio");

Model::Materials::Material catalogueMaterial(uint32_t id)
{
    Model::Materials::Material material = Model::Materials::MaterialFactory::instance()->getMaterialById(id);
    material.setId(id);
    return material;
}

Ui::ProcessData filmEntry(uint32_t type, const QString &amountName, uint32_t materialId,
                          const QVariant &amount)
{
    Ui::ProcessData entry(type);
    entry.setProcessParameter(amountName, amount, true);
    Model::Persistence::MaterialParameters::set(entry, kMaterial, catalogueMaterial(materialId));
    return entry;
}

Ui::ProcessData withRatio(Ui::ProcessData entry, double ratio)
{
    entry.setProcessParameter(kRatio, ratio, true);
    return entry;
}

void setMask(Ui::ProcessData &entry, const QString &stem, const Model::Automaton::ImageMask &mask,
             const QString &file)
{
    entry.setProcessParameter(stem, mask.getBits(), false);
    entry.setProcessParameter(stem + QStringLiteral(" File"), file, true);
    entry.setProcessParameter(stem + QStringLiteral(" Height"), mask.getHeight(), true);
    entry.setProcessParameter(stem + QStringLiteral(" Width"), mask.getWidth(), true);
}

QString directionText(uint8_t directions)
{
    switch (directions & 3) {
    case 1: return QStringLiteral("From Top");
    case 2: return QStringLiteral("From Below");
    case 3: return QStringLiteral("From Top and Below");
    default: return QStringLiteral("None");
    }
}

// A material triple whose id is shown too (the doping entries show it).
void setShownMaterial(Ui::ProcessData &entry, const QString &stem, uint32_t materialId)
{
    Model::Persistence::MaterialParameters::set(entry, stem, catalogueMaterial(materialId));
    entry.setProcessParameter(stem + QStringLiteral("_Id"), materialId, true);
}

const QString kDopedMaterial = QStringLiteral("Doped Material");

} // namespace

Ui::ProcessData ProcessEntries::createSubstrate(const Core::Operations::SubstrateDescription &d)
{
    Ui::ProcessData entry(11);
    Model::Persistence::MaterialParameters::set(entry, kMaterial, catalogueMaterial(d.materialId));
    entry.setProcessParameter(QStringLiteral("Lower Left Front Corner"), QVariant::fromValue(d.position),
                              true);
    entry.setProcessParameter(QStringLiteral("Volume Size X"), d.totalWidth, true);
    entry.setProcessParameter(QStringLiteral("Volume Size Y"), d.totalLength, true);
    entry.setProcessParameter(QStringLiteral("Volume Size Z"), d.totalHeight, true);
    entry.setProcessParameter(QStringLiteral("SphericalSubstrate"), d.spherical, false);
    const bool block = !d.spherical;
    entry.setProcessParameter(QStringLiteral("Substrate Size X"), d.blockWidth, block);
    entry.setProcessParameter(QStringLiteral("Substrate Size Y"), d.blockLength, block);
    entry.setProcessParameter(QStringLiteral("Substrate Size Z"), d.blockHeight, block);
    entry.setProcessParameter(QStringLiteral("Substrate Delta X"), d.blockX, block);
    entry.setProcessParameter(QStringLiteral("Substrate Delta Y"), d.blockY, block);
    entry.setProcessParameter(QStringLiteral("Substrate Delta Z"), d.blockZ, block);
    entry.setProcessParameter(QStringLiteral("Substrate Center X"), d.centerX, d.spherical);
    entry.setProcessParameter(QStringLiteral("Substrate Center Y"), d.centerY, d.spherical);
    entry.setProcessParameter(QStringLiteral("Substrate Center Z"), d.centerZ, d.spherical);
    entry.setProcessParameter(QStringLiteral("Substrate Radius"), d.radius, d.spherical);
    return entry;
}

Ui::ProcessData ProcessEntries::saveImage(const QString &filename)
{
    Ui::ProcessData entry(10);
    entry.setProcessParameter(QStringLiteral("Filename"), filename, true);
    return entry;
}

Ui::ProcessData ProcessEntries::cvd(uint32_t materialId, double thickness)
{
    return filmEntry(4, QStringLiteral("Thickness"), materialId, thickness);
}

Ui::ProcessData ProcessEntries::isotropicEtching(uint32_t materialId, double depth)
{
    return filmEntry(5, QStringLiteral("Depth"), materialId, depth);
}

Ui::ProcessData ProcessEntries::isotropicDeposition(uint32_t materialId, double thickness)
{
    return filmEntry(16, QStringLiteral("Film Thickness"), materialId, thickness);
}

Ui::ProcessData ProcessEntries::anisotropicDeposition(uint32_t materialId, double thickness, double ratio)
{
    return withRatio(filmEntry(17, QStringLiteral("Film Thickness"), materialId, thickness), ratio);
}

Ui::ProcessData ProcessEntries::anisotropicEtching(uint32_t materialId, double depth, double ratio)
{
    return withRatio(filmEntry(18, QStringLiteral("Etch Depth"), materialId, depth), ratio);
}

Ui::ProcessData ProcessEntries::pvd(uint32_t materialId, double thickness, double ratio,
                                    Core::Operations::DepositSide side)
{
    Ui::ProcessData entry =
        withRatio(filmEntry(12, QStringLiteral("Thickness"), materialId, thickness), ratio);
    entry.setProcessParameter(QStringLiteral("DepositOn"), int(side), false);
    entry.setProcessParameter(QStringLiteral("Deposit On"), Core::Operations::depositSideText(side), true);
    return entry;
}

Ui::ProcessData ProcessEntries::electroplating(double thickness, uint32_t conductingId, uint32_t depositedId)
{
    Ui::ProcessData entry(7);
    entry.setProcessParameter(QStringLiteral("Film Thickness"), thickness, true);
    Model::Persistence::MaterialParameters::set(entry, QStringLiteral("Conducting Material"),
                                                catalogueMaterial(conductingId));
    Model::Persistence::MaterialParameters::set(entry, QStringLiteral("Deposited Material"),
                                                catalogueMaterial(depositedId));
    return entry;
}

Ui::ProcessData ProcessEntries::mooreDeposition(uint32_t materialId, uint32_t layers)
{
    return filmEntry(2, QStringLiteral("Thickness"), materialId, layers);
}

Ui::ProcessData ProcessEntries::mooreEtching(uint32_t materialId, uint32_t layers)
{
    return filmEntry(3, QStringLiteral("Depth"), materialId, layers);
}

Ui::ProcessData ProcessEntries::photolithography(uint32_t materialId,
                                                 const Model::Automaton::ImageMask &topMask,
                                                 const QString &topFile,
                                                 const Model::Automaton::ImageMask &bottomMask,
                                                 const QString &bottomFile)
{
    Ui::ProcessData entry(0);
    Model::Persistence::MaterialParameters::set(entry, kMaterial, catalogueMaterial(materialId));
    setMask(entry, QStringLiteral("Top Mask"), topMask, topFile);
    setMask(entry, QStringLiteral("Bottom Mask"), bottomMask, bottomFile);
    return entry;
}

Ui::ProcessData ProcessEntries::planarization(uint32_t maximumHeight, uint32_t minimumHeight)
{
    Ui::ProcessData entry(6);
    entry.setProcessParameter(QStringLiteral("Maximum Height"), maximumHeight, true);
    entry.setProcessParameter(QStringLiteral("Minimum Height"), minimumHeight, true);
    return entry;
}

Ui::ProcessData ProcessEntries::spinCoating(uint32_t materialId, uint32_t maximumHeight)
{
    Ui::ProcessData entry(9);
    Model::Persistence::MaterialParameters::set(entry, kMaterial, catalogueMaterial(materialId));
    entry.setProcessParameter(QStringLiteral("Maximum Height"), maximumHeight, true);
    return entry;
}

Ui::ProcessData ProcessEntries::simpleRie(uint32_t materialId, uint32_t depth, uint8_t directions)
{
    Ui::ProcessData entry(13);
    Model::Persistence::MaterialParameters::set(entry, kMaterial, catalogueMaterial(materialId));
    entry.setProcessParameter(QStringLiteral("Etch Depth"), depth, true);
    entry.setProcessParameter(QStringLiteral("EtchDirectionValue"), int(directions), false);
    entry.setProcessParameter(QStringLiteral("Etch Direction"), directionText(directions), true);
    return entry;
}

Ui::ProcessData ProcessEntries::siWetEtching(uint32_t type, double depth)
{
    Ui::ProcessData entry(type);
    entry.setProcessParameter(QStringLiteral("Depth"), depth, true);
    return entry;
}

Ui::ProcessData ProcessEntries::doping(uint32_t dopedMaterialId, float depth)
{
    Ui::ProcessData entry(8);
    entry.setProcessParameter(QStringLiteral("Doping Depth"), depth, true);
    setShownMaterial(entry, kDopedMaterial, dopedMaterialId);
    return entry;
}

Ui::ProcessData ProcessEntries::ionImplantation(uint32_t dopedMaterialId,
                                                const Core::Operations::ImplantationProfile &profile)
{
    Ui::ProcessData entry(14);
    entry.setProcessParameter(QStringLiteral("Annealing Distance"), profile.annealing, true);
    entry.setProcessParameter(QStringLiteral("Implantation Depth"), profile.depth, true);
    entry.setProcessParameter(QStringLiteral("Vertical Spread"), profile.spread, true);
    setShownMaterial(entry, kDopedMaterial, dopedMaterialId);
    return entry;
}

Ui::ProcessData ProcessEntries::siOxidation(const Core::Operations::OxidationSettings &s)
{
    Ui::ProcessData entry(15);
    entry.setProcessParameter(QStringLiteral("Micron Conversion"), s.unitsPerMicron, true);
    entry.setProcessParameter(QStringLiteral("Oxidation Pressure"), s.atmospheres, s.byTime);
    entry.setProcessParameter(QStringLiteral("Oxidation Temperature"), s.kelvin, s.byTime);
    entry.setProcessParameter(QStringLiteral("Oxidation Time"), s.hours, s.byTime);
    entry.setProcessParameter(QStringLiteral("OxidationTimeSet"), s.byTime, false);
    entry.setProcessParameter(QStringLiteral("Oxidation Thickness"), s.microns, !s.byTime);
    entry.setProcessParameter(QStringLiteral("OxidationThicknessSet"), !s.byTime, false);
    return entry;
}

Ui::ProcessData ProcessEntries::randomWalkDoping(const Core::Operations::RandomWalkSettings &s)
{
    Ui::ProcessData entry(19);
    entry.setProcessParameter(QStringLiteral("Diffusion Coefficient"), s.diffusionCoefficient, true);
    entry.setProcessParameter(QStringLiteral("Cell Size"), s.cellSize, true);
    entry.setProcessParameter(QStringLiteral("Time Step Duration"), s.timeStep, true);
    entry.setProcessParameter(QStringLiteral("Surface Concentration"), s.concentration, true);
    setShownMaterial(entry, kMaterial, s.materialId);
    entry.setProcessParameter(QStringLiteral("Doping Time"), s.dopingTime, true);
    entry.setProcessParameter(QStringLiteral("Doping Threshold"), s.threshold, true);
    return entry;
}

} // namespace Core::Batch
