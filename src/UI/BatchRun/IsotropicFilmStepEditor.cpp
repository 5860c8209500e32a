#include "UI/BatchRun/IsotropicFilmStepEditor.h"

#include "Core/Batch/ProcessEntries.h"
#include "UI/Operations/IsotropicDepositionDialog.h"
#include "UI/Operations/IsotropicEtchingDialog.h"

#include <memory>

namespace Ui::BatchRun {

std::optional<Ui::ProcessData> IsotropicFilmStepEditor::edit(QWidget *parent, const Ui::ProcessData *current)
{
    const auto materials = Operations::MaterialOffer::wholeCatalogue();
    std::unique_ptr<Operations::IsotropicFilmOptionsDialog> dialog;
    if (kind == Kind::Etching)
        dialog = std::make_unique<Operations::IsotropicEtchingDialog>(materials, parent);
    else
        dialog = std::make_unique<Operations::IsotropicDepositionDialog>(materials, parent);
    if (current) {
        QVariantMap parameters = current->getParameters();
        // A CVD entry keeps its film thickness under "Thickness"; the dialog reads "Film Thickness".
        if (kind == Kind::Cvd && parameters.contains(QStringLiteral("Thickness")))
            parameters.insert(QStringLiteral("Film Thickness"),
                              parameters.value(QStringLiteral("Thickness")));
        dialog->loadParameters(parameters);
    }
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    const uint32_t material = dialog->getMaterialId();
    const double distance = dialog->getDistance();
    switch (kind) {
    case Kind::Cvd: return Core::Batch::ProcessEntries::cvd(material, distance);
    case Kind::Etching: return Core::Batch::ProcessEntries::isotropicEtching(material, distance);
    case Kind::Deposition: return Core::Batch::ProcessEntries::isotropicDeposition(material, distance);
    }
    return std::nullopt;
}

} // namespace Ui::BatchRun
