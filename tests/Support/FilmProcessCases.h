#pragma once

#include "Core/Batch/ProcessEntries.h"
#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmDeposition.h"
#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmDepositionOperation.h"
#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmEtching.h"
#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmEtchingOperation.h"
#include "Core/Operations/AnisotropicFilmDeposition/SimplePhysicalVaporDepositionOperation.h"
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

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

// The film processes (isotropic, directional, plating, layer by layer), each given three ways with
// the same options: the engine run directly, the operation with its options set as its dialog sets
// them, and the process-list step. Run in this order on a silicon trench, each one changes cells.
namespace TestSupport {

struct FilmProcessCase {
    uint32_t operationId;
    std::string displayName;
    std::function<void(Model::Automaton::TotalVolume &)> engine;
    std::function<std::shared_ptr<Core::Operations::Operation>(Core::Workspace &)> operation;
    std::function<Ui::ProcessData()> entry; // needs the materials catalogue
    bool operationOutdatesLattice;
    bool stepOutdatesLattice;
    uint32_t recordedId = 0; // the process the volume records, where it is not operationId
};

// An isotropic deposition or etching operation with the material and distance its dialog sets.
template <class Operation, class... Name>
std::shared_ptr<Operation> isotropicOperation(Core::Workspace &workspace, uint32_t material, float distance,
                                              Name... name)
{
    auto operation = std::make_shared<Operation>(workspace, name...);
    operation->setMaterial(material);
    if constexpr (std::is_same_v<Operation, Core::Operations::IsotropicFilmEtchingOperation>)
        operation->setDepth(distance);
    else
        operation->setThickness(distance);
    return operation;
}

inline std::vector<FilmProcessCase> filmProcessCases()
{
    using namespace Core::Operations;
    using Core::Batch::ProcessEntries;
    using Model::Automaton::TotalVolume;
    constexpr uint32_t kSi = 1, kOxide = 3, kMetal = 4, kGold = 9;
    return {
        {14, "Isotropic Etching", [](TotalVolume &v) { IsotropicFilmEtching(v, kSi, 1.0f).execute(); },
         [](Core::Workspace &w) { return isotropicOperation<IsotropicFilmEtchingOperation>(w, kSi, 1.0f); },
         [] { return ProcessEntries::isotropicEtching(kSi, 1.0); }, true, true},
        {13, "Isotropic Deposition",
         [](TotalVolume &v) { IsotropicFilmDeposition(v, kMetal, 2.5f).execute(); },
         [](Core::Workspace &w) {
             return isotropicOperation<IsotropicFilmDepositionOperation>(w, kMetal, 2.5f);
         },
         [] { return ProcessEntries::isotropicDeposition(kMetal, 2.5); }, false, false},
        {27, "Anisotropic Deposition",
         [](TotalVolume &v) { AnisotropicFilmDeposition(v, kMetal, 2.5f, 0.4f).execute(); },
         [](Core::Workspace &w) {
             auto op = std::make_shared<AnisotropicFilmDepositionOperation>(w);
             op->setThickness(2.5f);
             op->setRatio(0.4f);
             op->setMaterial(kMetal);
             return op;
         },
         [] { return ProcessEntries::anisotropicDeposition(kMetal, 2.5, 0.4); }, false, false},
        {32, "Anisotropic Etching",
         [](TotalVolume &v) { AnisotropicFilmEtching(v, kMetal, 2.0f, 0.0f).execute(); },
         [](Core::Workspace &w) {
             auto op = std::make_shared<AnisotropicFilmEtchingOperation>(w);
             op->setDepth(2.0f);
             op->setMaterial(kMetal);
             return op;
         },
         [] { return ProcessEntries::anisotropicEtching(kMetal, 2.0, 0.0); }, false, false},
        {31, "Isotropic Deposition",
         [](TotalVolume &v) {
             SimplePhysicalVaporDeposition(v, kSi, 3.0f, 0.5f, DepositSide::Both).execute();
         },
         [](Core::Workspace &w) {
             auto op = std::make_shared<SimplePhysicalVaporDepositionOperation>(w);
             op->setThickness(3.0f);
             op->setRatio(0.5f);
             op->setMaterial(kSi);
             op->setDepositSide(DepositSide::Both);
             return op;
         },
         [] { return ProcessEntries::pvd(kSi, 3.0, 0.5, DepositSide::Both); }, true, false},
        {15, "Electroplating", [](TotalVolume &v) { Electrodeposition(v, kGold, kSi, 2.0f).execute(); },
         [](Core::Workspace &w) {
             auto op = std::make_shared<ElectrodepositionOperation>(w);
             op->setThickness(2.0f);
             op->setDepositedMaterial(kGold);
             op->setConductingMaterial(kSi);
             return op;
         },
         [] { return ProcessEntries::electroplating(2.0, kSi, kGold); }, false, false},
        {18, "Moore film deposition",
         [](TotalVolume &v) { MooreNeighborhoodDeposition(v, kSi, 2).execute(); },
         [](Core::Workspace &w) {
             auto op = std::make_shared<MooreNeighborhoodDepositionOperation>(w);
             op->setMaterial(kSi);
             op->setCount(2);
             return op;
         },
         [] { return ProcessEntries::mooreDeposition(kSi, 2); }, true, true},
        {19, "Moore film deposition", [](TotalVolume &v) { MooreNeighborhoodEtching(v, kSi, 1).execute(); },
         [](Core::Workspace &w) {
             auto op = std::make_shared<MooreNeighborhoodEtchingOperation>(w);
             op->setMaterial(kSi);
             op->setCount(1);
             return op;
         },
         [] { return ProcessEntries::mooreEtching(kSi, 1); }, true, true},
        {33, "CVD", [](TotalVolume &v) { IsotropicFilmDeposition(v, kOxide, 1.0f).execute(); },
         [](Core::Workspace &w) {
             return isotropicOperation<IsotropicFilmDepositionOperation>(w, kOxide, 1.0f, "CVD");
         },
         [] { return ProcessEntries::cvd(kOxide, 1.0); }, false, false, 13},
    };
}

} // namespace TestSupport
