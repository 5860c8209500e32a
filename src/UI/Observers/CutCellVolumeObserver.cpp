#include "UI/Observers/CutCellVolumeObserver.h"

#include "Model/Automaton/TotalVolume.h"
#include "Model/Automaton/TotalVolumePainter.h"

namespace Ui::Observers {

using Core::Operations::CutCellVolumeOperation;
using Model::Automaton::CutBox;
using Ui::Operations::CutCellVolumeDialog;

void CutCellVolumeObserver::prepare(CutCellVolumeOperation &operation, CutCellVolumeDialog &dialog)
{
    if (const auto volume = operation.getVolume())
        dialog.setVolume({volume->getSizeX(), volume->getSizeY(), volume->getSizeZ()},
                         volume->getPainter().getCutBox());
    QObject::connect(&dialog, &CutCellVolumeDialog::previewChanged,
                     [&operation](const CutBox &box) { operation.setCutLimits(box, true); });
}

void CutCellVolumeObserver::accept(CutCellVolumeOperation &operation, const CutCellVolumeDialog &dialog)
{
    // While previewing, the operation already holds (and shows) the dialog's box.
    if (!dialog.isPreviewing())
        operation.setCutLimits(dialog.getCutBox(), false);
}

} // namespace Ui::Observers
