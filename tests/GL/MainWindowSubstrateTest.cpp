// The desktop program as a user drives it: Simulation → Create Substrate with the dialog's
// defaults, pick the block, undo and redo, all through the real main window and its view.
#include "Model/Materials/MaterialFactory.h"
#include "UI/MainWindow.h"
#include "UI/View/GLWidget.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class MainWindowSubstrateTest : public ::testing::Test {
protected:
    MainWindowSubstrateTest()
    {
        Model::Materials::MaterialFactory::instance()->createDefaultMaterials();
        window->resize(800, 600);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    }
    ~MainWindowSubstrateTest() override { window->close(); }

    // Triggers an action whose observer shows a modal dialog, and presses OK in that dialog.
    void triggerAndAccept(const char *actionName)
    {
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
        window->action(actionName)->trigger();
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

} // namespace
