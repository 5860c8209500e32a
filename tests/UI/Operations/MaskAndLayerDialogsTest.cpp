#include "Support/DialogDrivers.h"
#include "Support/ModalBoxWatcher.h"

#include "UI/Operations/CutCellVolumeDialog.h"
#include "UI/Operations/MaskFileField.h"
#include "UI/Operations/PhotolithographyDialog.h"
#include "UI/Operations/PlanarizationOptionsDialog.h"

#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using Model::Automaton::CutBox;
using Model::Automaton::ImageMask;
using TestSupport::child;

TEST(CutCellVolumeDialogTest, LimitsPushEachOtherAwayAndApplyTypedValuesWhenTypingEnds)
{
    Ui::Operations::CutCellVolumeDialog dialog;
    dialog.setVolume({200, 8, 6}, CutBox{{50, 0, 0}, {200, 8, 6}});
    std::vector<CutBox> previews;
    QObject::connect(&dialog, &Ui::Operations::CutCellVolumeDialog::previewChanged,
                     [&](const CutBox &box) { previews.push_back(box); });
    QSpinBox *upperX = child<QSpinBox>(dialog, "sbxXUpperLimit");
    TestSupport::typeInto(upperX, QStringLiteral("1"));
    EXPECT_EQ(child<QSpinBox>(dialog, "sbxXLowerLimit")->value(), 50) << "nothing applies while typing";
    QTest::keyClicks(upperX, QStringLiteral("20"));
    QTest::keyClick(upperX, Qt::Key_Return);
    EXPECT_EQ(dialog.getCutBox(), (CutBox{{50, 0, 0}, {120, 8, 6}}));
    EXPECT_EQ(dialog.findChild<QSlider *>(QStringLiteral("sldXUpperLimit"))->value(), 120);

    // A lower limit set to its upper limit pushes the upper one up, and the other way round.
    child<QSpinBox>(dialog, "sbxYLowerLimit")->setValue(7);
    upperX->setValue(50);
    EXPECT_EQ(dialog.getCutBox(), (CutBox{{49, 7, 0}, {50, 8, 6}}));
    EXPECT_EQ(child<QSpinBox>(dialog, "sbxYUpperLimit")->minimum(), 1);
    EXPECT_EQ(child<QSpinBox>(dialog, "sbxYLowerLimit")->maximum(), 7);
    EXPECT_TRUE(previews.empty()) << "no preview unless asked";

    // While previewing, dragging a slider announces each box it passes.
    dialog.findChild<QCheckBox *>(QStringLiteral("chkPreview"))->setChecked(true);
    dialog.findChild<QSlider *>(QStringLiteral("sldZLowerLimit"))->setValue(6 - 1);
    ASSERT_GE(previews.size(), 2u);
    EXPECT_EQ(previews.back(), (CutBox{{49, 7, 5}, {50, 8, 6}}));
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("btnReset")), Qt::LeftButton);
    EXPECT_EQ(dialog.getCutBox(), (CutBox{{0, 0, 0}, {200, 8, 6}}));
}

TEST(PlanarizationDialogTest, TheMinimumStaysAtOrBelowTheMaximum)
{
    Ui::Operations::PlanarizationOptionsDialog dialog;
    dialog.setVolumeHeight(200);
    EXPECT_EQ(dialog.getMaximumHeight(), 200u);
    QSpinBox *minimum = child<QSpinBox>(dialog, "sbxMinimumHeight");
    minimum->setValue(50);
    QSpinBox *maximum = child<QSpinBox>(dialog, "sbxMaximumHeight");
    maximum->setValue(120); // typed values apply when typing ends: TypingATotalHeightKeepsTheBlockHeight
    EXPECT_EQ(dialog.getMaximumHeight(), 120u);
    EXPECT_EQ(dialog.getMinimumHeight(), 50u);
    EXPECT_EQ(minimum->maximum(), 120);
    maximum->setValue(30);
    EXPECT_EQ(dialog.getMinimumHeight(), 30u) << "Hmin <= Hmax";
}

TEST(PhotolithographyDialogTest, UnreadableFilesWarnAndKeepTheMask)
{
    QTemporaryDir folder;
    const QString png = folder.filePath(QStringLiteral("top.png"));
    QImage image(2, 3, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 2, qRgb(255, 0, 0));
    image.setPixel(1, 2, qRgb(0, 0, 0));
    ASSERT_TRUE(image.save(png));

    Ui::Operations::PhotolithographyDialog dialog;
    int changes = 0;
    QObject::connect(&dialog, &Ui::Operations::PhotolithographyDialog::topMaskChanged,
                     [&](const ImageMask &) { ++changes; });
    auto *field = dialog.findChild<QLineEdit *>(QStringLiteral("lieTopMask"));
    field->setText(png);
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("btnApplyTopMask")), Qt::LeftButton);
    ASSERT_EQ(changes, 1);
    EXPECT_EQ(dialog.getTopMask(), ImageMask::fromImage(image));

    ModalBoxWatcher boxes;
    dialog.findChild<QLineEdit *>(QStringLiteral("lieBottomMask"))->setText(folder.filePath("missing.png"));
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("btnApplyBottomMask")), Qt::LeftButton);
    field->setText(folder.path()); // a folder is no image
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("btnApplyTopMask")), Qt::LeftButton);
    EXPECT_EQ(boxes.texts, (QStringList{QLatin1String(Ui::Operations::MaskFileField::kBottomMaskWarning),
                                        QLatin1String(Ui::Operations::MaskFileField::kTopMaskWarning)}));
    EXPECT_EQ(dialog.getTopMask(), ImageMask::fromImage(image));
    EXPECT_TRUE(dialog.getBottomMask().isEmpty());
    EXPECT_EQ(changes, 1);
}
