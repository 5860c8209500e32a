#include "Support/DialogDrivers.h"
#include "Support/ModalBoxWatcher.h"
#include "Support/Volumes.h"
#include "Support/WorkspaceHarness.h"

#include "Core/Operations/CreateSubstrate/CreateSubstrateOperation.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDepositionOperation.h"
#include "Core/Operations/Operation.h"
#include "Core/Operations/OperationCatalogue.h"
#include "Core/Operations/Planarization/PlanarizationOperation.h"
#include "Model/Automaton/TotalVolume.h"
#include "UI/Console/CommandConsole.h"
#include "UI/MainWindow.h"
#include "UI/OperationFactory.h"
#include "UI/View/GLWidget.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using MainWindowTest = TestSupport::MainWindowFixture;

// Model Extraction, Undo, Redo and Select follow the workspace: a cell volume in the scene, the
// stacks and the selection mode.
TEST_F(MainWindowTest, ActionsFollowTheSceneTheStacksAndTheSelectionMode)
{
    QAction *extraction = window->action("actionModel_Extraction");
    EXPECT_FALSE(extraction->isEnabled());
    const auto volume = TestSupport::makeSlab(2, 2, 2, 1);
    workspace().getScene().addObject(volume);
    workspace().requestRedraw();
    EXPECT_TRUE(extraction->isEnabled());
    workspace().getScene().removeObject(volume);
    workspace().requestRedraw();
    EXPECT_FALSE(extraction->isEnabled());

    workspace().getUndoRedoStacks().push(
        std::make_shared<Core::Operations::CreateSubstrateOperation>(workspace()));
    EXPECT_EQ(window->action("actionUndo")->text(), "Undo Create Substrate");
    EXPECT_TRUE(window->action("actionUndo")->isEnabled());
    EXPECT_FALSE(window->action("actionRedo")->isEnabled());
    window->action("actionUndo")->trigger();
    EXPECT_EQ(window->action("actionUndo")->text(), "Undo ");
    EXPECT_FALSE(window->action("actionUndo")->isEnabled());
    EXPECT_EQ(window->action("actionRedo")->text(), "Redo Create Substrate");
    EXPECT_TRUE(window->action("actionRedo")->isEnabled());

    workspace().getSelection().setMode(true);
    EXPECT_TRUE(window->action("actionSelect")->isChecked());
    window->action("actionSelect")->setChecked(false);
    EXPECT_FALSE(workspace().getSelection().getMode()) << "unchecking Select switches the mode off";
}

// Planarization keeps no undo entry: once it changed the cells, redoing the undone deposition
// would write the deposition's cells over the planarized ones, so Redo goes away.
TEST_F(MainWindowTest, AChangeWithoutUndoEntryDropsTheRedoHistory)
{
    using namespace Core::Operations;
    auto factory = std::make_shared<TestSupport::MakerFactory>();
    workspace().setOperationFactory(factory);
    factory->makers[13] = TestSupport::withFakeDialog<IsotropicFilmDepositionOperation>(
        workspace(), [](IsotropicFilmDepositionOperation &op) {
            op.setMaterial(2);
            op.setThickness(2.0f);
        });
    factory->makers[22] =
        TestSupport::withFakeDialog<PlanarizationOperation>(workspace(), [](PlanarizationOperation &op) {
            op.setMaximumHeight(3);
            op.setMinimumHeight(0);
        });
    const auto volume = TestSupport::makeSlab(4, 4, 8, 2);
    workspace().getScene().addObject(volume);

    workspace().activate(13);
    window->action("actionUndo")->trigger();
    ASSERT_TRUE(window->action("actionRedo")->isEnabled());
    workspace().activate(22);
    const auto planarized = volume->materialIds();
    EXPECT_FALSE(window->action("actionRedo")->isEnabled());
    EXPECT_EQ(window->action("actionRedo")->text(), "Redo ");
    workspace().redo();
    EXPECT_EQ(volume->materialIds(), planarized);
}

// Every catalogue id builds its operation, with the catalogue's name, type and undo.
TEST_F(MainWindowTest, FactoryBuildsEveryCatalogueOperation)
{
    Ui::OperationFactory factory(&window->getPresenter());
    for (const auto &entry : Core::Operations::operationCatalogue()) {
        auto operation = factory.create(entry.id);
        if (!operation) {
            ADD_FAILURE() << "no operation for " << entry.id;
            continue;
        }
        EXPECT_EQ(operation->getName(), entry.displayName) << entry.id;
        EXPECT_EQ(operation->getOperationId(), entry.type) << entry.id;
        EXPECT_EQ(bool(std::dynamic_pointer_cast<Core::Operations::ObjectOperation>(operation)),
                  entry.undoable)
            << entry.id;
    }
    for (uint32_t free : {0u, 5u, 21u, 25u, 38u, 999u, 1001u})
        EXPECT_EQ(factory.create(free), nullptr) << free;
}

// Each View preset puts the eye on the side of the scene it names (the lower left front corner
// of a volume is its smallest corner: front is −y, left is −x, bottom is −z).
TEST_F(MainWindowTest, ViewPresetsLookFromTheSideTheyName)
{
    const std::pair<const char *, Util::Vector3D> presets[] = {
        {"actionFront_View", {0, -1, 0}}, {"actionBack_view", {0, 1, 0}}, {"actionLeft_View", {-1, 0, 0}},
        {"actionRight_View", {1, 0, 0}},  {"actionTop_View", {0, 0, 1}},  {"actionBottom_View", {0, 0, -1}},
    };
    for (const auto &[name, side] : presets) {
        window->action(name)->trigger();
        const Util::Vector3D eye = window->getView()->getCamera().viewDirection();
        EXPECT_NEAR(eye.x * side.x + eye.y * side.y + eye.z * side.z, 1.0, 1e-5) << name;
    }
}

// The console is a window of its own: Ctrl+Z and Ctrl+Y typed in its entry line undo and redo
// the document, not the typed text, and its close button unchecks Windows → Console.
TEST_F(MainWindowTest, ConsoleLeavesUndoToTheDocumentAndItsCloseButtonUnchecksItsAction)
{
    window->show();
    auto &workspace = window->getPresenter().getWorkspace();
    workspace.getUndoRedoStacks().push(
        std::make_shared<Core::Operations::CreateSubstrateOperation>(workspace));
    Ui::Console::CommandConsole *console = window->getPresenter().getConsole();
    console->show();
    QApplication::setActiveWindow(console);
    QLineEdit *line = console->commandLine();
    line->setFocus();
    QTest::keyClicks(line, "abc");
    QTest::keyClick(line, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(line->text(), "abc");
    EXPECT_EQ(workspace.getUndoRedoStacks().redoName(), "Create Substrate");
    QTest::keyClick(line, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(workspace.getUndoRedoStacks().undoName(), "Create Substrate");

    console->close();
    EXPECT_FALSE(window->action("actionConsole")->isChecked());
    window->action("actionConsole")->trigger();
    EXPECT_TRUE(console->isVisible());
}

TEST_F(MainWindowTest, SaveAsAddsTheSuffixAndNewForgetsTheFileName)
{
    QTemporaryDir folder;
    {
        FileDialogAnswer answer(folder.filePath("wafer"));
        window->action("actionSave_as")->trigger();
    }
    const QString saved = folder.filePath("wafer.cfb");
    EXPECT_TRUE(QFile::exists(saved));
    EXPECT_EQ(window->windowTitle(), "Cellfab  " + saved);
    ModalBoxWatcher yes(QMessageBox::Yes);
    window->action("actionNew")->trigger();
    EXPECT_EQ(yes.titles, QStringList{"Create new document"});
    EXPECT_EQ(window->windowTitle(), "Cellfab");
}

} // namespace
