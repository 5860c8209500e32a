#include "Core/Batch/BatchSteps.h"

#include "Core/Batch/CreateSubstrateStep.h"
#include "Core/Batch/DopingSteps.h"
#include "Core/Batch/IsotropicFilmSteps.h"
#include "Core/Batch/SaveImageStep.h"
#include "Core/Batch/SiOxidationStep.h"

#include <map>

namespace Core::Batch {
namespace {

// One entry per process type. Types not listed yet return "not implemented" until their engine
// joins the program: 0 photolithography, 1 Si wet etching, 2 and 3 Moore deposition and
// etching, 6 planarization, 7 electroplating, 9 pouring, 12 PVD, 13 RIE, 17 and 18 anisotropic
// deposition and etching.
const std::map<uint32_t, BatchStep> &stepTable()
{
    static const std::map<uint32_t, BatchStep> table = {
        {4, runCvdStep},          {5, runIsotropicEtchingStep},     {8, runDopingStep},
        {10, runSaveImageStep},   {11, runCreateSubstrateStep},     {14, runIonImplantationStep},
        {15, runSiOxidationStep}, {16, runIsotropicDepositionStep}, {19, runRandomWalkDopingStep},
    };
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
