#include "UI/Operations/AnisotropicEtchingDialog.h"

namespace Ui::Operations {

AnisotropicEtchingDialog::AnisotropicEtchingDialog(uint32_t processId, QWidget *parent)
    : DirectionalFilmOptionsDialog({QStringLiteral("AnisotropicEtchingBaseDialog"),
                                    QStringLiteral("Etch Depth"), QStringLiteral("dblEtchDepth"),
                                    QStringLiteral("Etch Depth"), 0.0},
                                   processId, parent)
{
}

} // namespace Ui::Operations
