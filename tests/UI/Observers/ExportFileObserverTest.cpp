#include "Model/Materials/MaterialFactory.h"
#include "Support/ExportFiles.h"
#include "Support/Volumes.h"
#include "UI/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// File → Export Surface Mesh... on the only volume: the save dialog offers both mesh types,
// and a name typed without an extension gets the one of the chosen type.
TEST(ExportFileObserver, MenuActionAsksForTheFileAndAddsTheChosenExtension)
{
    Model::Materials::MaterialFactory::instance()->createDefaultMaterials();
    auto *window = new Ui::MainWindow;
    const auto volume = TestSupport::makeSlab(4, 5, 6, 3);
    volume->refreshDrawingData();
    window->getPresenter().getScene().addObject(volume);
    QTemporaryDir folder;
    QStringList offered;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        offered = dialog->nameFilters();
        dialog->selectNameFilter(offered.value(1));
        dialog->selectFile(folder.filePath("slab"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    window->action("actionExport_Surface_Mesh")->trigger();
    EXPECT_EQ(offered, QStringList({"STL surface mesh (*.stl)", "VTK PolyData surface mesh (*.vtp)"}));
    const auto file = ExportFiles::readVtkXml(folder.filePath("slab.vtp"));
    EXPECT_EQ(file.values<uint32_t>("material"), std::vector<uint32_t>(188, 1));
    window->close();
}

} // namespace
