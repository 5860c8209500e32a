#include "UI/BatchRun/MaskAndLayerStepEditors.h"

#include "Core/Batch/ProcessEntries.h"
#include "UI/BatchRun/DialogStepEditor.h"
#include "UI/Operations/PhotolithographyDialog.h"
#include "UI/Operations/PlanarizationOptionsDialog.h"
#include "UI/Operations/SimpleRIEDialog.h"
#include "UI/Operations/SpinCoatingOptionsDialog.h"

namespace Ui::BatchRun {

using Core::Batch::ProcessEntries;
using namespace Ui::Operations;

std::shared_ptr<ProcessStepEditor> MaskAndLayerStepEditors::photolithography()
{
    return std::make_shared<DialogStepEditor<PhotolithographyDialog>>([](const PhotolithographyDialog &d) {
        return ProcessEntries::photolithography(d.getMaterialId(), d.getTopMask(), d.getTopMaskFile(),
                                                d.getBottomMask(), d.getBottomMaskFile());
    });
}

std::shared_ptr<ProcessStepEditor> MaskAndLayerStepEditors::planarization()
{
    return std::make_shared<DialogStepEditor<PlanarizationOptionsDialog>>(
        [](const PlanarizationOptionsDialog &d) {
            return ProcessEntries::planarization(d.getMaximumHeight(), d.getMinimumHeight());
        });
}

std::shared_ptr<ProcessStepEditor> MaskAndLayerStepEditors::spinCoating()
{
    return std::make_shared<DialogStepEditor<SpinCoatingOptionsDialog>>(
        [](const SpinCoatingOptionsDialog &d) {
            return ProcessEntries::spinCoating(d.getMaterialId(), d.getHeight());
        });
}

std::shared_ptr<ProcessStepEditor> MaskAndLayerStepEditors::simpleRie()
{
    return std::make_shared<DialogStepEditor<SimpleRIEDialog>>([](const SimpleRIEDialog &d) {
        return ProcessEntries::simpleRie(d.getMaterialId(), d.getDepth(), d.getDirections());
    });
}

} // namespace Ui::BatchRun
