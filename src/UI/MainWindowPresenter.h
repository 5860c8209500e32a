#pragma once

#include "Core/Workspace/Workspace.h"

#include <QObject>
#include <QString>

namespace Ui {

class MainWindow;

namespace Console {
class CommandConsole;
}

// Owns one main window's workspace and console, and turns the window's actions into
// workspace calls.
class MainWindowPresenter : public QObject {
    Q_OBJECT
public:
    explicit MainWindowPresenter(MainWindow *mainWindow);
    ~MainWindowPresenter() override;

    void undo();
    void redo();
    // Asks for confirmation, then empties the document.
    void newDocument();
    void showConsole(bool visible);
    void setSelectionMode(bool on);
    void manageMaterials();
    void manageCompatibleMaterials();
    void runProcessList(const QString &path);
    void connectViewUpdates();

    MainWindow *getMainWindow() const { return mainWindow; }
    Core::Workspace &getWorkspace() { return workspace; }
    Core::Selection &getSelection() { return workspace.getSelection(); }
    Core::Scene &getScene() { return workspace.getScene(); }
    Console::CommandConsole *getConsole() const { return console; }

public slots:
    void undoStackChanged();
    void redoStackChanged();
    void operationActivated(const QString &operationId);
    void enterPressed();
    void cancelPressed();

private:
    void placeConsole();

    MainWindow *mainWindow;
    Core::Workspace workspace;
    Console::CommandConsole *console = nullptr;
};

} // namespace Ui
