#include "Support/ExportFiles.h"
#include "Support/SurfaceTestSupport.h"
#include "Support/WorkspaceHarness.h"

#include "Core/Operations/GeometryExport/ExportSurfaceMeshOperation.h"
#include "Core/Operations/GeometryExport/ExportVolumeOperation.h"
#include "Model/Automaton/TotalVolumePainter.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using Core::Operations::ExportFileOperation;
using Core::Operations::ExportSurfaceMeshOperation;
using Core::Operations::ExportVolumeOperation;
using Model::Automaton::TotalVolume;

namespace {

// The exports driven as the menus drive them, with a fake file dialog that answers `answer`.
class GeometryExportOperations : public SurfaceTest::SurfaceMaterialsTest {
protected:
    void SetUp() override
    {
        SurfaceMaterialsTest::SetUp();
        addExport<ExportSurfaceMeshOperation>();
        addExport<ExportVolumeOperation>();
        for (uint32_t height : {2u, 3u}) {
            volumes.push_back(TestSupport::makeSlab(4, 5, 6, height));
            volumes.back()->refreshDrawingData();
            harness.workspace.getScene().addObject(volumes.back());
        }
    }

    template <class OperationClass> void addExport()
    {
        harness.addOperation<OperationClass>(
            OperationClass::kId, [](Core::Workspace &w) { return std::make_shared<OperationClass>(w); },
            [this](OperationClass &operation) {
                ASSERT_EQ(operation.getStage(), ExportFileOperation::Stage::ChoosingFile);
                operation.setFileName(answer);
            });
    }

    void select(const std::shared_ptr<TotalVolume> &volume)
    {
        harness.workspace.getPickState().setSelectedObjects({volume});
    }

    const std::vector<std::string> &lines() const { return harness.log->lines; }

    TestSupport::WorkspaceHarness harness;
    std::vector<std::shared_ptr<TotalVolume>> volumes;
    QTemporaryDir folder;
    QString answer;
};

TEST_F(GeometryExportOperations, WithoutASelectionTheExportWaitsForAPickAndEnter)
{
    answer = folder.filePath("picked.stl");
    harness.workspace.activate(ExportSurfaceMeshOperation::kId);
    EXPECT_EQ(lines(),
              std::vector<std::string>{"Export Surface Mesh: Select a cell volume and press Enter/Return."});
    select(volumes[1]);
    harness.workspace.getCommandInterpreter().interpret("");
    // The 4 × 5 × 3 slab: 2·20 + 2·12 + 2·15 faces, two triangles each.
    ASSERT_EQ(lines().size(), 3u);
    EXPECT_EQ(lines()[1], "Export Surface Mesh: Cell volume selected.");
    EXPECT_EQ(lines()[2], "Export Surface Mesh: 188 triangles written to " + answer.toStdString() + ".");
    EXPECT_EQ(ExportFiles::readStl(answer).size(), 188u);
    EXPECT_EQ(harness.workspace.currentOperation(), nullptr);
    EXPECT_TRUE(harness.workspace.getUndoRedoStacks().undoName().empty()) << "an export leaves no undo entry";
}

TEST_F(GeometryExportOperations, TheAnswerDecidesWhatIsWritten)
{
    struct Case {
        uint32_t operation;
        QString file; // "" stands for a cancelled dialog
        std::string message;
        bool written;
    };
    const QString mesh = folder.filePath("slab.vtp");
    const QString cells = folder.filePath("slab.vti");
    const QString text = folder.filePath("slab.txt");
    const Case cases[] = {
        {ExportSurfaceMeshOperation::kId, mesh,
         "Export Surface Mesh: 188 triangles written to " + mesh.toStdString() + ".", true},
        {ExportVolumeOperation::kId, cells,
         "Export Volume: 4 x 5 x 6 cells written to " + cells.toStdString() + ".", true},
        {ExportSurfaceMeshOperation::kId, text,
         "Export Surface Mesh: The file could not be written: " + text.toStdString()
             + ": the file name must end in .stl or .vtp",
         false},
        {ExportVolumeOperation::kId, QString(), "Export Volume: Operation canceled.", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message);
        select(volumes[1]); // choosing the volume clears the selection
        answer = c.file;
        harness.workspace.activate(c.operation);
        EXPECT_EQ(lines().back(), c.message);
        EXPECT_EQ(!c.file.isEmpty() && QFile::exists(c.file), c.written);
        EXPECT_EQ(harness.workspace.currentOperation(), nullptr);
    }
    const auto image = ExportFiles::readVtkXml(cells);
    EXPECT_EQ(image.values<uint32_t>("material").size(), 120u);
}

} // namespace
