#include "UI/Operations/CreateSubstrateDialog.h"
#include "Model/Materials/MaterialFactory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace {

class CreateSubstrateDialogTest : public ::testing::Test {
protected:
    CreateSubstrateDialogTest()
    {
        Model::Materials::MaterialFactory::instance()->createDefaultMaterials();
        dialog.setMaterials(Model::Materials::MaterialFactory::instance()->getMaterials());
    }
    QSpinBox *box(const char *name) { return dialog.findChild<QSpinBox *>(name); }

    Ui::Operations::CreateSubstrateDialog dialog;
};

TEST_F(CreateSubstrateDialogTest, DefaultBlockLimitsItsDisplacements)
{
    // A 100 × 100 × 30 block of Si in a 100 × 100 × 80 volume.
    EXPECT_EQ(box("sbxSubsX")->maximum(), 0);
    EXPECT_EQ(box("sbxSubsZ")->maximum(), 50);
    EXPECT_EQ(box("sbxSubsCenterZ")->maximum(), 79);
    EXPECT_FALSE(box("sbxSubsRadius")->isEnabled());
    EXPECT_EQ(dialog.getMaterial(), 1u) << "Si is first";
}

TEST_F(CreateSubstrateDialogTest, BlockFollowsTheVolumeWidthAndMovesOnlyWhenSmaller)
{
    box("sbxTotalWidth")->setValue(50);
    EXPECT_EQ(dialog.getSubstrateWidth(), 50u);
    EXPECT_EQ(box("sbxSubsWidth")->maximum(), 50);
    EXPECT_EQ(dialog.getSubstrateX(), 0u);
    EXPECT_EQ(box("sbxSubsX")->maximum(), 0);
    box("sbxSubsWidth")->setValue(40);
    EXPECT_EQ(box("sbxSubsX")->maximum(), 10);
    box("sbxSubsX")->setValue(25);
    EXPECT_EQ(dialog.getSubstrateX(), 10u) << "clamped to the room left";
    EXPECT_EQ(box("sbxSubsCenterX")->maximum(), 49);
}

TEST_F(CreateSubstrateDialogTest, HeightKeepsTheBlockAndClampsIt)
{
    box("sbxTotalHeight")->setValue(100);
    EXPECT_EQ(dialog.getSubstrateHeight(), 30u) << "the block keeps its height";
    EXPECT_EQ(box("sbxSubsZ")->maximum(), 70);
    box("sbxTotalHeight")->setValue(20);
    EXPECT_EQ(dialog.getSubstrateHeight(), 20u);
    EXPECT_EQ(box("sbxSubsZ")->maximum(), 0);
}

TEST_F(CreateSubstrateDialogTest, SphereSwitchesWhichControlsAreEnabled)
{
    dialog.findChild<QCheckBox *>("cbxSubsSphere")->setChecked(true);
    EXPECT_TRUE(box("sbxSubsRadius")->isEnabled());
    EXPECT_TRUE(box("sbxSubsCenterY")->isEnabled());
    EXPECT_FALSE(box("sbxSubsHeight")->isEnabled());
    EXPECT_FALSE(box("sbxSubsZ")->isEnabled());
    EXPECT_TRUE(dialog.isSpherical());
}

TEST_F(CreateSubstrateDialogTest, LoadParametersAppliesOnlyWhatIsPresent)
{
    dialog.loadParameters({{"Volume Size X", 40u},
                           {"Substrate Size X", 30u},
                           {"Substrate Delta X", 5u},
                           {"Lower Left Front Corner", QVariant::fromValue(Util::Vector3D(1, 2, 3))},
                           {"Material", "Thermal Si02"}});
    EXPECT_EQ(dialog.getTotalWidth(), 40u);
    EXPECT_EQ(dialog.getSubstrateWidth(), 30u);
    EXPECT_EQ(dialog.getSubstrateX(), 5u);
    EXPECT_EQ(dialog.getTotalHeight(), 80u);
    EXPECT_EQ(dialog.getPosition(), Util::Vector3D(1, 2, 3));
    EXPECT_EQ(dialog.getMaterial(), 3u);
    dialog.loadParameters({{"Material_Id", 5u}, {"Material", "Si"}});
    EXPECT_EQ(dialog.getMaterial(), 5u) << "the id wins over the name";
}

} // namespace
