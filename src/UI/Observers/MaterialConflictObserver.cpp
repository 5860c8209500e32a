#include "UI/Observers/MaterialConflictObserver.h"

#include "Model/Materials/MaterialFactory.h"
#include "UI/MaterialConflictDialog.h"

#include <QApplication>

namespace Ui::Observers {

std::optional<Model::Persistence::MaterialConflictChoice>
MaterialConflictObserver::resolve(const Model::Materials::Material &loaded,
                                  const Model::Materials::Material &existing)
{
    // A busy cursor may be showing while the file is read.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    MaterialConflictDialog dialog(parent, loaded, existing,
                                  Model::Materials::MaterialFactory::instance()->getMaterials());
    const bool accepted = dialog.exec() == QDialog::Accepted;
    QApplication::restoreOverrideCursor();
    if (!accepted)
        return std::nullopt;
    return dialog.choice();
}

} // namespace Ui::Observers
