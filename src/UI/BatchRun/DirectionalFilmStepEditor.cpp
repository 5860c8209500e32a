#include "UI/BatchRun/DirectionalFilmStepEditor.h"

#include "Core/Batch/ProcessEntries.h"
#include "UI/Operations/AnisotropicDepositionDialog.h"
#include "UI/Operations/AnisotropicEtchingDialog.h"
#include "UI/Operations/PVDOptionsDialog.h"

#include <memory>

namespace Ui::BatchRun {

using Core::Batch::ProcessEntries;

std::optional<Ui::ProcessData> DirectionalFilmStepEditor::edit(QWidget *parent,
                                                               const Ui::ProcessData *current)
{
    const auto materials = Operations::MaterialOffer::wholeCatalogue();
    std::unique_ptr<Operations::DirectionalFilmOptionsDialog> dialog;
    switch (kind) {
    case Kind::Deposition:
        dialog = std::make_unique<Operations::AnisotropicDepositionDialog>(materials, parent);
        break;
    case Kind::Etching:
        dialog = std::make_unique<Operations::AnisotropicEtchingDialog>(materials, parent);
        break;
    case Kind::Vapor: dialog = std::make_unique<Operations::PVDOptionsDialog>(materials, parent); break;
    }
    if (current)
        dialog->loadParameters(current->getParameters());
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    const uint32_t material = dialog->getMaterialId();
    const double distance = dialog->getDistance();
    const double ratio = dialog->getRatio();
    switch (kind) {
    case Kind::Deposition: return ProcessEntries::anisotropicDeposition(material, distance, ratio);
    case Kind::Etching: return ProcessEntries::anisotropicEtching(material, distance, ratio);
    case Kind::Vapor:
        return ProcessEntries::pvd(
            material, distance, ratio,
            static_cast<const Operations::PVDOptionsDialog &>(*dialog).getDepositSide());
    }
    return std::nullopt;
}

} // namespace Ui::BatchRun
