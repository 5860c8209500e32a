#include "UI/BatchRun/CreateSubstrateStepEditor.h"

#include "Core/Batch/ProcessEntries.h"
#include "Core/Operations/CreateSubstrate/SubstrateDescription.h"
#include "Model/Materials/MaterialFactory.h"
#include "UI/Operations/CreateSubstrateDialog.h"

namespace Ui::BatchRun {

std::optional<Ui::ProcessData> CreateSubstrateStepEditor::edit(QWidget *parent,
                                                               const Ui::ProcessData *current)
{
    Operations::CreateSubstrateDialog dialog(parent);
    dialog.setMaterials(Model::Materials::MaterialFactory::instance()->getMaterials());
    if (current)
        dialog.loadParameters(current->getParameters());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    Core::Operations::SubstrateDescription d;
    d.materialId = dialog.getMaterial();
    d.totalWidth = dialog.getTotalWidth();
    d.totalLength = dialog.getTotalLength();
    d.totalHeight = dialog.getTotalHeight();
    d.position = dialog.getPosition();
    d.spherical = dialog.isSpherical();
    d.blockX = dialog.getSubstrateX();
    d.blockY = dialog.getSubstrateY();
    d.blockZ = dialog.getSubstrateZ();
    d.blockWidth = dialog.getSubstrateWidth();
    d.blockLength = dialog.getSubstrateLength();
    d.blockHeight = dialog.getSubstrateHeight();
    d.centerX = dialog.getCenterX();
    d.centerY = dialog.getCenterY();
    d.centerZ = dialog.getCenterZ();
    d.radius = dialog.getRadius();
    return Core::Batch::ProcessEntries::createSubstrate(d);
}

} // namespace Ui::BatchRun
