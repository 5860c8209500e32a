// The desktop program as a user drives it, through the real main window and its view:
// Simulation → Create Substrate with the dialog's defaults, picking, a deposited film, undo and
// redo.
#include "Model/Automaton/TotalVolume.h"
#include "Model/Materials/MaterialFactory.h"
#include "Model/Process/ProcessFactory.h"
#include "UI/MainWindow.h"
#include "UI/View/GLWidget.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace {

class MainWindowSubstrateTest : public ::testing::Test {
protected:
    MainWindowSubstrateTest()
    {
        Model::Materials::MaterialFactory::instance()->createDefaultMaterials();
        Model::Process::ProcessFactory::instance()->createDefaultProcesses();
        window->resize(800, 600);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    }
    ~MainWindowSubstrateTest() override { window->close(); }

    // Triggers an action whose observer shows a modal dialog, lets `fill` set its controls and
    // presses OK.
    void triggerAndAccept(const char *actionName, std::function<void(QDialog &)> fill = nullptr)
    {
        QTimer::singleShot(0, [fill] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            if (fill)
                fill(*dialog);
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
        window->action(actionName)->trigger();
    }

    // Pixels of the oxide film: clearly bluer than they are red.
    static int bluishPixels(const QImage &image)
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count += c.blue() > c.red() + 60 ? 1 : 0;
            }
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

    Ui::MainWindow *window = new Ui::MainWindow;
};

TEST_F(MainWindowSubstrateTest, CreateSelectUndoRedo)
{
    window->getView()->setAxesShown(false);
    const Footprint empty = footprint(frame());
    EXPECT_EQ(empty.count, 0) << "nothing grey before the substrate exists";

    triggerAndAccept("actionCreate_Substrate");
    ASSERT_EQ(window->getPresenter().getScene().objectCount(), 1u);
    const Footprint block = footprint(frame());
    // The 100 × 100 × 30 block covers thousands of pixels at zoom 1, in grey shades.
    EXPECT_GT(block.count, 5000);
    EXPECT_EQ(window->action("actionUndo")->text(), "Undo Create Substrate");

    // Selection mode on, click on the block: it is highlighted (grey 0.5 becomes 0.8).
    window->action("actionSelect")->setChecked(true);
    QTest::mouseClick(window->getView(), Qt::LeftButton, Qt::NoModifier, block.centre);
    ASSERT_EQ(window->getPresenter().getSelection().getObjects().size(), 1u);
    const Footprint highlighted = footprint(frame());
    EXPECT_GT(highlighted.red, block.red + 0.1) << "the highlight brightens the grey";
    QTest::mouseClick(window->getView(), Qt::LeftButton, Qt::NoModifier, block.centre);
    EXPECT_TRUE(window->getPresenter().getSelection().getObjects().empty());
    EXPECT_NEAR(footprint(frame()).red, block.red, 0.01) << "a second click restores the colours";

    window->action("actionUndo")->trigger();
    EXPECT_EQ(footprint(frame()).count, 0) << "undo removes the block";
    window->action("actionRedo")->trigger();
    EXPECT_EQ(footprint(frame()).count, block.count) << "redo brings back the same block";
}

// Users pick a thickness or a material while looking at the structure: the option dialog must
// not cover it.
TEST_F(MainWindowSubstrateTest, OptionDialogsLeaveTheStructureInSight)
{
    window->getView()->setAxesShown(false);
    triggerAndAccept("actionCreate_Substrate");
    const QImage alone = frame();
    QRect block; // where the block is drawn, on the screen
    for (int y = 0; y < alone.height(); ++y)
        for (int x = 0; x < alone.width(); ++x)
            if (alone.pixel(x, y) != alone.pixel(0, 0))
                block |= QRect(window->getView()->mapToGlobal(QPoint(x, y)), QSize(1, 1));
    ASSERT_GT(block.width() * block.height(), 5000);
    QRect dialogArea;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialogArea = dialog->frameGeometry();
        dialog->reject();
    });
    window->action("actionIsotropic_Deposition")->trigger();
    EXPECT_FALSE(dialogArea.intersects(block)) << "dialog " << dialogArea.x() << "," << dialogArea.y();
}

TEST_F(MainWindowSubstrateTest, DepositedFilmAppearsAndUndoRestoresTheBareSubstrate)
{
    window->getView()->setAxesShown(false);
    triggerAndAccept("actionCreate_Substrate");
    const QImage bare = frame();
    ASSERT_EQ(bluishPixels(bare), 0);

    triggerAndAccept("actionIsotropic_Deposition", [](QDialog &dialog) {
        auto *material = dialog.findChild<QComboBox *>();
        material->setCurrentIndex(material->findText("Thermal Si02"));
        dialog.findChild<QDoubleSpinBox *>()->setValue(10.0);
    });
    EXPECT_EQ(window->action("actionUndo")->text(), "Undo Isotropic Deposition");
    const int film = bluishPixels(frame());
    EXPECT_GT(film, 5000) << "the oxide covers the top of the block";

    window->action("actionUndo")->trigger();
    EXPECT_EQ(frame(), bare) << "undo restores the bare substrate exactly";
    window->action("actionRedo")->trigger();
    EXPECT_EQ(bluishPixels(frame()), film);
}

TEST_F(MainWindowSubstrateTest, RandomWalkDopingExportAndOxidationByTimeThroughTheMenus)
{
    window->getView()->setAxesShown(false);
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

    // Change Visualization: the particle-count field, red (fewest) to blue (most), with its legend
    // along the bottom of the view.
    triggerAndAccept("actionChange_Viewing_Options", [](QDialog &dialog) {
        dialog.findChild<QComboBox *>(QStringLiteral("cbxSurfaceAlgorithm"))->setCurrentIndex(3);
        dialog.findChild<QComboBox *>(QStringLiteral("cbxDistribution"))->setCurrentIndex(0);
        dialog.findChild<QComboBox *>(QStringLiteral("cbxColorScale"))->setCurrentIndex(1);
    });
    const QImage field = frame();
    const int legendRow = int(0.95 * field.height()) - 10;
    const QColor lowEnd = field.pixelColor(int(0.05 * field.width()) + 3, legendRow);
    const QColor highEnd = field.pixelColor(int(0.95 * field.width()) - 3, legendRow);
    EXPECT_GT(lowEnd.red(), lowEnd.blue() + 150) << "the legend starts red";
    EXPECT_GT(highEnd.blue(), highEnd.red() + 150) << "and ends blue";
    int fieldPixels = 0; // the block's top shows counts: pure red-to-blue mixes, no green
    for (int y = 0; y < legendRow - 40; ++y)
        for (int x = 0; x < field.width(); ++x) {
            const QColor c = field.pixelColor(x, y);
            fieldPixels += c.green() < 40 && c.red() + c.blue() > 150 ? 1 : 0;
        }
    EXPECT_GT(fieldPixels, 5000);
    triggerAndAccept("actionChange_Viewing_Options", [](QDialog &dialog) {
        dialog.findChild<QComboBox *>(QStringLiteral("cbxSurfaceAlgorithm"))->setCurrentIndex(0);
    });

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

    // An hour at 1273 K and 1 atm: 0.0713 µm, 7.13 units at 100 units per micron, of which 3.99
    // grow out (3 layers, the first at 1.5 from the surface cells' centres) and 3.14 go in (3
    // layers from the surface cells down).
    const int bareOxide = bluishPixels(frame());
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
    EXPECT_GT(bluishPixels(frame()), bareOxide + 5000) << "the oxide is drawn";
}

} // namespace
