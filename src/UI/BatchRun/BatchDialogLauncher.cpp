#include "UI/BatchRun/BatchDialogLauncher.h"

#include "Model/Automaton/TotalVolume.h"
#include "UI/BatchRun/RunProcessesDialog.h"
#include "UI/DialogPlacement.h"
#include "UI/MainWindow.h"
#include "UI/MainWindowPresenter.h"

#include <QPointer>

namespace Ui {

void BatchDialogLauncher::run(MainWindowPresenter &presenter,
                              std::shared_ptr<Model::Automaton::TotalVolume> volume, const QString &listPath)
{
    Core::Workspace &workspace = presenter.getWorkspace();
    QPointer<MainWindow> window = presenter.getMainWindow();
    RunProcessesDialog dialog(window, std::move(volume), workspace);
    dialog.setImageSaver([window](const QString &filename) {
        if (window)
            window->saveImage(filename);
    });
    if (!listPath.isEmpty())
        dialog.loadList(listPath);
    DialogPlacement::besideScene(dialog, window.data());
    dialog.exec();
    for (const auto &cellVolume : workspace.getScene().getCellVolumes())
        cellVolume->refreshDrawingData();
    workspace.requestRedraw();
}

} // namespace Ui
