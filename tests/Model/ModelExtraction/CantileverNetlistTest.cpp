#include "Support/Cantilevers.h"

#include "Model/ModelExtraction/BlockDecomposition.h"
#include "Model/ModelExtraction/CantileverModelRule.h"
#include "Model/ModelExtraction/CantileverStructure.h"
#include "Model/ModelExtraction/NetlistFile.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Model::ModelExtraction;
using namespace TestSupport;

TEST(BlockDecomposition, CutsAtMaterialChangesAndLinksTouchingFaces)
{
    const auto volume = makeSingleCantilever(12, 2, 3);
    const BlockDecomposition decomposition(*volume);
    const auto &blocks = decomposition.getBlocks();
    // Anchor, beam over the anchor, free beam; the empty space under the free beam is no block.
    ASSERT_EQ(blocks.size(), 3u);
    const Block &anchor = blocks[0];
    EXPECT_EQ((std::array<uint32_t, 7>{anchor.x, anchor.y, anchor.z, anchor.sizeX, anchor.sizeY, anchor.sizeZ,
                                       anchor.materialId}),
              (std::array<uint32_t, 7>{0, 0, 0, 2, 2, 2, 1}));
    const Block *over = anchor.neighbour(UpperZ);
    ASSERT_TRUE(over);
    EXPECT_EQ(over->neighbour(LowerZ), &anchor);
    const Block *free = over->neighbour(UpperX);
    ASSERT_TRUE(free);
    EXPECT_EQ(free->sizeX, 10u);
    EXPECT_EQ(free->neighbourCount(), 1);
    EXPECT_EQ(over->neighbourCount(), 2);
    EXPECT_EQ(anchor.neighbourCount(), 1);
}

TEST(CantileverStructure, OneSegmentOfTenByTwoByTwoGivesTheExactNetlist)
{
    const auto volume = makeSingleCantilever(12, 2, 2);
    EXPECT_EQ(CantileverModelRule::netlistOf(*volume).toStdString(), "Model extracted by Cellfab\n"
                                                                     "c1 1 0 5.09473e-13 \n"
                                                                     "l1 1 0 3.57143e-09 \n"
                                                                     ".end \n");
}

TEST(CantileverStructure, TwoFreeEndsGiveTwoSegmentsOnNodesOneAndTwo)
{
    // Anchored in the middle; the free ends are 10 and 6 cells long.
    const auto volume = makeCantilever(18, 2, 2, [](uint32_t x) { return x >= 10 && x < 12; });
    const BlockDecomposition decomposition(*volume);
    CantileverModelRule rule;
    const auto structure = rule.apply(decomposition);
    ASSERT_TRUE(structure);
    ASSERT_EQ(rule.getSegments().size(), 2u);
    EXPECT_EQ(rule.getSegments()[0].sizeX, 10u);
    EXPECT_EQ(rule.getSegments()[1].sizeX, 6u);
    const QStringList lines = structure->netlist().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6);
    // The first segment's lines are laid out as in the exact netlist above.
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("c2 2 0 ")));
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("l2 2 0 ")));
    // The shorter beam has less mass and is stiffer (smaller compliance).
    EXPECT_LT(lines[3].section(' ', 3).toDouble(), lines[1].section(' ', 3).toDouble());
    EXPECT_LT(lines[4].section(' ', 3).toDouble(), lines[2].section(' ', 3).toDouble());
}

TEST(CantileverStructure, NoFreeEndGivesNoStructure)
{
    // A bridge: anchored at both ends, so every beam block has two neighbours.
    const auto bridge = makeCantilever(12, 2, 2, [](uint32_t x) { return x < 2 || x >= 10; });
    EXPECT_TRUE(CantileverModelRule::netlistOf(*bridge).isEmpty());
    EXPECT_TRUE(CantileverModelRule::netlistOf(*makeSlab(6, 6, 6, 3)).isEmpty());
}

TEST(CantileverStructure, SegmentsWalkBackAlongAStraightBeam)
{
    // A silicon post at x = 3 below the beam, not touching it, cuts the free beam into the
    // blocks 2..3, 3..4 and 4..12.
    const auto volume = makeVolume(12, 2, 4, [](uint32_t x, uint32_t, uint32_t z) {
        if (z >= 2)
            return 2u;
        if (x < 2)
            return 1u;
        return (x == 3 && z == 0) ? 1u : 0u;
    });
    CantileverModelRule rule;
    ASSERT_TRUE(rule.apply(BlockDecomposition(*volume)));
    ASSERT_EQ(rule.getSegments().size(), 1u);
    // The tip (x 4..12) continues over x 3..4 (above the post, not touching it) and 2..3.
    EXPECT_EQ(rule.getSegments()[0].x, 2u);
    EXPECT_EQ(rule.getSegments()[0].sizeX, 10u);
}

TEST(NetlistFile, WrittenNetlistRunsInACircuitSimulator)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("beam.cir"));
    const auto volume = makeCantilever(18, 2, 3, [](uint32_t x) { return x >= 10 && x < 12; });
    QString error;
    ASSERT_TRUE(NetlistFile::write(path, CantileverModelRule::netlistOf(*volume), &error))
        << error.toStdString();
    EXPECT_FALSE(NetlistFile::write(folder.filePath(QStringLiteral("missing/beam.cir")), "x", &error));
    EXPECT_TRUE(error.contains(QStringLiteral("missing/beam.cir")));

    const QString simulator = QStandardPaths::findExecutable(QStringLiteral("ngspice"));
    if (simulator.isEmpty())
        GTEST_SKIP() << "ngspice is not installed";
    // The netlist has no analysis of its own; an operating point proves that every element parses
    // and the circuit solves.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QString withAnalysis = QString::fromUtf8(file.readAll());
    withAnalysis.replace(QStringLiteral(".end \n"), QStringLiteral(".op\n.end\n"));
    const QString analysed = folder.filePath(QStringLiteral("op.cir"));
    ASSERT_TRUE(NetlistFile::write(analysed, withAnalysis, &error));
    QProcess process;
    process.start(simulator, {QStringLiteral("-b"), analysed});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString output =
        QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
    EXPECT_EQ(process.exitCode(), 0) << output.toStdString();
    EXPECT_FALSE(output.contains(QStringLiteral("Error"), Qt::CaseInsensitive)) << output.toStdString();
    for (const char *device : {"c1", "c2", "l1", "l2"})
        EXPECT_TRUE(output.contains(QRegularExpression(QStringLiteral("device.*\\b%1\\b").arg(device))))
            << device << output.toStdString();
}
