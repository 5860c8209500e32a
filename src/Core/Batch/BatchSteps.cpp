#include "Core/Batch/BatchSteps.h"

#include "Core/Batch/CreateSubstrateStep.h"
#include "Core/Batch/DirectionalFilmSteps.h"
#include "Core/Batch/ElectroplatingStep.h"
#include "Core/Batch/IsotropicFilmSteps.h"
#include "Core/Batch/MooreNeighborhoodSteps.h"
#include "Core/Batch/SaveImageStep.h"

#include <map>

namespace Core::Batch {
namespace {

// One entry per process type. Types not listed yet return "not implemented" until their engine
// joins the program: 0 photolithography, 1 Si wet etching, 6 planarization, 8 doping, 9 pouring,
// 13 RIE, 14 ion implantation, 15 oxidation, 19 random-walk doping.
const std::map<uint32_t, BatchStep> &stepTable()
{
    static const std::map<uint32_t, BatchStep> table = {
        {2, runMooreDepositionStep},
        {3, runMooreEtchingStep},
        {4, runCvdStep},
        {5, runIsotropicEtchingStep},
        {7, runElectroplatingStep},
        {10, runSaveImageStep},
        {11, runCreateSubstrateStep},
        {12, runPvdStep},
        {16, runIsotropicDepositionStep},
        {17, runAnisotropicDepositionStep},
        {18, runAnisotropicEtchingStep},
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
