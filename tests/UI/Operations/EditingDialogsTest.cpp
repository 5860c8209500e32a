#include "Support/Volumes.h"

#include "Model/Materials/MaterialFactory.h"
#include "UI/Operations/ExtractFilmDialog.h"
#include "UI/Operations/GlueSubstrateDialog.h"

#include <QCheckBox>
#include <QSpinBox>

#include <gtest/gtest.h>

using Core::Operations::SubstrateGluing;

TEST(GlueSubstrateDialog, SizesStayAboveTheMinimumAndTheShiftInsideTheResult)
{
    const auto base = TestSupport::makeSlab(10, 8, 6, 2);
    const auto top = TestSupport::makeSlab(4, 8, 5, 3);
    const SubstrateGluing gluing(*base, *top);
    Ui::Operations::GlueSubstrateDialog dialog;
    dialog.setGluing(gluing);
    auto *sizeX = dialog.findChild<QSpinBox *>("sbxFinalSizeX");
    auto *sizeZ = dialog.findChild<QSpinBox *>("sbxFinalSizeZ");
    auto *shiftX = dialog.findChild<QSpinBox *>("sbxDisplacementX");
    ASSERT_TRUE(sizeX && sizeZ && shiftX);
    EXPECT_EQ(sizeZ->value(), 2 + 3 + 1);
    sizeZ->setValue(1);
    EXPECT_EQ(sizeZ->value(), 5);
    EXPECT_EQ(shiftX->maximum(), 6);
    sizeX->setValue(12);
    shiftX->setValue(8);
    dialog.findChild<QCheckBox *>("chkInvertTopSubstrate")->setChecked(true);
    const SubstrateGluing::Placement placement = dialog.getPlacement();
    EXPECT_EQ(placement.dx, 8u);
    EXPECT_TRUE(placement.invert);
    EXPECT_TRUE(gluing.fits(placement));
}

TEST(ExtractFilmDialog, PreselectsAFilmRatherThanTheSubstrate)
{
    Model::Materials::MaterialFactory::instance()->createDefaultMaterials();
    Ui::Operations::ExtractFilmDialog dialog;
    dialog.preselect({1, 9, 11});
    EXPECT_EQ(dialog.getMaterialId(), 9u);
    dialog.preselect({1});
    EXPECT_EQ(dialog.getMaterialId(), 1u);
    EXPECT_FALSE(dialog.isInverted());
}
