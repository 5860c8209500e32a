#include "UI/Operations/AnisotropicEtchingDialog.h"

#include "Model/Process/ProcessFactory.h"

namespace Ui::Operations {

AnisotropicEtchingDialog::AnisotropicEtchingDialog(const MaterialOffer &materials, QWidget *parent)
    : DirectionalFilmOptionsDialog({QStringLiteral("AnisotropicEtchingBaseDialog"),
                                    QStringLiteral("Etch Depth"), QStringLiteral("dblEtchDepth"),
                                    QStringLiteral("Etch Depth"), 0.0,
                                    Model::Process::ProcessIds::kAnisotropicEtching},
                                   materials, parent)
{
}

} // namespace Ui::Operations
