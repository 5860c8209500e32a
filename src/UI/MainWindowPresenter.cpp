#include "UI/MainWindowPresenter.h"

#include "Core/Operations/CellVolumeChoice.h"
#include "Model/Automaton/TotalVolume.h"
#include "Model/Process/ProcessFactory.h"
#include "UI/BatchRun/BatchDialogLauncher.h"
#include "UI/Console/CommandConsole.h"
#include "UI/EditCompatibleMaterialsDialog.h"
#include "UI/MainWindow.h"
#include "UI/ManageMaterialsDialog.h"
#include "UI/Observers/DocumentFileDialogs.h"
#include "UI/Observers/UndoRedoObserver.h"
#include "UI/Observers/UpdateObserver.h"
#include "UI/OperationFactory.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

namespace Ui {

MainWindowPresenter::MainWindowPresenter(MainWindow *mainWindow) : QObject(mainWindow), mainWindow(mainWindow)
{
    console = new Console::CommandConsole(mainWindow, Qt::Tool, workspace.getCommandInterpreter());
    placeConsole();

    auto undoObserver = std::make_shared<Observers::UndoRedoObserver>();
    connect(undoObserver.get(), &Observers::UndoRedoObserver::stackChanged, this,
            &MainWindowPresenter::undoStackChanged);
    workspace.getUndoRedoStacks().addUndoObserver(undoObserver);
    auto redoObserver = std::make_shared<Observers::UndoRedoObserver>();
    connect(redoObserver.get(), &Observers::UndoRedoObserver::stackChanged, this,
            &MainWindowPresenter::redoStackChanged);
    workspace.getUndoRedoStacks().addRedoObserver(redoObserver);

    workspace.setOperationFactory(std::make_shared<OperationFactory>(this));
    workspace.setBusyHandler([](bool busy) {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    });
}

MainWindowPresenter::~MainWindowPresenter() = default;

void MainWindowPresenter::placeConsole()
{
    QScreen *screen = mainWindow->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int x = int((available.width() - console->width()) * 0.9);
    const int y = int((available.height() - console->height()) * 0.9);
    console->move(x, y);
    // Shown once the event loop runs, so the window manager sees the main window first and
    // keeps the tool window above it.
    QTimer::singleShot(0, console, [console = console] {
        console->show();
        console->raise();
    });
}

void MainWindowPresenter::undo()
{
    workspace.undo();
}

void MainWindowPresenter::redo()
{
    workspace.redo();
}

void MainWindowPresenter::newDocument()
{
    const auto answer = QMessageBox::information(mainWindow, QStringLiteral("Create new document"),
                                                 QStringLiteral("This will erase all data. Continue?"),
                                                 QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    workspace.newDocument();
    mainWindow->setWindowTitle(
        Observers::DocumentFileDialogs::windowTitle(workspace.getScene().getFileName()));
}

void MainWindowPresenter::showConsole(bool visible)
{
    console->setVisible(visible);
}

void MainWindowPresenter::setSelectionMode(bool on)
{
    if (workspace.getSelection().getMode() != on)
        workspace.getSelection().setMode(on);
}

// Accepted changes reach the catalogue and its file, and every volume is redrawn in the new
// colours.
void MainWindowPresenter::manageMaterials()
{
    ManageMaterialsDialog dialog(mainWindow);
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.writeToCatalogue();
    for (const auto &volume : workspace.getScene().getCellVolumes())
        volume->refreshDrawingData();
    workspace.getSelection().clear();
    workspace.requestRedraw();
}

void MainWindowPresenter::manageCompatibleMaterials()
{
    EditCompatibleMaterialsDialog dialog(mainWindow);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const auto catalogue = Model::Process::ProcessFactory::instance();
    for (const auto &process : dialog.getProcesses())
        catalogue->setProcess(process);
    catalogue->saveProcesses();
    workspace.getSelection().clear();
    workspace.requestRedraw();
}

void MainWindowPresenter::runProcessList(const QString &path)
{
    BatchDialogLauncher::run(*this, Core::Operations::lastSelectedCellVolume(workspace), path);
}

void MainWindowPresenter::connectViewUpdates()
{
    auto observer = std::make_shared<Observers::UpdateObserver>();
    connect(observer.get(), &Observers::UpdateObserver::updateGL, mainWindow,
            &MainWindow::repaintCentralWidget);
    workspace.addViewUpdateObserver(observer);
}

void MainWindowPresenter::undoStackChanged()
{
    mainWindow->setUndoOperationName(QString::fromStdString(workspace.getUndoRedoStacks().undoName()));
}

void MainWindowPresenter::redoStackChanged()
{
    mainWindow->setRedoOperationName(QString::fromStdString(workspace.getUndoRedoStacks().redoName()));
}

void MainWindowPresenter::operationActivated(const QString &operationId)
{
    bool ok = false;
    const uint32_t id = operationId.toUInt(&ok, 10);
    workspace.activate(ok ? id : 0);
}

void MainWindowPresenter::enterPressed()
{
    console->enterPressed();
}

void MainWindowPresenter::cancelPressed()
{
    workspace.cancelCurrent();
    workspace.getSelection().clear();
    workspace.requestRedraw();
}

} // namespace Ui
