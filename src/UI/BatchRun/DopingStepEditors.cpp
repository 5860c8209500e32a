#include "UI/BatchRun/DopingStepEditors.h"

#include "Core/Batch/ProcessEntries.h"
#include "UI/BatchRun/DialogStepEditor.h"
#include "UI/Operations/DopingOptionsDialog.h"
#include "UI/Operations/IonImplantationOptionsDialog.h"
#include "UI/Operations/RandomWalkDopingDialog.h"
#include "UI/Operations/SimpleOxidationOptionsDialog.h"

namespace Ui::BatchRun {

using Core::Batch::ProcessEntries;
using namespace Ui::Operations;

std::shared_ptr<ProcessStepEditor> dopingStepEditor()
{
    return std::make_shared<DialogStepEditor<DopingOptionsDialog>>([](const DopingOptionsDialog &dialog) {
        return ProcessEntries::doping(dialog.getMaterialId(), float(dialog.getDepth()));
    });
}

std::shared_ptr<ProcessStepEditor> ionImplantationStepEditor()
{
    return std::make_shared<DialogStepEditor<IonImplantationOptionsDialog>>(
        [](const IonImplantationOptionsDialog &dialog) {
            return ProcessEntries::ionImplantation(dialog.getMaterialId(), dialog.getProfile());
        });
}

std::shared_ptr<ProcessStepEditor> siOxidationStepEditor()
{
    return std::make_shared<DialogStepEditor<SimpleOxidationOptionsDialog>>(
        [](const SimpleOxidationOptionsDialog &dialog) {
            return ProcessEntries::siOxidation(dialog.getSettings());
        });
}

std::shared_ptr<ProcessStepEditor> randomWalkDopingStepEditor()
{
    return std::make_shared<DialogStepEditor<RandomWalkDopingDialog>>(
        [](const RandomWalkDopingDialog &dialog) {
            return ProcessEntries::randomWalkDoping(dialog.getSettings());
        });
}

} // namespace Ui::BatchRun
