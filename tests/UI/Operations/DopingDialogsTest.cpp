#include "Support/PersistenceTestSupport.h"

#include "Model/Materials/MaterialFactory.h"
#include "Model/Process/ProcessFactory.h"
#include "UI/Operations/RandomWalkDopingDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Core::Operations;

namespace {

QLineEdit *edit(QDialog &dialog, const char *name)
{
    return dialog.findChild<QLineEdit *>(QLatin1String(name));
}

// Types `text` over the edit's contents, then, when `finish` is set, ends the edit as leaving
// the field does.
void typeInto(QLineEdit *field, const QString &text, bool finish)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    if (finish)
        emit field->editingFinished();
}

bool okEnabled(QDialog &dialog)
{
    return dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled();
}

class DopingDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PersistenceTest::resetCatalogue();
        Model::Process::ProcessFactory::instance()->createDefaultProcesses();
    }
};

} // namespace

TEST_F(DopingDialogsTest, DiffusionCoefficientAndTimeStepFollowEachOtherOnceAnEditEnds)
{
    Ui::Operations::RandomWalkDopingDialog dialog(Ui::Operations::MaterialOffer::compatibleWith(13));
    auto *diffusion = edit(dialog, "lieDiffusionCoefficient");
    auto *timeStep = edit(dialog, "lieTimeStepDuration");
    auto *cellSize = edit(dialog, "lieCellSize");
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
