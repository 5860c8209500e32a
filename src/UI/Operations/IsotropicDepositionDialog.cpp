#include "UI/Operations/IsotropicDepositionDialog.h"

namespace Ui::Operations {

IsotropicDepositionDialog::IsotropicDepositionDialog(uint32_t processId, QWidget *parent)
    : IsotropicFilmOptionsDialog({QStringLiteral("IsotropicDepositionForm"),
                                  QStringLiteral("Isotropic Film Deposition"),
                                  QStringLiteral("Film thickness"), QStringLiteral("dblFilmThickness"),
                                  QStringLiteral("Film Thickness")},
                                 processId, parent)
{
}

} // namespace Ui::Operations
