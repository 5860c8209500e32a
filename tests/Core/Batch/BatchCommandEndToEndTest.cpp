#include "Support/BatchTestSupport.h"
#include "Support/Cantilevers.h"
#include "Support/ExportFiles.h"
#include "Support/PersistenceTestSupport.h"
#include "Support/ProcessCases.h"

#include "Core/Batch/ProcessEntries.h"
#include "Model/ModelExtraction/CantileverModelRule.h"
#include "Model/Persistence/ProcessListWriter.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#ifdef CELLFAB_BATCH_PATH

using namespace PersistenceTest;
using Core::Batch::ProcessEntries;

namespace {

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

class BatchCommandEndToEnd : public CatalogueTest {
protected:
    // Runs the command with a fresh home folder and no display.
    Outcome run(const QStringList &arguments)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.insert(QStringLiteral("HOME"), home.path());
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(home.path());
        process.start(QStringLiteral(CELLFAB_BATCH_PATH), arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QString path(const char *name) const { return home.filePath(QLatin1String(name)); }

    QString writeList(const char *name, const std::vector<Ui::ProcessData> &entries)
    {
        EXPECT_TRUE(Model::Persistence::ProcessListWriter::save(path(name), entries));
        return path(name);
    }

    static QString example(const char *name) { return QStringLiteral(CELLFAB_EXAMPLES_DIR "/") + name; }

    std::shared_ptr<TotalVolume> resultVolume(const char *name)
    {
        const auto result = loadBytes(readFile(path(name)));
        EXPECT_EQ(result.status, Model::Persistence::DocumentFile::Status::Done)
            << result.error.toStdString();
        return result.objects.empty() ? nullptr
                                      : std::dynamic_pointer_cast<TotalVolume>(result.objects.back());
    }

    static size_t count(const std::vector<uint32_t> &ids, uint32_t id)
    {
        return size_t(std::count(ids.begin(), ids.end(), id));
    }

    QTemporaryDir home;
};

} // namespace

TEST_F(BatchCommandEndToEnd, ExampleListRunsAndWritesTheResult)
{
    const Outcome outcome = run({example("oxide-on-silicon.plst"), path("out.cfb")});
    EXPECT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.out.startsWith(
        QStringLiteral("1/4 Create Substrate: No error, process was run successfully. (")));
    EXPECT_EQ(outcome.out.count(QStringLiteral(" ms)\n")), 4) << outcome.out.toStdString();
    // Without a display the Save Image step warns and the run goes on.
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("no OpenGL display"))) << outcome.err.toStdString();
    EXPECT_TRUE(QFile::exists(path("Cellfab/materials.xml")));

    // The cells each step leaves are its engine's (ProcessSteps); here the oxide layer is written.
    const auto volume = resultVolume("out.cfb");
    EXPECT_TRUE(volume && count(volume->materialIds(), 3) >= 60u * 40);
}

// The other shipped examples run to the end: the gold bump plates on its copper pad, the comb's
// mask comes with its list and its resist is stripped, the walk dopes below the top layer, the
// ball is coated.
TEST_F(BatchCommandEndToEnd, ShippedExamplesRunAndLeaveTheirStructure)
{
    const struct {
        const char *list;
        uint32_t material;
        size_t count;
    } examples[] = {{"gold-bump-on-mesa.plst", 9, 30u * 20 * 3},
                    {"lithography-comb.plst", 3, 40u * 10},
                    {"doping-flow.plst", 14, 40u * 40},
                    {"coated-silicon-ball.plst", 16, 0}};
    for (const auto &e : examples) {
        const Outcome outcome = run({example(e.list), path("out.cfb")});
        EXPECT_EQ(outcome.exitCode, 0) << e.list << outcome.err.toStdString();
        const auto volume = resultVolume("out.cfb");
        ASSERT_NE(volume, nullptr) << e.list;
        EXPECT_GT(count(volume->materialIds(), e.material), e.count) << e.list;
        EXPECT_EQ(count(volume->materialIds(), 11), 0u) << e.list << ": no resist left";
    }
}

TEST_F(BatchCommandEndToEnd, FailingStepStopsTheRunAndStillWritesTheEarlierSteps)
{
    Ui::ProcessData lacking(16);
    lacking.setProcessParameter(QStringLiteral("Film Thickness"), 2.0, true);
    const QString list =
        writeList("failing.plst", {ProcessEntries::createSubstrate(BatchTest::slabSubstrate(10, 10, 10, 5)),
                                   lacking, ProcessEntries::cvd(3, 1)});
    const Outcome outcome = run({list, path("out.cfb")});
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_TRUE(
        outcome.err.contains(QStringLiteral("step 2 (Isotropic Deposition) failed: A required parameter was "
                                            "not found. Check input list.")))
        << outcome.err.toStdString();
    EXPECT_EQ(outcome.out.count(QLatin1Char('\n')), 2);
    // Which steps ran is ProcessListRun's; the command writes what they left.
    const auto volume = resultVolume("out.cfb");
    EXPECT_TRUE(volume && count(volume->materialIds(), 1) == 500u);
}

TEST_F(BatchCommandEndToEnd, DocumentGivesTheVolumeToWorkOn)
{
    writeFile(path("start.cfb"), writeDocument({volumeOf(8, 8, 8, {1}), TestSupport::makeSlab(8, 8, 8, 3)}));
    const QString list = writeList("film.plst", {ProcessEntries::cvd(3, 2)});
    const Outcome outcome = run({"--document", path("start.cfb"), list, path("out.cfb")});
    EXPECT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
    const auto result = loadBytes(readFile(path("out.cfb")));
    ASSERT_EQ(result.objects.size(), 2u);
    // The last volume got the film; the first stayed as it was.
    const auto first = std::dynamic_pointer_cast<TotalVolume>(result.objects[0])->materialIds();
    const auto last = std::dynamic_pointer_cast<TotalVolume>(result.objects[1])->materialIds();
    EXPECT_EQ(count(first, 3), 0u);
    EXPECT_EQ(count(last, 3), 64u * 2);
}

TEST_F(BatchCommandEndToEnd, NetlistOfTheLastVolumeAndNoFileWithoutAFreeEnd)
{
    const auto beam = TestSupport::makeSingleCantilever(12, 2, 3);
    writeFile(path("beam.cfb"), writeDocument({volumeOf(4, 4, 4, {1}), beam}));
    writeFile(path("flat.cfb"), writeDocument({volumeOf(4, 4, 4, {1})}));
    const QString list = writeList("empty.plst", {});
    Outcome outcome =
        run({"--netlist", path("beam.cir"), "--document", path("beam.cfb"), list, path("out.cfb")});
    EXPECT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(readFile(path("beam.cir"))),
              Model::ModelExtraction::CantileverModelRule::netlistOf(*beam));

    outcome = run({"--netlist", path("flat.cir"), "--document", path("flat.cfb"), list, path("out.cfb")});
    EXPECT_EQ(outcome.exitCode, 4);
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("No model data was extracted.")))
        << outcome.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("flat.cir")));
}

TEST_F(BatchCommandEndToEnd, BadArgumentsAndFilesGiveTheirExitCodes)
{
    EXPECT_EQ(run({"--help"}).exitCode, 0);
    EXPECT_TRUE(run({"--help"}).out.startsWith(QStringLiteral("Usage: cellfab-batch")));
    EXPECT_EQ(run({path("only-one.plst")}).exitCode, 2);
    for (const QStringList &usage :
         {QStringList{"--bogus"}, QStringList{"--threads", "zero"}, QStringList{"--stl", ""},
          QStringList{"--seed", "-1"}, QStringList{"--data-field", "x"}})
        EXPECT_EQ(run(usage + QStringList{path("a"), path("b")}).exitCode, 2)
            << usage.join(' ').toStdString();
    EXPECT_EQ(run({path("missing.plst"), path("out.cfb")}).exitCode, 3);
    writeFile(path("broken.plst"), "<Process-List><Process-Data");
    const Outcome broken = run({path("broken.plst"), path("out.cfb")});
    EXPECT_EQ(broken.exitCode, 3);
    EXPECT_TRUE(broken.err.contains(QStringLiteral("damaged")));
    writeFile(path("broken.cfb"), "<Document><Header/><Object object-type=\"1\" size-x=\"0\"/></Document>");
    EXPECT_EQ(
        run({"--document", path("broken.cfb"), example("oxide-on-silicon.plst"), path("o.cfb")}).exitCode, 3);
    EXPECT_FALSE(QFile::exists(path("out.cfb")));
    EXPECT_EQ(run({example("oxide-on-silicon.plst"), path("no-such-folder/out.cfb")}).exitCode, 4);
}

TEST_F(BatchCommandEndToEnd, SeededRunsRepeatWithAnyThreadCount)
{
    const auto walk = TestSupport::walkSettings();
    const QString list = writeList(
        "walk.plst", {ProcessEntries::createSubstrate(BatchTest::slabSubstrate(12, 9, 12, 8)),
                      ProcessEntries::randomWalkDoping(walk), ProcessEntries::randomWalkDoping(walk)});
    const auto seeded = [&](const char *seed, const char *threads, const char *name) {
        const QString csv = path(name);
        const Outcome outcome =
            run({QStringLiteral("--seed"), QLatin1String(seed), QStringLiteral("--threads"),
                 QLatin1String(threads), QStringLiteral("--export-data"), csv, list, path("walk.cfb")});
        EXPECT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
        return readFile(csv);
    };
    const QByteArray reference = seeded("11", "1", "a.csv");
    EXPECT_EQ(seeded("11", "3", "b.csv"), reference);
    EXPECT_NE(seeded("12", "1", "c.csv"), reference);
}

TEST_F(BatchCommandEndToEnd, OutputsAreWrittenFromTheLastVolumeAndEachFailureIsExitCodeFour)
{
    const QString list =
        writeList("slab.plst", {ProcessEntries::createSubstrate(BatchTest::slabSubstrate(10, 8, 6, 3))});
    const Outcome outcome = run({"--vtk", path("out.vti"), "--stl", path("out.stl"), "--vtp", path("out.vtp"),
                                 list, path("out.cfb")});
    EXPECT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
    // The 10 × 8 × 3 slab: 2·80 + 2·30 + 2·24 faces, two triangles each. The formats themselves
    // are checked by the geometry export tests.
    EXPECT_EQ(ExportFiles::readStl(path("out.stl")).size(), 536u);
    EXPECT_EQ(ExportFiles::readVtkXml(path("out.vtp")).values<uint32_t>("material").size(), 536u);
    EXPECT_EQ(ExportFiles::readVtkXml(path("out.vti")).values<uint32_t>("material").size(), 480u);

    // Each output that cannot be written is reported and gives exit code 4; the document and the
    // other outputs are still written. A slab carries no particle counts to export.
    const Outcome failed = run({"--stl", path("missing/out.stl"), "--vtk", path("again.vti"), "--export-data",
                                path("none.csv"), list, path("again.cfb")});
    EXPECT_EQ(failed.exitCode, 4);
    EXPECT_TRUE(failed.err.contains("cannot write " + path("missing/out.stl") + ": "))
        << failed.err.toStdString();
    EXPECT_TRUE(
        failed.err.contains(path("none.csv") + QStringLiteral(": the cell volume carries no particle")))
        << failed.err.toStdString();
    EXPECT_TRUE(QFile::exists(path("again.vti")) && QFile::exists(path("again.cfb")));
    EXPECT_FALSE(QFile::exists(path("missing/out.stl")) || QFile::exists(path("none.csv")));
}

#endif
