#include "Support/DialogDrivers.h"

#include "UI/Operations/RandomWalkDopingDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Core::Operations;
using TestSupport::typeInto;

namespace {

bool okEnabled(QDialog &dialog)
{
    return dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled();
}

using DopingDialogsTest = PersistenceTest::CatalogueTest;

} // namespace

TEST_F(DopingDialogsTest, DiffusionCoefficientAndTimeStepFollowEachOtherOnceAnEditEnds)
{
    Ui::Operations::RandomWalkDopingDialog dialog(Ui::Operations::MaterialOffer::compatibleWith(13));
    auto *diffusion = TestSupport::child<QLineEdit>(dialog, "lieDiffusionCoefficient");
    auto *timeStep = TestSupport::child<QLineEdit>(dialog, "lieTimeStepDuration");
    auto *cellSize = TestSupport::child<QLineEdit>(dialog, "lieCellSize");
    EXPECT_EQ(timeStep->text(), QStringLiteral("320.513"));
    EXPECT_TRUE(okEnabled(dialog));

    typeInto(diffusion, QStringLiteral("5.2e-14"), false);
    EXPECT_EQ(timeStep->text(), QStringLiteral("320.513")) << "nothing follows while typing";
    emit diffusion->editingFinished();
    EXPECT_EQ(timeStep->text(), QStringLiteral("160.256"));

    // A longer time step typed but not finished: 6p would be 4, so OK waits and says why.
    typeInto(timeStep, QStringLiteral("641.026"), false);
    EXPECT_FALSE(okEnabled(dialog));
    EXPECT_TRUE(dialog.findChild<QLabel *>(QStringLiteral("lblProblem"))
                    ->text()
                    .contains(QStringLiteral("too long")));
    emit timeStep->editingFinished();
    EXPECT_EQ(diffusion->text(), QStringLiteral("1.3e-14"));
    EXPECT_TRUE(okEnabled(dialog));

    typeInto(cellSize, QStringLiteral("0.2"), true);
    EXPECT_EQ(timeStep->text(), QStringLiteral("2564.1"));
    typeInto(diffusion, QStringLiteral("0"), true);
    EXPECT_EQ(timeStep->text(), QStringLiteral("2564.1")) << "no diffusion: any time step will do";
    typeInto(cellSize, QStringLiteral("0"), true);
    EXPECT_FALSE(okEnabled(dialog));
    EXPECT_NEAR(RandomWalkParameters::fromSettings(dialog.getSettings()).timeStep, 2564.1f, 0.01f);
}
