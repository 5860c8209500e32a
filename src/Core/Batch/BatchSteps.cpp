#include "Core/Batch/BatchSteps.h"

#include "Core/Batch/CreateSubstrateStep.h"
#include "Core/Batch/IsotropicFilmSteps.h"
#include "Core/Batch/SaveImageStep.h"
#include "Core/Batch/SiWetEtchingSteps.h"

#include <map>

namespace Core::Batch {
namespace {

// One entry per process type. Types not listed yet return "not implemented" until their engine
// joins the program: 0 photolithography, 2 and 3 Moore deposition and
// etching, 6 planarization, 7 electroplating, 8 doping, 9 pouring, 12 PVD, 13 RIE, 14 ion
// implantation, 15 oxidation, 17 and 18 anisotropic deposition and etching, 19 random-walk doping.
const std::map<uint32_t, BatchStep> &stepTable()
{
    static const std::map<uint32_t, BatchStep> table = {
        {1, runSiWetEtchingStep},
        {4, runCvdStep},
        {5, runIsotropicEtchingStep},
        {10, runSaveImageStep},
        {11, runCreateSubstrateStep},
        {16, runIsotropicDepositionStep},
        {20, runContinuousSiWetEtchingStep},
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
