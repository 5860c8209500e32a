#include "UI/Observers/RunModelExtractionObserver.h"

#include "Core/Operations/ModelExtraction/RunModelExtraction.h"
#include "UI/DialogPlacement.h"
#include "UI/Operations/ExtractModelDialog.h"

namespace Ui::Observers {

void RunModelExtractionObserver::notify()
{
    const auto extraction = operation.lock();
    if (!extraction)
        return;
    auto *dialog = new Operations::ExtractModelDialog(mainWindow.data(), extraction);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    extraction->setDialogCloser(std::make_shared<DestroyModelExtractionDialogObserver>(dialog));
    DialogPlacement::besideScene(*dialog, mainWindow.data());
    dialog->show();
}

DestroyModelExtractionDialogObserver::DestroyModelExtractionDialogObserver(
    Operations::ExtractModelDialog *dialog)
    : dialog(dialog)
{
}

void DestroyModelExtractionDialogObserver::notify()
{
    if (dialog)
        dialog->close();
}

} // namespace Ui::Observers
