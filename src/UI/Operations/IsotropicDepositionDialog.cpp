#include "UI/Operations/IsotropicDepositionDialog.h"

namespace Ui::Operations {

IsotropicDepositionDialog::IsotropicDepositionDialog(const MaterialOffer &materials, QWidget *parent)
    : IsotropicFilmOptionsDialog({QStringLiteral("IsotropicDepositionForm"),
                                  QStringLiteral("Isotropic Film Deposition"),
                                  QStringLiteral("Film thickness"), QStringLiteral("dblFilmThickness"),
                                  QStringLiteral("Film Thickness")},
                                 materials, parent)
{
}

} // namespace Ui::Operations
