#include "Core/Operations/ExportData/CSVDataExporter.h"
#include "Core/Operations/ExportData/ExportDataOperation.h"
#include "Model/Automaton/TotalVolume.h"
#include "Support/PersistenceTestSupport.h"
#include "Support/WorkspaceHarness.h"

#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using Core::Operations::CSVDataExporter;
using Core::Operations::ExportDataOperation;
using Model::Automaton::ParticleCountField;
using Model::Automaton::TotalVolume;

namespace {

const QString kNField = QStringLiteral("Random Walk Particle Count Type N");
const QString kPField = QStringLiteral("Random Walk Particle Count Type P");

// A field whose every counter holds `value`.
std::shared_ptr<ParticleCountField> uniformField(const TotalVolume &volume, uint32_t value)
{
    auto field = std::make_shared<ParticleCountField>(size_t(volume.getCellCount()));
    for (auto &cell : *field)
        cell.counts.fill(value);
    return field;
}

class ExportDataTest : public ::testing::Test {
protected:
    QString path(const char *name) const { return directory.filePath(QLatin1String(name)); }
    QTemporaryDir directory;
};

} // namespace

TEST_F(ExportDataTest, TheSampleComesOutByteForByteWhateverTheLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); // decimal comma, grouping dots
    auto volume = TestSupport::makeSlab(2, 1, 2, 2);
    volume->setParticleCounts(kPField, uniformField(*volume, 1));
    EXPECT_EQ(CSVDataExporter::exportVolumeField(*volume, path("sample.csv"), kPField), 0);
    QLocale::setDefault(previous);
    EXPECT_EQ(PersistenceTest::readFile(path("sample.csv")),
              QByteArray("X: 0\n"
                         "7.0000000000e+00 ; 7.0000000000e+00 ; \n"
                         "\n"
                         "\n"
                         "X: 1\n"
                         "7.0000000000e+00 ; 7.0000000000e+00 ; \n"
                         "\n"
                         "\n"));
}

TEST_F(ExportDataTest, CellsComeInCellIndexOrderAndFailuresLeaveNoFile)
{
    // 1 × 2 × 3 cells, cell k holding k + 1 particles in its slot 6.
    auto volume = TestSupport::makeSlab(1, 2, 3, 3);
    auto field = std::make_shared<ParticleCountField>(6);
    for (uint32_t k = 0; k < 6; ++k)
        (*field)[k].counts[6] = k + 1;
    volume->setParticleCounts(kNField, field);
    volume->setParticleCounts(kPField, uniformField(*volume, 0));
    // Without a name the first particle-count field the volume carries is written: N.
    ASSERT_EQ(CSVDataExporter::exportVolumeField(*volume, path("n.csv"), QString()), 0);
    EXPECT_EQ(PersistenceTest::readFile(path("n.csv")),
              QByteArray("X: 0\n1.0000000000e+00 ; 2.0000000000e+00 ; 3.0000000000e+00 ; \n"
                         "4.0000000000e+00 ; 5.0000000000e+00 ; 6.0000000000e+00 ; \n\n\n"));

    QString error;
    auto bare = TestSupport::makeSlab(2, 2, 2, 1);
    EXPECT_EQ(CSVDataExporter::exportVolumeField(*bare, path("none.csv"), QString(), &error), -1);
    EXPECT_TRUE(error.contains(QStringLiteral("no particle-count field"))) << error.toStdString();
    bare->setParticleCounts(kNField, std::make_shared<ParticleCountField>(3)); // shorter than the volume
    EXPECT_EQ(CSVDataExporter::exportVolumeField(*bare, path("none.csv"), kNField, &error), -1);
    EXPECT_FALSE(QFile::exists(path("none.csv")));

    // An unwritable file keeps what was there.
    EXPECT_EQ(CSVDataExporter::exportVolumeField(*volume, path("missing-folder/n.csv"), kNField, &error), -1);
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(ExportDataTest, TheOperationWritesTheChosenFieldOfTheOnlyVolume)
{
    TestSupport::WorkspaceHarness harness;
    QString file = path("out.csv"), type = kPField;
    harness.add<ExportDataOperation>(37, [&](ExportDataOperation &operation) {
        operation.setFileName(file);
        operation.setDataType(type);
    });
    Core::Workspace &workspace = harness.workspace;
    auto volume = TestSupport::makeSlab(2, 1, 2, 2);
    volume->setParticleCounts(kPField, uniformField(*volume, 1));
    workspace.getScene().addObject(volume);
    workspace.activate(37);
    EXPECT_EQ(harness.log->lines, (std::vector<std::string>{"Export Data: Using only cell volume.",
                                                            "Export Data:  data saved."}));
    EXPECT_TRUE(PersistenceTest::readFile(path("out.csv")).startsWith("X: 0\n7.0000000000e+00 ; "));

    // A dialog accepted without a data type (the volume offers none) cancels.
    type.clear();
    file = path("nothing.csv");
    harness.log->lines.clear();
    workspace.activate(37);
    EXPECT_EQ(harness.log->lines, (std::vector<std::string>{"Export Data: Using only cell volume."}));
    EXPECT_EQ(workspace.currentOperation(), nullptr);
    EXPECT_FALSE(QFile::exists(file));
}
