#include "UI/Operations/AnisotropicDepositionDialog.h"

namespace Ui::Operations {

AnisotropicDepositionDialog::AnisotropicDepositionDialog(uint32_t processId, QWidget *parent)
    : DirectionalFilmOptionsDialog({QStringLiteral("AnisotropicDepositionBaseDialog"),
                                    QStringLiteral("Film thickness"), QStringLiteral("dblFilmThickness"),
                                    QStringLiteral("Film Thickness"), 0.0},
                                   processId, parent)
{
}

} // namespace Ui::Operations
