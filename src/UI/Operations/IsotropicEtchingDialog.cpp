#include "UI/Operations/IsotropicEtchingDialog.h"

namespace Ui::Operations {

IsotropicEtchingDialog::IsotropicEtchingDialog(const MaterialOffer &materials, QWidget *parent)
    : IsotropicFilmOptionsDialog({QStringLiteral("IsotropicEtchingForm"),
                                  QStringLiteral("Isotropic Film Etching"), QStringLiteral("Etch Depth"),
                                  QStringLiteral("dblEtchDepth"), QStringLiteral("Depth")},
                                 materials, parent)
{
}

} // namespace Ui::Operations
