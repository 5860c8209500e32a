#include "UI/BatchRun/CreateSubstrateStepEditor.h"
#include "UI/BatchRun/DirectionalFilmStepEditor.h"
#include "UI/BatchRun/DopingStepEditors.h"
#include "UI/BatchRun/ElectroplatingStepEditor.h"
#include "UI/BatchRun/IsotropicFilmStepEditor.h"
#include "UI/BatchRun/MaskAndLayerStepEditors.h"
#include "UI/BatchRun/MooreStepEditor.h"
#include "UI/BatchRun/ProcessStepEditor.h"
#include "UI/BatchRun/SaveImageStepEditor.h"
#include "UI/BatchRun/SiWetEtchingStepEditor.h"

#include <map>
#include <memory>

namespace Ui::BatchRun {
namespace {

// One entry per process type. A type joins with its options dialog; until then the batch
// dialog cannot add or modify entries of that type (lists from files still load and run).
const std::map<uint32_t, std::shared_ptr<ProcessStepEditor>> &editorTable()
{
    static const std::map<uint32_t, std::shared_ptr<ProcessStepEditor>> table = {
        {0, MaskAndLayerStepEditors::photolithography()},
        {1, siWetEtchingStepEditor(1)},
        {2, std::make_shared<MooreStepEditor>(MooreStepEditor::Kind::Deposition)},
        {3, std::make_shared<MooreStepEditor>(MooreStepEditor::Kind::Etching)},
        {4, std::make_shared<IsotropicFilmStepEditor>(IsotropicFilmStepEditor::Kind::Cvd)},
        {5, std::make_shared<IsotropicFilmStepEditor>(IsotropicFilmStepEditor::Kind::Etching)},
        {6, MaskAndLayerStepEditors::planarization()},
        {7, electroplatingStepEditor()},
        {8, dopingStepEditor()},
        {9, MaskAndLayerStepEditors::spinCoating()},
        {10, std::make_shared<SaveImageStepEditor>()},
        {11, std::make_shared<CreateSubstrateStepEditor>()},
        {12, std::make_shared<DirectionalFilmStepEditor>(DirectionalFilmStepEditor::Kind::Vapor)},
        {13, MaskAndLayerStepEditors::simpleRie()},
        {14, ionImplantationStepEditor()},
        {15, siOxidationStepEditor()},
        {16, std::make_shared<IsotropicFilmStepEditor>(IsotropicFilmStepEditor::Kind::Deposition)},
        {17, std::make_shared<DirectionalFilmStepEditor>(DirectionalFilmStepEditor::Kind::Deposition)},
        {18, std::make_shared<DirectionalFilmStepEditor>(DirectionalFilmStepEditor::Kind::Etching)},
        {19, randomWalkDopingStepEditor()},
        {20, siWetEtchingStepEditor(20)},
    };
    return table;
}

} // namespace

ProcessStepEditor *ProcessStepEditors::find(uint32_t processType)
{
    const auto &table = editorTable();
    const auto found = table.find(processType);
    return found == table.end() ? nullptr : found->second.get();
}

} // namespace Ui::BatchRun
