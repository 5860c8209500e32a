#include "Core/Batch/BatchSteps.h"

#include "Core/Batch/CreateSubstrateStep.h"
#include "Core/Batch/DirectionalFilmSteps.h"
#include "Core/Batch/DopingSteps.h"
#include "Core/Batch/ElectroplatingStep.h"
#include "Core/Batch/IsotropicFilmSteps.h"
#include "Core/Batch/MaskAndLayerSteps.h"
#include "Core/Batch/MooreNeighborhoodSteps.h"
#include "Core/Batch/SaveImageStep.h"
#include "Core/Batch/SiOxidationStep.h"
#include "Core/Batch/SiWetEtchingSteps.h"

#include <map>

namespace Core::Batch {
namespace {

// One entry per process type. Types of the process table not listed yet return "not
// implemented" until their engine joins the program.
const std::map<uint32_t, BatchStep> &stepTable()
{
    // One entry a line, so that entries added side by side merge cleanly.
    // clang-format off
    static const std::map<uint32_t, BatchStep> table = {
        {0, runPhotolithographyStep},
        {1, runSiWetEtchingStep},
        {2, runMooreDepositionStep},
        {3, runMooreEtchingStep},
        {4, runCvdStep},
        {5, runIsotropicEtchingStep},
        {6, runPlanarizationStep},
        {7, runElectroplatingStep},
        {8, runDopingStep},
        {9, runSpinCoatingStep},
        {10, runSaveImageStep},
        {11, runCreateSubstrateStep},
        {12, runPvdStep},
        {13, runSimpleRieStep},
        {14, runIonImplantationStep},
        {15, runSiOxidationStep},
        {16, runIsotropicDepositionStep},
        {17, runAnisotropicDepositionStep},
        {18, runAnisotropicEtchingStep},
        {19, runRandomWalkDopingStep},
        {20, runContinuousSiWetEtchingStep},
    };
    // clang-format on
    return table;
}

} // namespace

const BatchStep *BatchSteps::find(uint32_t processType)
{
    const auto &table = stepTable();
    const auto found = table.find(processType);
    return found == table.end() ? nullptr : &found->second;
}

} // namespace Core::Batch
