#include "UI/MainWindow.h"

#include "Core/Operations/OperationCatalogue.h"
#include "UI/Console/CommandConsole.h"
#include "UI/DialogPlacement.h"
#include "UI/Input/AboutWindow.h"
#include "UI/Input/ChangeColorsDialog.h"
#include "UI/Input/ChangeGridSpacingDialog.h"
#include "UI/Input/SaveFileName.h"
#include "UI/MainWindowActions.h"
#include "UI/Observers/SelectionModeObserver.h"
#include "UI/View/GLWidget.h"
#include "UI/View/ViewStatusText.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>
#include <QStatusBar>

namespace Ui {
namespace {

constexpr int kStatusTimeout = 5000;

// View actions are mapped to the preset names the view understands.
const std::pair<const char *, const char *> kViewPresets[] = {
    {"actionFront_View", "front"},   {"actionBack_view", "back"}, {"actionLeft_View", "left"},
    {"actionRight_View", "right"},   {"actionTop_View", "top"},   {"actionBottom_View", "bottom"},
    {"actionManual_View", "manual"},
};

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    buildForm();
    presenter = new MainWindowPresenter(this);
    enterShortcut = new QShortcut(QKeySequence(Qt::Key_Enter), this);
    returnShortcut = new QShortcut(QKeySequence(Qt::Key_Return), this);
    escapeShortcut = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    view = new GLWidget(this, presenter);
    setCentralWidget(view);
    view->setRotation(-60, 0, 30);
    presenter->connectViewUpdates();
    registerMappedActions();
    connect(&operationMapper, &OperationMapper::activated, presenter,
            &MainWindowPresenter::operationActivated);
    connect(&viewMapper, &OperationMapper::activated, this, &MainWindow::setView);
    connect(enterShortcut, &QShortcut::activated, presenter, &MainWindowPresenter::enterPressed);
    connect(returnShortcut, &QShortcut::activated, presenter, &MainWindowPresenter::enterPressed);
    connect(escapeShortcut, &QShortcut::activated, presenter, &MainWindowPresenter::cancelPressed);
    presenter->getSelection().addModeObserver(std::make_shared<Observers::SelectionModeObserver>(
        action("actionSelect"), presenter->getSelection()));
    setAttribute(Qt::WA_DeleteOnClose);
    connectView();
    connectConsole();
    updateSceneActions();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildForm()
{
    setObjectName(QStringLiteral("MainWindowForm"));
    setWindowTitle(QStringLiteral("Cellfab"));
    resize(800, 600);
    for (const ActionDescription &description : mainWindowActions()) {
        auto *created = new QAction(QString::fromUtf8(description.text), this);
        created->setObjectName(QString::fromUtf8(description.objectName));
        if (description.shortcut)
            created->setShortcut(QKeySequence(QString::fromUtf8(description.shortcut)));
        created->setCheckable(description.checkable);
        created->setChecked(description.checked);
        if (description.toolTip)
            created->setToolTip(QString::fromUtf8(description.toolTip));
        if (description.statusTip)
            created->setStatusTip(QString::fromUtf8(description.statusTip));
    }
    action("actionUndo")->setEnabled(false);
    action("actionRedo")->setEnabled(false);
    action("actionModel_Extraction")->setEnabled(false);
    for (const MenuDescription &description : mainWindowMenus()) {
        QMenu *menu = menuBar()->addMenu(QString::fromUtf8(description.title));
        menu->setObjectName(QString::fromUtf8(description.objectName));
        for (const char *name : description.actions) {
            if (name)
                menu->addAction(action(name));
            else
                menu->addSeparator();
        }
    }
    statusBar();
    connectFormActions();
    QMetaObject::connectSlotsByName(this);
}

void MainWindow::connectFormActions()
{
    connect(action("actionExit"), &QAction::triggered, this, &QWidget::close);
    connect(action("actionConsole"), &QAction::toggled, this, &MainWindow::showConsole);
    connect(action("actionUndo"), &QAction::triggered, this, &MainWindow::undoOperation);
    connect(action("actionRedo"), &QAction::triggered, this, &MainWindow::redoOperation);
    connect(action("actionSelect"), &QAction::toggled, this, &MainWindow::selectionToggled);
    connect(action("actionLighting"), &QAction::toggled, this, &MainWindow::lightingToggled);
    connect(action("actionRender_Objects"), &QAction::toggled, this, &MainWindow::renderObjectsToggled);
    connect(action("actionRender_Object_Edges"), &QAction::toggled, this,
            &MainWindow::renderObjectEdgesToggled);
    connect(action("actionSnap_to_Grid"), &QAction::toggled, this, &MainWindow::snapToGridToggled);
    connect(action("actionGrid"), &QAction::toggled, this, &MainWindow::renderGridToggled);
    connect(action("actionGrid_Spacing"), &QAction::triggered, this, &MainWindow::changeGridSpacing);
    connect(action("actionConfigure_Window_Colors"), &QAction::triggered, this,
            &MainWindow::changeWindowColors);
    connect(action("actionSave_Image"), &QAction::triggered, this, qOverload<>(&MainWindow::saveImage));
    connect(action("actionAbout_Cellfab"), &QAction::triggered, this, &MainWindow::showAboutInfo);
}

void MainWindow::registerMappedActions()
{
    for (const auto &entry : Core::Operations::operationCatalogue())
        operationMapper.map(action(entry.actionName), entry.id);
    for (const auto &[name, preset] : kViewPresets)
        viewMapper.map(action(name), QString::fromUtf8(preset));
}

void MainWindow::connectView()
{
    connect(view, &GLWidget::axisPositionChanged, this, &MainWindow::changeAxisPositionValue_staturBar);
    connect(view, &GLWidget::viewPositionChanged, this, &MainWindow::changeViewPostionValue_statusBar);
    connect(view, &GLWidget::rotationChanged, this, &MainWindow::changeRotationValue_statusBar);
    connect(view, &GLWidget::zoomChanged, this, &MainWindow::changeZoomValue_statusBar);
    connect(view, &GLWidget::lampPositionChanged, this, &MainWindow::changeLampPosition_statusBar);
}

// The console is a window of its own: its close button unchecks Windows → Console, and Undo and
// Redo typed in its entry line still undo and redo the document.
void MainWindow::connectConsole()
{
    Console::CommandConsole *console = presenter->getConsole();
    connect(console, &Console::CommandConsole::closed, this,
            [this] { action("actionConsole")->setChecked(false); });
    console->leaveShortcutsToWindow({action("actionUndo")->shortcut(), action("actionRedo")->shortcut()});
}

QAction *MainWindow::action(const char *objectName) const
{
    return findChild<QAction *>(QString::fromUtf8(objectName), Qt::FindDirectChildrenOnly);
}

void MainWindow::setUndoOperationName(const QString &name)
{
    action("actionUndo")->setText(QStringLiteral("Undo ") + name);
    action("actionUndo")->setEnabled(!name.isEmpty());
}

void MainWindow::setRedoOperationName(const QString &name)
{
    action("actionRedo")->setText(QStringLiteral("Redo ") + name);
    action("actionRedo")->setEnabled(!name.isEmpty());
}

void MainWindow::showConsole(bool visible)
{
    presenter->showConsole(visible);
}

void MainWindow::undoOperation()
{
    presenter->undo();
    repaintCentralWidget();
}

void MainWindow::redoOperation()
{
    presenter->redo();
    repaintCentralWidget();
}

void MainWindow::selectionToggled(bool checked)
{
    presenter->setSelectionMode(checked);
}

void MainWindow::lightingToggled(bool on)
{
    view->setLightingEnabled(on);
}

void MainWindow::renderObjectsToggled(bool on)
{
    view->setObjectsShown(on);
}

void MainWindow::renderObjectEdgesToggled(bool on)
{
    view->setEdgesShown(on);
}

void MainWindow::renderGridToggled(bool on)
{
    view->setGridShown(on);
}

void MainWindow::snapToGridToggled(bool on)
{
    view->setSnapToGrid(on);
}

void MainWindow::setView(const QString &viewAngle)
{
    view->setView(viewAngle);
}

void MainWindow::changeGridSpacing()
{
    Input::ChangeGridSpacingDialog dialog(view->getGridSpacing(), this);
    DialogPlacement::besideScene(dialog, this);
    if (dialog.exec() == QDialog::Accepted)
        view->setGridSpacing(dialog.getSpacing());
}

void MainWindow::changeWindowColors()
{
    Input::ChangeColorsDialog dialog(view->getColors(), this);
    DialogPlacement::besideScene(dialog, this);
    if (dialog.exec() == QDialog::Accepted)
        view->setColors(dialog.getColors());
}

// With a file name the view is saved there (the format follows the suffix); without one the
// user chooses where, starting at the last place used.
void MainWindow::saveImage(const QString &filename)
{
    QString target = filename;
    if (target.isEmpty()) {
        if (lastImagePath.isEmpty())
            lastImagePath = QDir::homePath();
        target =
            Input::SaveFileName::ask(this, QStringLiteral("Save Screen Image"), lastImagePath,
                                     QStringLiteral("Images (*.png *.xpm *.jpg)"), QStringLiteral("png"));
        if (target.isEmpty())
            return;
        lastImagePath = target;
    }
    const QImage image = view->renderImage();
    if (image.isNull() || !image.save(target))
        QMessageBox::warning(this, QStringLiteral("Save Screen Image"),
                             QStringLiteral("The image could not be saved to %1.").arg(target));
}

void MainWindow::saveImage()
{
    saveImage(QString());
}

void MainWindow::showAboutInfo()
{
    AboutWindow about(this);
    about.exec();
}

void MainWindow::on_actionShow_Lights_toggled(bool on)
{
    view->setLampsShown(on);
}

void MainWindow::on_actionShow_Axis_toggled(bool on)
{
    view->setAxesShown(on);
}

void MainWindow::on_actionManage_Materials_triggered()
{
    presenter->manageMaterials();
}

void MainWindow::on_actionManage_Compatible_Materials_triggered()
{
    presenter->manageCompatibleMaterials();
}

void MainWindow::on_actionNew_triggered()
{
    presenter->newDocument();
}

void MainWindow::on_actionSet_View_triggered()
{
    view->editViewProperties(0);
}

void MainWindow::on_actionSet_Lighting_triggered()
{
    view->editViewProperties(1);
}

void MainWindow::on_actionOpen_Process_List_triggered()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Process List File"), QDir::homePath(), QStringLiteral("Process List (*.plst)"));
    presenter->runProcessList(path);
}

void MainWindow::on_actionNew_Process_List_triggered()
{
    presenter->runProcessList(QString());
}

void MainWindow::changeRotationValue_statusBar(std::vector<float> angles)
{
    statusBar()->showMessage(ViewStatusText::rotation(angles), kStatusTimeout);
}

void MainWindow::changeAxisPositionValue_staturBar(std::vector<float> position)
{
    statusBar()->showMessage(ViewStatusText::axisPosition(position), kStatusTimeout);
}

void MainWindow::changeViewPostionValue_statusBar(std::vector<float> pan)
{
    statusBar()->showMessage(ViewStatusText::viewPosition(pan), kStatusTimeout);
}

void MainWindow::changeZoomValue_statusBar(float zoom)
{
    statusBar()->showMessage(ViewStatusText::zoom(zoom), kStatusTimeout);
}

void MainWindow::changeLampPosition_statusBar(std::vector<float> lamp)
{
    statusBar()->showMessage(ViewStatusText::lamp(lamp), kStatusTimeout);
}

// Every change of the scene asks for a redraw, so this is also where actions that need a cell
// volume follow the scene.
void MainWindow::repaintCentralWidget()
{
    view->update();
    updateSceneActions();
}

void MainWindow::updateSceneActions()
{
    action("actionModel_Extraction")->setEnabled(!presenter->getScene().getCellVolumes().empty());
}

} // namespace Ui
