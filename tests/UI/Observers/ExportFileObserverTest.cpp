#include "Support/DialogDrivers.h"
#include "Support/Volumes.h"
#include "UI/MainWindow.h"

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// File → Export Surface Mesh... and Export Volume... on the only volume (a 4 × 5 × 6 volume
// with a 3-layer slab: 94 faces): the save dialog offers the operation's types, a name typed
// without an extension gets the one of the chosen type, and the console says what happened.
using ExportFileObserver = TestSupport::MainWindowFixture;

TEST_F(ExportFileObserver, MenuActionsAskForTheFileAndWriteIt)
{
    const auto volume = TestSupport::makeSlab(4, 5, 6, 3);
    volume->refreshDrawingData();
    window->getPresenter().getScene().addObject(volume);
    QTemporaryDir folder;
    const QStringList meshTypes{"STL surface mesh (*.stl)", "VTK PolyData surface mesh (*.vtp)"};
    const struct {
        const char *action;
        int filter;
        QString typed; // "" cancels the dialog
        QStringList offered;
        QString message;
    } cases[] = {
        {"actionExport_Surface_Mesh", 1, folder.filePath("slab"), meshTypes,
         "Export Surface Mesh: 188 triangles written to " + folder.filePath("slab.vtp") + "."},
        {"actionExport_Volume",
         0,
         folder.filePath("cells.vti"),
         {"VTK ImageData volume (*.vti)"},
         "Export Volume: 4 x 5 x 6 cells written to " + folder.filePath("cells.vti") + "."},
        {"actionExport_Surface_Mesh", 0, "", meshTypes, "Export Surface Mesh: Operation canceled."},
    };
    for (const auto &c : cases) {
        QStringList offered;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            offered = dialog->nameFilters();
            dialog->selectNameFilter(offered.value(c.filter));
            dialog->selectFile(c.typed);
            QMetaObject::invokeMethod(dialog, c.typed.isEmpty() ? "reject" : "accept");
        });
        window->action(c.action)->trigger();
        EXPECT_EQ(offered, c.offered);
        EXPECT_EQ(lastMessage(), c.message.toStdString());
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"cells.vti", "slab.vtp"}));
}

} // namespace
