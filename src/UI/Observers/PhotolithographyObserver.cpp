#include "UI/Observers/PhotolithographyObserver.h"

namespace Ui::Observers {

using Core::Operations::PhotolithographyOperation;
using Ui::Operations::PhotolithographyDialog;

void PhotolithographyObserver::prepare(PhotolithographyOperation &operation, PhotolithographyDialog &dialog)
{
    QObject::connect(&dialog, &PhotolithographyDialog::topMaskChanged,
                     [&operation](const Model::Automaton::ImageMask &mask) { operation.setTopMask(mask); });
    QObject::connect(
        &dialog, &PhotolithographyDialog::bottomMaskChanged,
        [&operation](const Model::Automaton::ImageMask &mask) { operation.setBottomMask(mask); });
}

void PhotolithographyObserver::accept(PhotolithographyOperation &operation,
                                      const PhotolithographyDialog &dialog)
{
    operation.setMaterial(dialog.getMaterialId());
}

} // namespace Ui::Observers
