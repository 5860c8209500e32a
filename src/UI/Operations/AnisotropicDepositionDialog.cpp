#include "UI/Operations/AnisotropicDepositionDialog.h"

#include "Model/Process/ProcessFactory.h"

namespace Ui::Operations {

AnisotropicDepositionDialog::AnisotropicDepositionDialog(const MaterialOffer &materials, QWidget *parent)
    : DirectionalFilmOptionsDialog({QStringLiteral("AnisotropicDepositionBaseDialog"),
                                    QStringLiteral("Film thickness"), QStringLiteral("dblFilmThickness"),
                                    QStringLiteral("Film Thickness"), 0.0,
                                    Model::Process::ProcessIds::kAnisotropicDeposition},
                                   materials, parent)
{
}

} // namespace Ui::Operations
