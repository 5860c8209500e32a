#pragma once

#include "Core/Batch/ProcessEntries.h"
#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmDeposition.h"
#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmDepositionOperation.h"
#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmEtching.h"
#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmEtchingOperation.h"
#include "Core/Operations/AnisotropicFilmDeposition/SimplePhysicalVaporDepositionOperation.h"
#include "Core/Operations/DopingOperation/DopingOperation.h"
#include "Core/Operations/DopingOperation/IonImplantation.h"
#include "Core/Operations/DopingOperation/IonImplantationOperation.h"
#include "Core/Operations/DopingOperation/SimpleDoping.h"
#include "Core/Operations/Electrodeposition/Electrodeposition.h"
#include "Core/Operations/Electrodeposition/ElectrodepositionOperation.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDeposition.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDepositionOperation.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmEtching.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmEtchingOperation.h"
#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodDeposition.h"
#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodDepositionOperation.h"
#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodEtching.h"
#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodEtchingOperation.h"
#include "Core/Operations/Photolithography/Photolithography.h"
#include "Core/Operations/Photolithography/PhotolithographyOperation.h"
#include "Core/Operations/Planarization/Planarization.h"
#include "Core/Operations/Planarization/PlanarizationOperation.h"
#include "Core/Operations/Planarization/SpinCoating.h"
#include "Core/Operations/Planarization/SpinCoatingOperation.h"
#include "Core/Operations/RandomWalkDoping/RandomWalkDoping.h"
#include "Core/Operations/RandomWalkDoping/RandomWalkDopingOperation.h"
#include "Core/Operations/ReactiveIonEtching/SimpleReactiveIonEtching.h"
#include "Core/Operations/ReactiveIonEtching/SimpleReactiveIonEtchingOperation.h"
#include "Core/Operations/SiOxidation/OxidationSettings.h"
#include "Core/Operations/SiOxidation/SimpleSiOxidation.h"
#include "Core/Operations/SiOxidation/SimpleSiOxidationOperation.h"
#include "Core/Operations/SiWetEtching/AtomicStructureSimpleSiWetEtch.h"
#include "Core/Operations/SiWetEtching/AtomisticSiWetEtchingOperation.h"
#include "Core/Operations/SiWetEtching/ContinousWetEtchOperation.h"
#include "Core/Operations/SiWetEtching/ContinuosWetEtching.h"
#include "Support/SiliconVolumes.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Every cell process of the menus, given three ways with the same options: the engine run
// directly, the operation with its options set as its dialog sets them, and the process-list
// step. The processes come in families, each with the volume it starts from.
namespace TestSupport {

struct ProcessCase {
    uint32_t operationId;
    std::string displayName;
    std::function<void(TotalVolume &)> engine;
    std::function<std::shared_ptr<Core::Operations::Operation>(Core::Workspace &)> operation;
    std::function<Ui::ProcessData()> entry; // needs the materials catalogue
    bool operationOutdatesLattice;
    bool stepOutdatesLattice;
};

// `chained`: the cases run in table order on one volume, each on what the ones before left (and
// each changes cells); otherwise each starts from a fresh volume.
struct ProcessFamily {
    std::string name;
    std::function<std::shared_ptr<TotalVolume>()> volume;
    bool chained;
    std::vector<ProcessCase> cases;
};

// An operation of class Op with the options `set` gives it, as its dialog would.
template <class Op> auto configured(std::function<void(Op &)> set)
{
    return [set](Core::Workspace &workspace) -> std::shared_ptr<Core::Operations::Operation> {
        auto operation = std::make_shared<Op>(workspace);
        set(*operation);
        return operation;
    };
}

// The film processes (isotropic, directional, plating, layer by layer) on a silicon trench.
inline std::vector<ProcessCase> filmProcessCases()
{
    using namespace Core::Operations;
    using Core::Batch::ProcessEntries;
    return {
        {14, "Isotropic Etching", [](TotalVolume &v) { IsotropicFilmEtching(v, kSi, 2.7f).execute(); },
         configured<IsotropicFilmEtchingOperation>([](auto &op) {
             op.setMaterial(kSi);
             op.setDepth(2.7f);
         }),
         [] { return ProcessEntries::isotropicEtching(kSi, 2.7); }, true, true},
        {13, "Isotropic Deposition",
         [](TotalVolume &v) { IsotropicFilmDeposition(v, kMetal, 2.5f).execute(); },
         configured<IsotropicFilmDepositionOperation>([](auto &op) {
             op.setMaterial(kMetal);
             op.setThickness(2.5f);
         }),
         [] { return ProcessEntries::isotropicDeposition(kMetal, 2.5); }, false, false},
        {27, "Anisotropic Deposition",
         [](TotalVolume &v) { AnisotropicFilmDeposition(v, kMetal, 2.5f, 0.4f).execute(); },
         configured<AnisotropicFilmDepositionOperation>([](auto &op) {
             op.setThickness(2.5f);
             op.setRatio(0.4f);
             op.setMaterial(kMetal);
         }),
         [] { return ProcessEntries::anisotropicDeposition(kMetal, 2.5, 0.4); }, false, false},
        {32, "Anisotropic Etching",
         [](TotalVolume &v) { AnisotropicFilmEtching(v, kMetal, 2.0f, 0.0f).execute(); },
         configured<AnisotropicFilmEtchingOperation>([](auto &op) {
             op.setDepth(2.0f);
             op.setMaterial(kMetal);
         }),
         [] { return ProcessEntries::anisotropicEtching(kMetal, 2.0, 0.0); }, false, false},
        {31, "Isotropic Deposition",
         [](TotalVolume &v) {
             SimplePhysicalVaporDeposition(v, kSi, 3.0f, 0.5f, DepositSide::Both).execute();
         },
         configured<SimplePhysicalVaporDepositionOperation>([](auto &op) {
             op.setThickness(3.0f);
             op.setRatio(0.5f);
             op.setMaterial(kSi);
             op.setDepositSide(DepositSide::Both);
         }),
         [] { return ProcessEntries::pvd(kSi, 3.0, 0.5, DepositSide::Both); }, true, false},
        {15, "Electroplating", [](TotalVolume &v) { Electrodeposition(v, kGold, kSi, 2.0f).execute(); },
         configured<ElectrodepositionOperation>([](auto &op) {
             op.setThickness(2.0f);
             op.setDepositedMaterial(kGold);
             op.setConductingMaterial(kSi);
         }),
         [] { return ProcessEntries::electroplating(2.0, kSi, kGold); }, false, false},
        {18, "Moore film deposition",
         [](TotalVolume &v) { MooreNeighborhoodDeposition(v, kSi, 2).execute(); },
         configured<MooreNeighborhoodDepositionOperation>([](auto &op) {
             op.setMaterial(kSi);
             op.setCount(2);
         }),
         [] { return ProcessEntries::mooreDeposition(kSi, 2); }, true, true},
        {19, "Moore film deposition", [](TotalVolume &v) { MooreNeighborhoodEtching(v, kSi, 1).execute(); },
         configured<MooreNeighborhoodEtchingOperation>([](auto &op) {
             op.setMaterial(kSi);
             op.setCount(1);
         }),
         [] { return ProcessEntries::mooreEtching(kSi, 1); }, true, true},
    };
}

// A 3 × 2 mask blocking columns (0, 1) and (2, 0); the columns beyond it are open.
inline Model::Automaton::ImageMask sampleMask()
{
    QBitArray bits(6);
    bits.setBit(1);
    bits.setBit(4);
    return Model::Automaton::ImageMask(bits, 3, 2);
}

// Resist patterned through a mask, the oxide below etched, silicon poured and planarized, on
// silicon (z < 3) under oxide (z 3..4) and resist (z 5..6).
inline std::vector<ProcessCase> maskProcessCases()
{
    using namespace Core::Operations;
    using Core::Batch::ProcessEntries;
    using Model::Automaton::ImageMask;
    return {
        {20, "Photolithography",
         [](TotalVolume &v) { Photolithography(v, kResist, ImageMask(), sampleMask()).run(); },
         configured<PhotolithographyOperation>([](auto &op) {
             op.setTopMask(sampleMask());
             op.setMaterial(kResist);
         }),
         [] {
             return ProcessEntries::photolithography(kResist, sampleMask(), QStringLiteral("top.png"),
                                                     ImageMask(), QString());
         },
         false, false},
        {30, "Simple RIE", [](TotalVolume &v) { SimpleReactiveIonEtching(v, kOxide, 1, 3).run(); },
         configured<SimpleReactiveIonEtchingOperation>([](auto &op) {
             op.setMaterial(kOxide);
             op.setDepth(1);
             op.setDirections(3); // from the top and from the bottom
         }),
         [] { return ProcessEntries::simpleRie(kOxide, 1, 3); }, false, false},
        {23, "Spin Coating", [](TotalVolume &v) { SpinCoating(v, kSi, 9).run(); },
         configured<SpinCoatingOperation>([](auto &op) {
             op.setMaterial(kSi);
             op.setHeight(9);
         }),
         [] { return ProcessEntries::spinCoating(kSi, 9); }, true, true},
        {22, "Planarization", [](TotalVolume &v) { Planarization(v, 7, 1).run(); },
         configured<PlanarizationOperation>([](auto &op) {
             op.setMaximumHeight(7);
             op.setMinimumHeight(1);
         }),
         [] { return ProcessEntries::planarization(7, 1); }, true, true},
    };
}

// A random walk that dopes a few layers within 40 steps: 10 nm cells, 1e20 cm⁻³ at the surface
// (100 particles a cell), 6p = 0.5.
inline Core::Operations::RandomWalkSettings walkSettings()
{
    Core::Operations::RandomWalkSettings s;
    s.materialId = 14;
    s.cellSize = 0.01;
    s.diffusionCoefficient = 1e-13;
    s.timeStep = 0.5 * 1e-16 / (1e-13 * 1e-4 * 6.0);
    s.dopingTime = 40 * s.timeStep / 60.0;
    s.concentration = 1e20;
    s.threshold = 10;
    return s;
}

inline Core::Operations::OxidationSettings oxidation(bool byTime)
{
    Core::Operations::OxidationSettings s;
    s.byTime = byTime;
    s.hours = 0.5;
    s.microns = 0.04;
    return s;
}

// Doping, implantation, oxidation by thickness and by time, and a seeded random walk.
inline std::vector<ProcessCase> dopingProcessCases()
{
    using namespace Core::Operations;
    using Core::Batch::ProcessEntries;
    const RandomWalkParameters walk = RandomWalkParameters::fromSettings(walkSettings());
    const double timed = SimpleSiOxidation::dealGroveThickness(0.5, 1273.0, 1.0);
    return {
        {17, "Doping", [](TotalVolume &v) { SimpleDoping(v, kNDoped, 2.5f).execute(); },
         configured<DopingOperation>([](auto &op) {
             op.setMaterial(kNDoped);
             op.setDepth(2.5f);
         }),
         [] { return ProcessEntries::doping(kNDoped, 2.5f); }, true, true},
        {3, "Ion Implantation",
         [](TotalVolume &v) {
             IonImplantation(v, kPDoped, {3.0f, 1.0f, 1.5f}).execute();
         },
         configured<IonImplantationOperation>([](auto &op) {
             op.setMaterial(kPDoped);
             op.setImplantationDepth(3.0f);
             op.setVerticalSpread(1.0f);
             op.setAnnealingDistance(1.5f);
         }),
         [] {
             return ProcessEntries::ionImplantation(kPDoped, {3.0f, 1.0f, 1.5f});
         },
         true, false},
        {26, "Simple Si Oxidation", [](TotalVolume &v) { SimpleSiOxidation(v, 100.0).execute(0.04); },
         configured<SimpleSiOxidationOperation>([](auto &op) {
             op.setUnitsPerMicron(100.0);
             op.setThickness(0.04);
         }),
         [] { return ProcessEntries::siOxidation(oxidation(false)); }, true, false},
        {26, "Simple Si Oxidation", [timed](TotalVolume &v) { SimpleSiOxidation(v, 100.0).execute(timed); },
         configured<SimpleSiOxidationOperation>([](auto &op) {
             op.setUnitsPerMicron(100.0);
             op.setTime(0.5, 1273.0, 1.0);
         }),
         [] { return ProcessEntries::siOxidation(oxidation(true)); }, true, false},
        {36, "Random Walk Doping",
         [walk](TotalVolume &v) { RandomWalkDoping(v, walk, 5).dope(walk.duration); },
         configured<RandomWalkDopingOperation>([walk](auto &op) {
             op.setParameters(walk);
             op.setSeed(5); // a batch run's first stochastic step takes the run's seed
         }),
         [] { return ProcessEntries::randomWalkDoping(walkSettings()); }, true, true},
    };
}

// Both wet etchings of silicon around a square oxide island, whose undercut corners cross slab
// borders; the lattice is built once and then kept.
inline std::vector<ProcessCase> wetEtchProcessCases()
{
    using namespace Core::Operations;
    using Core::Batch::ProcessEntries;
    const auto withLattice = [](TotalVolume &v) {
        if (!v.getSiLattice())
            v.createSiLattice();
    };
    return {
        {28, "BCA Wet Etch",
         [withLattice](TotalVolume &v) {
             withLattice(v);
             AtomicStructureSimpleSiWetEtch(v, 1.5).run();
         },
         configured<AtomisticSiWetEtchingOperation>([](auto &op) { op.setDepth(1.5); }),
         [] { return ProcessEntries::siWetEtching(1, 1.5); }, false, false},
        {29, "Continuous Wet Etch",
         [withLattice](TotalVolume &v) {
             withLattice(v);
             ContinuosWetEtching(v, 2.0).run();
         },
         configured<ContinousWetEtchOperation>([](auto &op) { op.setDepth(2.0); }),
         [] { return ProcessEntries::siWetEtching(20, 2.0); }, false, false},
    };
}

// Slab borders cut through every volume's structure for 2, 3 and 12 threads.
inline std::vector<ProcessFamily> processFamilies()
{
    return {
        {"films", [] { return trenchVolume(13, 9, 24); }, true, filmProcessCases()},
        {"masks",
         [] {
             return makeVolume(13, 9, 12, [](uint32_t x, uint32_t, uint32_t z) {
                 return z < 3 || (x == 6 && z < 5) ? 1u : z < 5 ? 3u : z < 7 ? 11u : 0u;
             });
         },
         true, maskProcessCases()},
        {"doping", pittedWafer, false, dopingProcessCases()},
        {"wet etching", [] { return maskedSilicon(14, 8, 2, 6, true); }, true, wetEtchProcessCases()},
    };
}

} // namespace TestSupport
