#include "UI/Operations/IsotropicEtchingDialog.h"

namespace Ui::Operations {

IsotropicEtchingDialog::IsotropicEtchingDialog(uint32_t processId, QWidget *parent)
    : IsotropicFilmOptionsDialog({QStringLiteral("IsotropicEtchingForm"),
                                  QStringLiteral("Isotropic Film Etching"), QStringLiteral("Etch Depth"),
                                  QStringLiteral("dblEtchDepth"), QStringLiteral("Depth")},
                                 processId, parent)
{
}

} // namespace Ui::Operations
