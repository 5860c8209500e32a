// The desktop program as a user drives it, through the real main window and its view:
// Simulation → Create Substrate with the dialog's defaults, moving, one menu entry per process
// family, random-walk doping's export, undo and redo.
#include "Model/Automaton/TotalVolume.h"
#include "Support/DialogDrivers.h"
#include "Support/Volumes.h"
#include "UI/View/GLWidget.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <string>

#include <gtest/gtest.h>

namespace {

class MainWindowSubstrateTest : public TestSupport::MainWindowFixture {
protected:
    MainWindowSubstrateTest()
    {
        window->resize(800, 600);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        window->getView()->setAxesShown(false);
    }

    // Triggers an action whose observer shows a modal dialog, lets `fill` set its controls and
    // accepts it.
    void triggerAndAccept(const char *actionName, std::function<void(QDialog &)> fill = nullptr)
    {
        TestSupport::answerNextDialog(fill);
        window->action(actionName)->trigger();
    }

    QImage frame() { return window->getView()->renderImage(); }

    // Grey pixels whose shade differs from the background, and their centre.
    struct Footprint {
        int count = 0;
        QPoint centre;
    };
    Footprint footprint(const QImage &image)
    {
        const QColor background = window->getView()->getColors().background;
        Footprint result;
        qint64 sx = 0, sy = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() == c.green() && c.green() == c.blue()
                    && std::abs(c.red() - background.red()) > 8) {
                    ++result.count;
                    sx += x;
                    sy += y;
                }
            }
        if (result.count)
            result.centre = QPoint(int(sx / result.count), int(sy / result.count));
        return result;
    }
};

// Users pick a thickness or a material while looking at the structure: the option dialog must
// not cover it.
TEST_F(MainWindowSubstrateTest, OptionDialogsLeaveTheStructureInSight)
{
    triggerAndAccept("actionCreate_Substrate");
    const QImage alone = frame();
    QRect block; // where the block is drawn, on the screen
    for (int y = 0; y < alone.height(); ++y)
        for (int x = 0; x < alone.width(); ++x)
            if (alone.pixel(x, y) != alone.pixel(0, 0))
                block |= QRect(window->getView()->mapToGlobal(QPoint(x, y)), QSize(1, 1));
    ASSERT_GT(block.width() * block.height(), 5000);
    QRect dialogArea;
    answerNextModal([&dialogArea](QWidget *dialog) {
        dialogArea = dialog->frameGeometry();
        qobject_cast<QDialog *>(dialog)->reject();
    });
    window->action("actionIsotropic_Deposition")->trigger();
    EXPECT_FALSE(dialogArea.intersects(block)) << "dialog " << dialogArea.x() << "," << dialogArea.y();
}

// Move with two clicks: the first on the block holds it by the point under the cursor, the
// preview follows the mouse, the second click drops it there.
TEST_F(MainWindowSubstrateTest, MoveWithTwoClicksDropsTheBlockUnderTheMouse)
{
    triggerAndAccept("actionCreate_Substrate");
    const Footprint before = footprint(frame());
    auto volume = window->getPresenter().getScene().getObjects().front();
    window->getPresenter().getSelection().toggle(volume);
    window->action("actionMove")->trigger();

    QWidget *view = window->getView();
    // Moves go to the view itself: QTest::mouseMove moves the shared X pointer, which another
    // test's window on the same display may catch.
    const auto moveTo = [view](QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(view, &move);
    };
    const QPoint shift(120, -40);
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, before.centre);
    moveTo(before.centre + shift / 2);
    moveTo(before.centre + shift);
    EXPECT_TRUE(volume->isPreview());
    EXPECT_NEAR(volume->getPreviewOffset().z, 0.0, 1e-9) << "dragged on the horizontal plane";
    const Footprint dragged = footprint(frame());
    EXPECT_NEAR(dragged.centre.x(), before.centre.x() + shift.x(), 3);
    EXPECT_NEAR(dragged.centre.y(), before.centre.y() + shift.y(), 3);

    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, before.centre + shift);
    EXPECT_FALSE(volume->isPreview());
    EXPECT_EQ(footprint(frame()).centre, dragged.centre);
    EXPECT_EQ(window->action("actionUndo")->text(), "Undo Move Objects");
    window->action("actionUndo")->trigger();
    EXPECT_EQ(footprint(frame()).centre, before.centre);
}

// One menu entry per process family, on a trench: the dialog's values reach the volume, the view
// redraws, undo restores the trench exactly and redo brings the result back. What the engines make
// of the values is their own tests' business.
TEST_F(MainWindowSubstrateTest, ProcessMenusChangeTheTrenchAndUndoRedoRestoreIt)
{
    // Silicon below z = 16 with a 20-cell-wide trench, 10 deep, along y; cells of 2 units.
    auto volume = TestSupport::makeVolume(
        60, 40, 30,
        [](uint32_t x, uint32_t, uint32_t z) { return z < 16 && !(x >= 20 && x < 40 && z >= 6) ? 1u : 0u; },
        2, 2, 2);
    volume->refreshDrawingData();
    window->getPresenter().getScene().addObject(volume);
    // The dialog's controls by name and the values typed into them; a radio button is checked.
    using Values = std::vector<std::pair<const char *, const char *>>;
    const auto typing = [](const Values &values) {
        return [values](QDialog &dialog) {
            for (const auto &[name, value] : values) {
                QObject *control = dialog.findChild<QObject *>(QLatin1String(name));
                if (auto *combo = qobject_cast<QComboBox *>(control))
                    combo->setCurrentIndex(combo->findText(QLatin1String(value)));
                else if (auto *spin = qobject_cast<QAbstractSpinBox *>(control)) {
                    TestSupport::typeInto(spin, QLatin1String(value));
                    spin->interpretText();
                } else if (auto *line = qobject_cast<QLineEdit *>(control))
                    line->setText(QLatin1String(value));
                else
                    qobject_cast<QRadioButton *>(control)->setChecked(true);
            }
        };
    };
    const std::pair<const char *, Values> entries[] = {
        {"actionIsotropic_Deposition", {{"cbxMaterial", "Thermal Si02"}, {"dblFilmThickness", "10"}}},
        {"actionAnisotropic_Etching", {{"dblEtchDepth", "4"}, {"dblHorizontalRatio", "0"}}},
        {"actionElectrodeposition", {{"cbxMaterial", "Au (bulk)"}, {"cbxConductingMaterial", "Si"}}},
        {"actionMoore_Etching", {{"cbxSelectFilm", "Si"}, {"sbxSelectValue", "3"}}},
        {"actionDoping", {}},
        {"actionRandom_Walk_Doping", {{"lieDopantConcentration", "1e20"}}}, // kept for the export
    };
    const QImage bare = frame();
    const auto trench = volume->materialIds();
    for (const auto &[action, values] : entries) {
        triggerAndAccept(action, typing(values));
        const QImage changed = frame();
        const auto cells = volume->materialIds();
        EXPECT_NE(cells, trench) << action;
        EXPECT_NE(changed, bare) << action;
        window->action("actionUndo")->trigger();
        EXPECT_EQ(volume->materialIds(), trench) << action;
        EXPECT_EQ(frame(), bare) << action << ": undo restores the trench exactly";
        window->action("actionRedo")->trigger();
        EXPECT_EQ(volume->materialIds(), cells) << action;
        EXPECT_EQ(frame(), changed) << action << ": redo brings the result back";
        if (std::string(action) != "actionRandom_Walk_Doping")
            window->action("actionUndo")->trigger();
    }

    QTemporaryDir directory;
    const QString csv = directory.filePath(QStringLiteral("counts.csv"));
    triggerAndAccept("actionExport_Data", [&csv](QDialog &dialog) {
        dialog.findChild<QLineEdit *>(QStringLiteral("lieOutputFilename"))->setText(csv);
    });
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readLine().startsWith("X: 0"));

    // Oxidation keeps no undo entry.
    const auto doped = volume->materialIds();
    triggerAndAccept("actionSi_Oxidation", typing({{"radOxidationTime", ""}, {"dblOxidationTime", "1"}}));
    EXPECT_NE(volume->materialIds(), doped);
}

} // namespace
