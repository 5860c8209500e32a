#include "UI/Observers/MaskedCutObserver.h"

namespace Ui::Observers {

using Core::Operations::MaskedCutCellVolumeOperation;
using Ui::Operations::MaskedCutOptionsDialog;

void MaskedCutObserver::prepare(MaskedCutCellVolumeOperation &operation, MaskedCutOptionsDialog &dialog)
{
    QObject::connect(&dialog, &MaskedCutOptionsDialog::maskChanged,
                     [&operation](const Model::Automaton::ImageMask &mask) { operation.showMask(mask); });
}

void MaskedCutObserver::accept(MaskedCutCellVolumeOperation &operation, const MaskedCutOptionsDialog &dialog)
{
    // Without a mask there is nothing to cut with: the operation then cancels.
    if (!dialog.getMask().isEmpty())
        operation.setMask(dialog.getMask());
}

} // namespace Ui::Observers
