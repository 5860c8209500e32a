#include "UI/Observers/GlueSubstrateObserver.h"

namespace Ui::Observers {

using Core::Operations::GlueSubstrateOperation;
using Ui::Operations::GlueSubstrateDialog;

void GlueSubstrateObserver::prepare(GlueSubstrateOperation &operation, GlueSubstrateDialog &dialog)
{
    if (operation.getGluing())
        dialog.setGluing(*operation.getGluing());
}

void GlueSubstrateObserver::accept(GlueSubstrateOperation &operation, const GlueSubstrateDialog &dialog)
{
    operation.setPlacement(dialog.getPlacement());
}

} // namespace Ui::Observers
