#include "UI/MainWindow.h"
#include "Core/Operations/CreateSubstrate/CreateSubstrateOperation.h"
#include "Core/Operations/Operation.h"
#include "Core/Operations/OperationCatalogue.h"
#include "Model/Materials/MaterialFactory.h"
#include "UI/ApplicationIcon.h"
#include "UI/MainWindowActions.h"
#include "UI/OperationFactory.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <set>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { Model::Materials::MaterialFactory::instance()->createDefaultMaterials(); }
    ~MainWindowTest() override { window->close(); }

    QStringList menuTexts(const char *menuName)
    {
        QStringList texts;
        for (QAction *a : window->findChild<QMenu *>(menuName)->actions())
            texts << (a->isSeparator() ? QString("|") : a->text());
        return texts;
    }

    Ui::MainWindow *window = new Ui::MainWindow;
};

TEST_F(MainWindowTest, MenuBarOrderAndContents)
{
    QStringList titles;
    for (QAction *a : window->menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, QStringList({"File", "Edit", "Simulation", "Materials", "Rendering", "View", "Windows",
                                   "About"}));
    EXPECT_EQ(menuTexts("menuFile"),
              QStringList({"New", "Open", "Save", "Save As ...", "|", "Export Data", "Export Surface Mesh...",
                           "Export Volume...", "|", "New Process List", "Open Process List", "|",
                           "Save Image", "|", "Exit"}));
    EXPECT_EQ(menuTexts("menuEdit"), QStringList({"Undo", "Redo", "|", "Select", "Copy", "Move", "Delete",
                                                  "|", "Grid", "Snap to Grid", "Grid Spacing"}));
    EXPECT_EQ(menuTexts("menuView"),
              QStringList({"Front View", "Back View", "Bottom View", "Top View", "Right View", "Left View",
                           "|", "Show Axis", "Show Lights", "|", "Set View", "Set Lighting"}));
    const QStringList simulation = menuTexts("menuSimulation");
    EXPECT_EQ(simulation.first(), "Create Substrate");
    EXPECT_EQ(simulation.indexOf("Isotropic Etching"), simulation.indexOf("Isotropic Deposition") + 1);
    EXPECT_EQ(simulation.last(), "|");
    EXPECT_EQ(menuTexts("menuWindows"), QStringList({"Console"}));
    EXPECT_EQ(menuTexts("menuAbout"), QStringList({"About Cellfab"}));
}

TEST_F(MainWindowTest, ActionsCarryTheirNamesShortcutsAndCheckStates)
{
    EXPECT_EQ(window->windowTitle(), "Cellfab");
    EXPECT_EQ(window->objectName(), "MainWindowForm");
    for (const auto &description : Ui::mainWindowActions()) {
        QAction *a = window->action(description.objectName);
        ASSERT_NE(a, nullptr) << description.objectName;
        EXPECT_EQ(a->text(), description.text);
    }
    EXPECT_EQ(window->action("actionExit")->shortcut().toString(), "Ctrl+Q");
    EXPECT_EQ(window->action("actionTranslate")->shortcut().toString(), "Ctrl+V, Ctrl+T");
    EXPECT_EQ(window->action("actionSave_as")->shortcut().toString(), "Ctrl+Shift+S");
    EXPECT_EQ(window->action("actionCreate_Substrate")->statusTip(),
              "This creates a simulation volume with a substrate inside.");
    EXPECT_TRUE(window->action("actionConsole")->isChecked());
    EXPECT_TRUE(window->action("actionRender_Objects")->isChecked());
    EXPECT_TRUE(window->action("actionShow_Axis")->isChecked());
    EXPECT_FALSE(window->action("actionShow_Lights")->isChecked());
    EXPECT_TRUE(window->action("actionSelect")->isCheckable());
    EXPECT_FALSE(window->action("actionModel_Extraction")->isEnabled());
    EXPECT_FALSE(window->action("actionUndo")->isEnabled());
    EXPECT_FALSE(window->action("actionRedo")->isEnabled());
    // Actions outside the menus.
    for (const char *hidden :
         {"actionRun_Step", "actionManual_View", "actionZoom", "actionTranslate", "actionModel_Extraction",
          "actionSi_Stochastic_Wet_Etch", "actionFilm_Deposition"})
        EXPECT_TRUE(window->action(hidden)->associatedWidgets().isEmpty()) << hidden;
}

TEST_F(MainWindowTest, UndoTextFollowsTheStack)
{
    auto &workspace = window->getPresenter().getWorkspace();
    auto operation = std::make_shared<Core::Operations::CreateSubstrateOperation>(workspace);
    workspace.getUndoRedoStacks().push(operation);
    EXPECT_EQ(window->action("actionUndo")->text(), "Undo Create Substrate");
    EXPECT_TRUE(window->action("actionUndo")->isEnabled());
    EXPECT_FALSE(window->action("actionRedo")->isEnabled());
    window->action("actionUndo")->trigger();
    EXPECT_EQ(window->action("actionUndo")->text(), "Undo ");
    EXPECT_FALSE(window->action("actionUndo")->isEnabled());
    EXPECT_EQ(window->action("actionRedo")->text(), "Redo Create Substrate");
    EXPECT_TRUE(window->action("actionRedo")->isEnabled());
}

TEST_F(MainWindowTest, SelectActionFollowsTheSelectionMode)
{
    auto &selection = window->getPresenter().getSelection();
    selection.setMode(true);
    EXPECT_TRUE(window->action("actionSelect")->isChecked());
    window->action("actionSelect")->setChecked(false);
    EXPECT_FALSE(selection.getMode()) << "unchecking Select switches the mode off";
}

// Every catalogue id, with the ids whose operations are not built yet. When an operation is
// added, its id leaves this list.
TEST_F(MainWindowTest, FactoryBuildsEveryCatalogueOperation)
{
    const std::set<uint32_t> notYetBuilt{1, 4, 6, 7, 8, 12, 15, 18, 19, 27, 28, 29, 31, 32, 1000};
    Ui::OperationFactory factory(&window->getPresenter());
    std::set<uint32_t> missing;
    for (const auto &entry : Core::Operations::operationCatalogue()) {
        auto operation = factory.create(entry.id);
        if (!operation) {
            missing.insert(entry.id);
            continue;
        }
        EXPECT_EQ(operation->getName(), entry.displayName) << entry.id;
        EXPECT_EQ(operation->getOperationId(), entry.type) << entry.id;
        EXPECT_EQ(bool(std::dynamic_pointer_cast<Core::Operations::ObjectOperation>(operation)),
                  entry.undoable)
            << entry.id;
    }
    EXPECT_EQ(missing, notYetBuilt);
    for (uint32_t free : {0u, 5u, 21u, 25u, 38u, 999u, 1001u})
        EXPECT_EQ(factory.create(free), nullptr) << free;
}

TEST(ApplicationIconTest, WithoutIconFileTheIconIsARedSquare)
{
    ASSERT_FALSE(QFile::exists("icon.ico"));
    const QImage icon = Ui::applicationIcon().toImage();
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(icon.pixelColor(0, 0), QColor(207, 8, 12));
    EXPECT_EQ(icon.pixelColor(31, 31), QColor(207, 8, 12));
}

} // namespace
