#include "Support/PersistenceTestSupport.h"

#include "Core/Workspace/HistoryFile.h"

#include <gtest/gtest.h>

namespace {

class HistoryFileTest : public ::testing::Test {
protected:
    QString pathOf(const char *name) const { return directory.filePath(name); }
    QTemporaryDir directory;
};

TEST_F(HistoryFileTest, RecordsAreOneLineInTheDocumentedLayout)
{
    Core::HistoryFile history(pathOf("undo1.temp"));
    auto volume =
        TestSupport::makeVolume(1, 2, 2, [](uint32_t, uint32_t y, uint32_t z) { return y * 2 + z; });
    ASSERT_TRUE(history.write("IsotropicDeposition", 4, *volume));
    EXPECT_EQ(PersistenceTest::readFile(history.getPath()), QByteArray("IsotropicDeposition 4 0 1 2 3\n"));
}

TEST_F(HistoryFileTest, RestoresTheRecordOfTheRightKeyAndInstance)
{
    Core::HistoryFile history(pathOf("h.temp"));
    auto volume = TestSupport::makeSlab(3, 3, 3, 1, 1);
    const auto original = volume->materialIds();
    ASSERT_TRUE(history.write("Etch", 0, *volume));
    volume->setMaterialIds(std::vector<uint32_t>(27, 5));
    ASSERT_TRUE(history.write("Etch", 1, *volume));
    volume->setMaterialIds(std::vector<uint32_t>(27, 9));
    ASSERT_TRUE(history.write("Deposit", 0, *volume));

    ASSERT_TRUE(history.restore("Etch", 0, *volume));
    EXPECT_EQ(volume->materialIds(), original);
    ASSERT_TRUE(history.restore("Deposit", 0, *volume));
    EXPECT_EQ(volume->materialIds(), std::vector<uint32_t>(27, 9));
    ASSERT_TRUE(history.restore("Etch", 1, *volume));
    EXPECT_EQ(volume->materialIds(), std::vector<uint32_t>(27, 5));
    EXPECT_FALSE(history.restore("Etch", 2, *volume));
    EXPECT_FALSE(history.restore("Other", 0, *volume));
    EXPECT_EQ(volume->materialIds(), std::vector<uint32_t>(27, 5)) << "a missing record changes nothing";
}

TEST_F(HistoryFileTest, ReadsRecordsItDidNotWriteByScanningLines)
{
    const QString path = pathOf("foreign.temp");
    PersistenceTest::writeFile(path, "Other 3 9 9 9 9\n"
                                     "Key 2 8 8 8 8\n"
                                     "junk line with words\n"
                                     "Key 3 1 2 3 4\n");
    Core::HistoryFile history(path);
    auto volume = TestSupport::makeSlab(1, 1, 4, 0);
    ASSERT_TRUE(history.restore("Key", 3, *volume));
    EXPECT_EQ(volume->materialIds(), (std::vector<uint32_t>{1, 2, 3, 4}));
}

TEST_F(HistoryFileTest, DamagedRecordsAndMissingFilesLeaveTheCellsUnchanged)
{
    const QString path = pathOf("damaged.temp");
    PersistenceTest::writeFile(path, "Short 0 1 2\nBad 0 1 x 3 4\nHuge 0 1 99999999999 3 4\n");
    Core::HistoryFile history(path);
    auto volume = TestSupport::makeSlab(1, 1, 4, 4, 7);
    EXPECT_FALSE(history.restore("Short", 0, *volume));
    EXPECT_FALSE(history.restore("Bad", 0, *volume));
    EXPECT_FALSE(history.restore("Huge", 0, *volume));
    EXPECT_EQ(volume->materialIds(), std::vector<uint32_t>(4, 7));

    Core::HistoryFile missing(pathOf("absent/none.temp"));
    EXPECT_FALSE(missing.restore("Short", 0, *volume));
    EXPECT_FALSE(missing.write("Short", 0, *volume));
    Core::HistoryFile disabled;
    EXPECT_FALSE(disabled.write("Key", 0, *volume));
    EXPECT_FALSE(Core::HistoryFile(path).write("two words", 0, *volume));
}

} // namespace
