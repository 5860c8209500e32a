#pragma once

#include "UI/MainWindowPresenter.h"
#include "UI/OperationMapper.h"

#include <QMainWindow>
#include <QString>

#include <vector>

class QAction;
class QShortcut;

namespace Ui {

class GLWidget;

// The program's top-level window: menus and actions, the 3-D view as central widget, the
// status bar with camera feedback, and the owner of the presenter. Operation actions reach the
// workspace by number through the operation mapper; view presets by name through the view mapper.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    MainWindowPresenter &getPresenter() { return *presenter; }
    GLWidget *getView() const { return view; }
    QAction *action(const char *objectName) const;

    // "Undo " / "Redo " followed by the operation's name; disabled for an empty name.
    void setUndoOperationName(const QString &name);
    void setRedoOperationName(const QString &name);

public slots:
    void showConsole(bool visible);
    void undoOperation();
    void redoOperation();
    void selectionToggled(bool checked);
    void lightingToggled(bool on);
    void renderObjectsToggled(bool on);
    void renderObjectEdgesToggled(bool on);
    void renderGridToggled(bool on);
    void snapToGridToggled(bool on);
    void setView(const QString &viewAngle);
    void changeGridSpacing();
    void changeWindowColors();
    void saveImage(const QString &filename);
    void saveImage();
    void showAboutInfo();
    void on_actionShow_Lights_toggled(bool on);
    void on_actionShow_Axis_toggled(bool on);
    void on_actionManage_Materials_triggered();
    void on_actionManage_Compatible_Materials_triggered();
    void on_actionNew_triggered();
    void on_actionSet_View_triggered();
    void on_actionSet_Lighting_triggered();
    void on_actionOpen_Process_List_triggered();
    void on_actionNew_Process_List_triggered();
    void changeRotationValue_statusBar(std::vector<float> angles);
    void changeAxisPositionValue_staturBar(std::vector<float> position);
    void changeViewPostionValue_statusBar(std::vector<float> pan);
    void changeZoomValue_statusBar(float zoom);
    void changeLampPosition_statusBar(std::vector<float> lamp);
    void repaintCentralWidget();

private:
    void buildForm();
    void connectFormActions();
    void registerMappedActions();
    void connectView();
    void connectConsole();
    // Enables the actions that need a cell volume in the scene.
    void updateSceneActions();

    MainWindowPresenter *presenter = nullptr;
    OperationMapper operationMapper;
    OperationMapper viewMapper;
    QShortcut *enterShortcut = nullptr;
    QShortcut *returnShortcut = nullptr;
    QShortcut *escapeShortcut = nullptr;
    GLWidget *view = nullptr;
    QString lastImagePath;
};

} // namespace Ui
