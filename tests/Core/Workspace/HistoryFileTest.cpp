#include "Support/PersistenceTestSupport.h"

#include "Core/Workspace/HistoryFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>

namespace {

using Model::Automaton::TotalVolume;
using Ids = std::vector<uint32_t>;

// Which cells a step changes, by cell index and cell count.
struct Pattern {
    const char *name;
    bool (*changes)(size_t index, size_t count);
};
const Pattern kPatterns[] = {
    {"none", [](size_t, size_t) { return false; }},
    {"one cell", [](size_t i, size_t n) { return i == n / 2; }},
    {"scattered 1 %", [](size_t i, size_t) { return (i * 2654435761u >> 7) % 100 == 0; }},
    {"one slab", [](size_t i, size_t n) { return i >= n / 4 && i < n / 4 + n / 20; }},
    {"everything", [](size_t, size_t) { return true; }},
    {"first and last", [](size_t i, size_t n) { return i == 0 || i == n - 1; }},
};

// Volumes whose compact copies need 1, 2 and 4 bytes per cell.
const std::function<std::shared_ptr<TotalVolume>()> kVolumes[] = {
    [] { return PersistenceTest::randomVolume(20, 20, 20, 1); },
    [] {
        return TestSupport::makeVolume(
            20, 20, 20, [](uint32_t x, uint32_t y, uint32_t z) { return (x * 31 + y * 7 + z) % 300 * 9; });
    },
    [] {
        return TestSupport::makeVolume(1, 7, 10000,
                                       [](uint32_t, uint32_t y, uint32_t z) { return 2000 + y * 10000 + z; });
    },
};

void change(TotalVolume &volume, const Pattern &pattern)
{
    Model::Automaton::CellsLocker cells(volume);
    const size_t count = volume.getCellCount();
    for (size_t i = 0; i < count; ++i) {
        if (pattern.changes(i, count))
            cells.get()[i].materialId += 1 + uint32_t(i % 2500);
    }
}

// One step as a cell-changing operation records it, on one or more volumes.
void recordStep(Core::HistoryFile &undo, Core::HistoryFile &redo, const std::string &key, uint32_t instance,
                const std::vector<TotalVolume *> &volumes, const Pattern &pattern)
{
    for (size_t v = 0; v < volumes.size(); ++v)
        ASSERT_TRUE(undo.write(key, instance + uint32_t(v), *volumes[v]));
    for (TotalVolume *volume : volumes)
        change(*volume, pattern);
    for (size_t v = 0; v < volumes.size(); ++v)
        ASSERT_TRUE(redo.write(key, instance + uint32_t(v), *volumes[v]));
}

class HistoryFileTest : public ::testing::Test {
protected:
    HistoryFileTest() { Core::HistoryFile::recordStepsIn(undo, redo); }

    QString pathOf(const char *name) const { return directory.filePath(name); }
    qint64 bytesWritten() const
    {
        return QFileInfo(undo.getPath()).size() + QFileInfo(redo.getPath()).size();
    }

    QTemporaryDir directory;
    Core::HistoryFile undo{pathOf("undo.temp")};
    Core::HistoryFile redo{pathOf("redo.temp")};
};

TEST_F(HistoryFileTest, StepRecordsRestoreExactlyAndGrowWithTheChangedCells)
{
    uint32_t instance = 0;
    for (const auto &makeVolume : kVolumes) {
        for (const Pattern &pattern : kPatterns) {
            SCOPED_TRACE(std::string(pattern.name) + " on a volume of " + std::to_string(instance / 6));
            auto volume = makeVolume();
            auto neighbour = TestSupport::makeSlab(4, 4, 4, 2);
            recordStep(undo, redo, "Neighbour", instance, {neighbour.get()}, kPatterns[2]);
            const Ids before = volume->materialIds();
            const qint64 sizeBefore = bytesWritten();
            ASSERT_TRUE(undo.write("Step", instance, *volume));
            change(*volume, pattern);
            ASSERT_TRUE(undo.restore("Step", instance, *volume)) << "restores the copy held during the step";
            EXPECT_EQ(volume->materialIds(), before);
            change(*volume, pattern);
            ASSERT_TRUE(redo.write("Step", instance, *volume));
            const Ids after = volume->materialIds();
            const auto changed = std::inner_product(before.begin(), before.end(), after.begin(), size_t(0),
                                                    std::plus<>(), std::not_equal_to<>());
            EXPECT_LE(bytesWritten() - sizeBefore, qint64(2 * (80 + 6 * changed)));
            recordStep(undo, redo, "Neighbour", instance + 1000, {neighbour.get()}, kPatterns[3]);

            // Restoring splits the cells between pool threads.
            for (int threads : {1, 2, 3, 12}) {
                const TestSupport::PoolThreads pool(threads);
                ASSERT_TRUE(undo.restore("Step", instance, *volume));
                EXPECT_EQ(volume->materialIds(), before) << threads << " threads";
                ASSERT_TRUE(redo.restore("Step", instance, *volume));
                EXPECT_EQ(volume->materialIds(), after) << threads << " threads";
            }
            ASSERT_TRUE(Core::HistoryFile(undo.getPath()).restore("Step", instance, *volume))
                << "found by scanning";
            EXPECT_EQ(volume->materialIds(), before);
            ++instance;
        }
    }
}

TEST_F(HistoryFileTest, DamagedShortOrMissingRecordsLeaveTheCellsUnchanged)
{
    auto volume = PersistenceTest::randomVolume(10, 10, 10, 5);
    // A one-cell record is stored raw, a whole-volume one compressed.
    for (const Pattern *pattern : {&kPatterns[1], &kPatterns[4]}) {
        SCOPED_TRACE(pattern->name);
        const std::string key = pattern->name;
        Core::HistoryFile before(pathOf((key + ".undo").c_str())), after(pathOf((key + ".redo").c_str()));
        Core::HistoryFile::recordStepsIn(before, after);
        recordStep(before, after, "Key", 0, {volume.get()}, *pattern);
        const Ids changed = volume->materialIds();
        const QByteArray good = PersistenceTest::readFile(before.getPath());
        const auto expectUnchanged = [&](const QByteArray &damaged, const char *what, int position) {
            QFile file(before.getPath()); // rewritten in place: quicker than truncating to empty
            ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.write(damaged) == damaged.size());
            file.resize(damaged.size());
            file.close();
            EXPECT_FALSE(before.restore("Key", 0, *volume)) << what << position;
            EXPECT_FALSE(Core::HistoryFile(before.getPath()).restore("Key", 0, *volume)) << what << position;
            EXPECT_EQ(volume->materialIds(), changed) << what << position;
        };
        for (int position = 0; position < good.size(); position += position < 80 ? 1 : 7) {
            QByteArray flipped = good;
            flipped[position] = char(flipped[position] ^ 0x5A);
            expectUnchanged(flipped, "flipped at ", position);
            expectUnchanged(good.left(position), "cut at ", position);
        }
        PersistenceTest::writeFile(before.getPath(), good);
        auto otherSize = PersistenceTest::randomVolume(10, 10, 11, 5);
        EXPECT_FALSE(before.restore("Key", 0, *otherSize));
        ASSERT_TRUE(before.restore("Key", 0, *volume));
        EXPECT_NE(volume->materialIds(), changed);
    }

    const QString path = pathOf("damaged.temp");
    PersistenceTest::writeFile(path,
                               "Short 0 1 2\nBad 0 1 x 3 4\nHuge 0 1 99999999999 3 4\nC 0 changes 999\n");
    Core::HistoryFile history(path);
    auto small = TestSupport::makeSlab(1, 1, 4, 4, 7);
    for (const char *key : {"Short", "Bad", "Huge", "C"})
        EXPECT_FALSE(history.restore(key, 0, *small)) << key;
    EXPECT_EQ(small->materialIds(), std::vector<uint32_t>(4, 7));
    Core::HistoryFile missing(pathOf("absent/none.temp"));
    EXPECT_FALSE(missing.restore("Short", 0, *small));
    EXPECT_FALSE(missing.write("Short", 0, *small));
    EXPECT_FALSE(Core::HistoryFile().write("Key", 0, *small));
    EXPECT_FALSE(Core::HistoryFile(path).write("two words", 0, *small));
}

TEST_F(HistoryFileTest, ReadsWholeVolumeTextRecordsBetweenItsOwn)
{
    const QString path = pathOf("mixed.temp");
    auto volume = TestSupport::makeSlab(1, 1, 4, 0);
    Core::HistoryFile own(path);
    volume->setMaterialIds({5, 6, 7, 8});
    ASSERT_TRUE(own.write("Key", 1, *volume));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("Other 3 9 9 9 9\nKey 2 8 8 8 8\njunk line with words\nKey 3 1 2 3 4\n");
    file.close();
    ASSERT_TRUE(Core::HistoryFile(path).restore("Key", 3, *volume));
    EXPECT_EQ(volume->materialIds(), (Ids{1, 2, 3, 4}));
    ASSERT_TRUE(Core::HistoryFile(path).restore("Key", 1, *volume));
    EXPECT_EQ(volume->materialIds(), (Ids{5, 6, 7, 8}));
}

} // namespace
