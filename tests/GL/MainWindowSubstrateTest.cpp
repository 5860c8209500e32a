// The desktop program as a user drives it, through the real main window and its view:
// Simulation → Create Substrate with the dialog's defaults, moving, deposited and etched films,
// random-walk doping and its export, oxidation, undo and redo.
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDeposition.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmEtching.h"
#include "Model/Automaton/TotalVolume.h"
#include "Support/DialogDrivers.h"
#include "Support/Volumes.h"
#include "UI/View/GLWidget.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>

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

    // Pixels whose colour passes `test`.
    static int pixels(const QImage &image, const std::function<bool(const QColor &)> &test)
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += test(image.pixelColor(x, y)) ? 1 : 0;
        return count;
    }

    QImage frame() { return window->getView()->renderImage(); }

    // Grey pixels whose shade differs from the background, their centre and their mean shade.
    struct Footprint {
        int count = 0;
        QPoint centre;
        double red = 0;
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
                    result.red += c.redF();
                }
            }
        if (result.count) {
            result.centre = QPoint(int(sx / result.count), int(sy / result.count));
            result.red /= result.count;
        }
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
    const auto cells = window->getPresenter().getScene().getCellVolumes().front()->materialIds();
    window->action("actionIsotropic_Deposition")->trigger();
    EXPECT_FALSE(dialogArea.intersects(block)) << "dialog " << dialogArea.x() << "," << dialogArea.y();
    EXPECT_EQ(window->getPresenter().getScene().getCellVolumes().front()->materialIds(), cells)
        << "a rejected dialog changes nothing";
}

TEST_F(MainWindowSubstrateTest, DopingExportAndOxidationByTimeThroughTheMenus)
{
    triggerAndAccept("actionCreate_Substrate");
    const auto volume = std::dynamic_pointer_cast<Model::Automaton::TotalVolume>(
        window->getPresenter().getScene().getObjects().front());
    ASSERT_NE(volume, nullptr);
    const auto countOf = [&](uint32_t id) {
        const auto ids = volume->materialIds();
        return std::count(ids.begin(), ids.end(), id);
    };

    // 1e20 cm⁻³ in the dialog's 0.1 µm cells: 100000 particles at the surface, N-type.
    triggerAndAccept("actionRandom_Walk_Doping", [](QDialog &dialog) {
        dialog.findChild<QLineEdit *>(QStringLiteral("lieDopantConcentration"))
            ->setText(QStringLiteral("1e20"));
        auto *material = dialog.findChild<QComboBox *>();
        material->setCurrentIndex(material->findData(14u));
    });
    EXPECT_EQ(window->action("actionUndo")->text(), "Undo Random Walk Doping");
    EXPECT_GT(countOf(14), 100 * 100) << "the top layer and some below it are N-doped";

    QTemporaryDir directory;
    const QString csv = directory.filePath(QStringLiteral("counts.csv"));
    triggerAndAccept("actionExport_Data", [&csv](QDialog &dialog) {
        EXPECT_EQ(dialog.findChild<QComboBox *>()->currentText(),
                  QStringLiteral("Random Walk Particle Count Type N"));
        dialog.findChild<QLineEdit *>(QStringLiteral("lieOutputFilename"))->setText(csv);
    });
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readLine().startsWith("X: 0"));

    // Simple doping and implantation take their material and distances from their dialogs.
    const auto choose = [](QDialog &dialog, uint32_t material, std::initializer_list<double> distances) {
        auto *box = dialog.findChild<QComboBox *>();
        box->setCurrentIndex(box->findData(material));
        auto spinBoxes = dialog.findChildren<QDoubleSpinBox *>();
        for (size_t i = 0; i < distances.size(); ++i)
            spinBoxes[int(i)]->setValue(distances.begin()[i]);
    };
    triggerAndAccept("actionDoping", [&](QDialog &dialog) { choose(dialog, 16, {1.0}); });
    EXPECT_EQ(countOf(16), 100 * 100) << "the top layer";
    triggerAndAccept("actionIon_Implantation", [&](QDialog &dialog) { choose(dialog, 15, {5.0, 0.0, 0.0}); });
    EXPECT_EQ(countOf(15), 100 * 100) << "the layer 5 cells down";

    // An hour at 1273 K and 1 atm: 0.0713 µm, 7.13 units at 100 units per micron, of which 3.99
    // grow out (3 layers, the first at 1.5 from the surface cells' centres) and 3.14 go in (3
    // layers from the surface cells down).
    triggerAndAccept("actionSi_Oxidation", [](QDialog &dialog) {
        dialog.findChild<QRadioButton *>(QStringLiteral("radOxidationTime"))->setChecked(true);
        dialog.findChild<QDoubleSpinBox *>(QStringLiteral("dblOxidationTime"))->setValue(1.0);
    });
    const auto ids = volume->materialIds();
    size_t above = 0, below = 0;
    const uint32_t top = 30; // the default block's first empty layer
    for (size_t i = 0; i < ids.size(); ++i)
        if (ids[i] == 3)
            (i % volume->getSizeZ() >= top ? above : below) += 1;
    EXPECT_EQ(above, 100u * 100 * 3);
    EXPECT_EQ(below, 100u * 100 * 3);
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

TEST_F(MainWindowSubstrateTest, FilmMenuEntriesDrawTheirFilmsOnATrenchAndUndoRedoRestoreThem)
{
    // Silicon below z = 16 with a 20-cell-wide trench, 10 deep, along y; cells of 2 units.
    auto volume = TestSupport::makeVolume(
        60, 40, 30,
        [](uint32_t x, uint32_t, uint32_t z) { return z < 16 && !(x >= 20 && x < 40 && z >= 6) ? 1u : 0u; },
        2, 2, 2);
    volume->refreshDrawingData();
    window->getPresenter().getScene().addObject(volume);
    // Films are coloured; the silicon, the etchings and the background are not.
    const auto coloured = [](const QColor &c) {
        return std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) > 60;
    };
    using Model::Automaton::TotalVolume;
    struct Entry {
        const char *action;
        std::vector<std::pair<const char *, const char *>> values; // combo box texts or numbers
        bool film;
        std::function<void(TotalVolume &)> engine = nullptr; // the cells to expect, where given
    };
    const Entry entries[] = {
        {"actionIsotropic_Deposition",
         {{"cbxMaterial", "Thermal Si02"}, {"dblFilmThickness", "10"}},
         true,
         [](TotalVolume &v) { Core::Operations::IsotropicFilmDeposition(v, 3, 10.0f).execute(); }},
        {"actionIsotropic_Film_Etching",
         {{"cbxMaterial", "Si"}, {"dblEtchDepth", "4"}},
         false,
         [](TotalVolume &v) { Core::Operations::IsotropicFilmEtching(v, 1, 4.0f).execute(); }},
        {"actionAnisotropic_Deposition", {{"cbxMaterial", "Au (bulk)"}, {"dblFilmThickness", "4"}}, true},
        {"actionAnisotropic_Etching", {{"dblEtchDepth", "4"}, {"dblHorizontalRatio", "0"}}, false},
        {"actionPVD", {{"cbxMaterial", "Cu (bulk)"}}, true},
        {"actionElectrodeposition", {{"cbxMaterial", "Au (bulk)"}, {"cbxConductingMaterial", "Si"}}, true},
        {"actionMoore_Deposition", {{"cbxSelectFilm", "Thermal Si02"}, {"sbxSelectValue", "3"}}, true},
        {"actionMoore_Etching", {{"cbxSelectFilm", "Si"}, {"sbxSelectValue", "3"}}, false},
    };
    const QImage bare = frame();
    const auto trench = volume->materialIds();
    const auto bareVolume = std::static_pointer_cast<TotalVolume>(volume->clone());
    ASSERT_EQ(pixels(bare, coloured), 0);
    for (const Entry &entry : entries) {
        triggerAndAccept(entry.action, [&entry](QDialog &dialog) {
            for (const auto &[name, value] : entry.values) {
                if (auto *combo = dialog.findChild<QComboBox *>(QLatin1String(name)))
                    combo->setCurrentIndex(combo->findText(QLatin1String(value)));
                else if (auto *spin = dialog.findChild<QDoubleSpinBox *>(QLatin1String(name)))
                    spin->setValue(QString(value).toDouble());
                else
                    dialog.findChild<QSpinBox *>(QLatin1String(name))->setValue(QString(value).toInt());
            }
        });
        const QImage film = frame();
        EXPECT_NE(volume->materialIds(), trench) << entry.action;
        if (entry.engine) {
            EXPECT_EQ(volume->materialIds(), TestSupport::cellsAfter(*bareVolume, entry.engine))
                << entry.action;
        }
        EXPECT_NE(film, bare) << entry.action;
        EXPECT_EQ(pixels(film, coloured) > 5000, entry.film) << entry.action << ": the film is drawn";
        window->action("actionUndo")->trigger();
        EXPECT_EQ(volume->materialIds(), trench) << entry.action;
        EXPECT_EQ(frame(), bare) << entry.action << ": undo restores the trench exactly";
        window->action("actionRedo")->trigger();
        EXPECT_EQ(frame(), film) << entry.action << ": redo brings the film back";
        window->action("actionUndo")->trigger();
    }
}

} // namespace
