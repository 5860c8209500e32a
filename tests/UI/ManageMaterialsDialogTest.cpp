#include "UI/ManageMaterialsDialog.h"
#include "Model/Materials/MaterialFactory.h"
#include "Support/DialogDrivers.h"
#include "Support/PersistenceTestSupport.h"
#include "UI/ColorItemDelegate.h"
#include "UI/MainWindow.h"
#include "UI/MaterialTableViewItem.h"

#include <QColorDialog>
#include <QPushButton>
#include <QTableView>

#include <gtest/gtest.h>

using Model::Materials::MaterialFactory;
using Ui::MaterialTableViewItem;

namespace {

class ManageMaterialsTest : public ::testing::Test {
protected:
    ManageMaterialsTest() { MaterialFactory::instance()->createDefaultMaterials(); }

    static void addMaterial(Ui::ManageMaterialsDialog &dialog)
    {
        dialog.findChild<QPushButton *>(QStringLiteral("btnAddMaterial"))->click();
    }

    // Runs `withDialog` on the dialog the presenter opens, then presses OK or Cancel.
    static void whileManaging(Ui::MainWindow &window,
                              std::function<void(Ui::ManageMaterialsDialog &)> withDialog, bool accept)
    {
        TestSupport::answerNextDialog(withDialog, accept);
        window.getPresenter().manageMaterials();
    }
};

} // namespace

// Added rows come at the top with user ids of their own; built-in names are read-only, and names
// are trimmed and never empty.
TEST_F(ManageMaterialsTest, AddedRowsGetUserIdsAndOnlyTheirNamesAreEditable)
{
    Ui::ManageMaterialsDialog dialog;
    const int builtIn = dialog.model()->rowCount();
    addMaterial(dialog);
    addMaterial(dialog);
    MaterialTableViewItem &model = *dialog.model();
    ASSERT_EQ(model.rowCount(), builtIn + 2);
    const uint32_t first = model.data(model.index(0, MaterialTableViewItem::Id)).toUInt();
    const uint32_t second = model.data(model.index(1, MaterialTableViewItem::Id)).toUInt();
    EXPECT_GE(std::min(first, second), 2000u);
    EXPECT_NE(first, second);

    const int silicon = 2; // below the two new rows: Si, the first built-in material
    ASSERT_EQ(model.data(model.index(silicon, MaterialTableViewItem::Id)).toUInt(), 1u);
    EXPECT_FALSE(model.flags(model.index(silicon, MaterialTableViewItem::Name)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model.flags(model.index(silicon, MaterialTableViewItem::Color)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.flags(model.index(0, MaterialTableViewItem::Id)) & Qt::ItemIsEditable);
    const QModelIndex name = model.index(0, MaterialTableViewItem::Name);
    EXPECT_TRUE(model.flags(name) & Qt::ItemIsEditable);
    EXPECT_TRUE(model.setData(name, QStringLiteral("  Resist X \t")));
    EXPECT_EQ(model.data(name).toString(), "Resist X");
    EXPECT_FALSE(model.setData(name, QStringLiteral("   ")));
    EXPECT_EQ(model.data(name).toString(), "Resist X");
    EXPECT_FALSE(model.setData(model.index(0, MaterialTableViewItem::Id), 5u));
}

TEST_F(ManageMaterialsTest, OkWritesTheRecolouredNewMaterialAndCancelChangesNothing)
{
    Ui::MainWindow *window = new Ui::MainWindow;
    const auto before = MaterialFactory::instance()->getMaterials();
    whileManaging(
        *window, [](Ui::ManageMaterialsDialog &dialog) { addMaterial(dialog), addMaterial(dialog); }, false);
    EXPECT_EQ(MaterialFactory::instance()->getMaterials(), before);

    uint32_t added = 0;
    whileManaging(
        *window,
        [&added](Ui::ManageMaterialsDialog &dialog) {
            addMaterial(dialog);
            const QModelIndex color = dialog.model()->index(0, MaterialTableViewItem::Color);
            added = dialog.model()->data(dialog.model()->index(0, MaterialTableViewItem::Id)).toUInt();
            // The colour chooser the table opens, answered with opaque red.
            auto *delegate = dialog.table()->itemDelegateForColumn(MaterialTableViewItem::Color);
            QStyleOptionViewItem option;
            QWidget *chooser = delegate->createEditor(dialog.table()->viewport(), option, color);
            static_cast<QColorDialog *>(chooser)->setCurrentColor(Qt::red);
            delegate->setModelData(chooser, dialog.model(), color);
            delete chooser;
        },
        true);
    const auto material = MaterialFactory::instance()->getMaterialById(added);
    EXPECT_EQ(material.getName(), "New Material");
    EXPECT_EQ(material.getColor(), (Model::Materials::RgbaColor{1.0f, 0.0f, 0.0f, 1.0f}));
    // Written to the catalogue file; its format is MaterialXmlTest's.
    EXPECT_TRUE(PersistenceTest::readSettingsFile("materials.xml")
                    .contains(QStringLiteral("material-id=\"%1\"").arg(added).toUtf8()));
    window->close();
}
