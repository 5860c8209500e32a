#include "UI/MaterialConflictDialog.h"
#include "Model/Materials/MaterialFactory.h"

#include <QComboBox>
#include <QRadioButton>

#include <gtest/gtest.h>

using Model::Persistence::MaterialConflictChoice;

namespace {

class MaterialConflictDialogTest : public ::testing::Test {
protected:
    MaterialConflictDialogTest()
        : catalogue((Model::Materials::MaterialFactory::instance()->createDefaultMaterials(), 0)),
          dialog(nullptr, Model::Materials::Material(1, QStringLiteral("Carbon"), 1, 1, 1),
                 Model::Materials::Material(1, QStringLiteral("Si"), 1, 1, 1),
                 Model::Materials::MaterialFactory::instance()->getMaterials())
    {
    }
    QRadioButton *radio(const char *name) { return dialog.findChild<QRadioButton *>(name); }
    QComboBox *combo() { return dialog.findChild<QComboBox *>(QStringLiteral("cbxReplacement")); }

    int catalogue; // resets the catalogue before the dialog is built
    Ui::MaterialConflictDialog dialog;
};

} // namespace

// The dialog offers the catalogue for Use Another, enabled only then.
TEST_F(MaterialConflictDialogTest, EachChoiceIsReportedAndOnlyUseAnotherEnablesTheList)
{
    EXPECT_EQ(combo()->count(), int(Model::Materials::MaterialFactory::instance()->getMaterials().size()));
    EXPECT_EQ(dialog.choice().kind, MaterialConflictChoice::UseExisting);
    EXPECT_FALSE(combo()->isEnabled());
    radio("radReplaceExisting")->setChecked(true);
    EXPECT_EQ(dialog.choice().kind, MaterialConflictChoice::ReplaceExisting);
    radio("radAddAsNew")->setChecked(true);
    EXPECT_EQ(dialog.choice().kind, MaterialConflictChoice::AddAsNew);
    EXPECT_FALSE(combo()->isEnabled());
    radio("radUseAnother")->setChecked(true);
    EXPECT_TRUE(combo()->isEnabled());
    combo()->setCurrentIndex(combo()->findText(QStringLiteral("Au (bulk)")));
    EXPECT_EQ(dialog.choice().kind, MaterialConflictChoice::UseAnother);
    EXPECT_EQ(dialog.choice().anotherId, 9u);
}
