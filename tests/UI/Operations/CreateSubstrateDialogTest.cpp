#include "UI/Operations/CreateSubstrateDialog.h"
#include "Model/Automaton/TotalVolume.h"
#include "Model/Materials/MaterialFactory.h"
#include "Support/DialogDrivers.h"
#include "UI/BatchRun/ProcessStepEditor.h"
#include "UI/MainWindow.h"

#include <QCheckBox>
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

// The default is a 100 × 100 × 30 block of Si in a 100 × 100 × 80 volume; the block follows a
// narrower volume and moves only when smaller.
TEST_F(CreateSubstrateDialogTest, LimitsFollowTheVolumeTheBlockAndTheShape)
{
    EXPECT_EQ(box("sbxSubsZ")->maximum(), 50);
    EXPECT_EQ(box("sbxSubsCenterZ")->maximum(), 79);
    EXPECT_EQ(dialog.getMaterial(), 1u) << "Si is first";
    box("sbxTotalWidth")->setValue(50);
    EXPECT_EQ(dialog.getSubstrateWidth(), 50u);
    EXPECT_EQ(box("sbxSubsWidth")->maximum(), 50);
    EXPECT_EQ(box("sbxSubsX")->maximum(), 0);
    box("sbxSubsWidth")->setValue(40);
    EXPECT_EQ(box("sbxSubsX")->maximum(), 10);
    box("sbxSubsX")->setValue(25);
    EXPECT_EQ(dialog.getSubstrateX(), 10u) << "clamped to the room left";
    EXPECT_EQ(box("sbxSubsCenterX")->maximum(), 49);

    dialog.findChild<QCheckBox *>("cbxSubsSphere")->setChecked(true);
    EXPECT_TRUE(dialog.isSpherical());
}

// The block keeps its height when the total grows, and is clamped when it shrinks. Typing 120
// passes through 1 and 12: those must not clamp the 30-cell block.
TEST_F(CreateSubstrateDialogTest, TypingATotalHeightKeepsTheBlockHeight)
{
    const auto type = [this](const char *text) { TestSupport::typeInto(box("sbxTotalHeight"), text, true); };
    type("120");
    EXPECT_EQ(dialog.getTotalHeight(), 120u);
    EXPECT_EQ(dialog.getSubstrateHeight(), 30u);
    EXPECT_EQ(box("sbxSubsZ")->maximum(), 90);
    type("20");
    EXPECT_EQ(dialog.getSubstrateHeight(), 20u);
    EXPECT_EQ(box("sbxSubsZ")->maximum(), 0);
}

// A 40 × 70 block typed into the dialog comes out 40 cells wide (x) and 70 long (y), whether
// the dialog was opened from the menu or from the batch dialog.
TEST(CreateSubstrateEntry, ATypedBlockKeepsItsWidthAndLength)
{
    Model::Materials::MaterialFactory::instance()->createDefaultMaterials();
    const std::function<void(QDialog &)> typeBlock = [](QDialog &dialog) {
        for (const auto &[name, text] : {std::pair{"sbxSubsWidth", "40"}, std::pair{"sbxSubsLength", "70"}}) {
            auto *box = dialog.findChild<QSpinBox *>(name);
            TestSupport::typeInto(box, text);
            box->interpretText(); // as when the user leaves the box
        }
    };
    auto *window = new Ui::MainWindow;
    TestSupport::answerNextDialog(typeBlock);
    window->action("actionCreate_Substrate")->trigger();
    const auto volume = window->getPresenter().getScene().getCellVolumes().at(0);
    const auto ids = volume->materialIds();
    EXPECT_NE(ids[volume->cellIndex(39, 69, 0)], 0u);
    EXPECT_EQ(ids[volume->cellIndex(40, 0, 0)], 0u);
    EXPECT_EQ(ids[volume->cellIndex(0, 70, 0)], 0u);
    window->close();

    TestSupport::answerNextDialog(typeBlock);
    const auto entry = Ui::BatchRun::ProcessStepEditors::find(11)->edit(nullptr, nullptr);
    EXPECT_EQ(entry->getProcessParameter("Substrate Size X").toUInt(), 40u);
    EXPECT_EQ(entry->getProcessParameter("Substrate Size Y").toUInt(), 70u);
}

} // namespace
