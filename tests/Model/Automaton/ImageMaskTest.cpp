#include "Model/Automaton/ImageMask.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using Model::Automaton::ImageMask;

namespace {

// A 3 × 2 image; row 0 (the top of the picture) lands on cell row y = 1.
QImage sampleImage()
{
    QImage image(3, 2, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 0, 0, 255)); // red: blocks
    image.setPixel(1, 0, qRgba(254, 0, 0, 255)); // one step off red: open
    image.setPixel(2, 0, qRgba(255, 0, 0, 0));   // transparent red: still red
    image.setPixel(0, 1, qRgba(0, 0, 1, 255));   // one step off black: open
    image.setPixel(1, 1, qRgba(0, 0, 0, 255));   // black: blocks
    image.setPixel(2, 1, qRgba(255, 255, 255, 255));
    return image;
}

} // namespace

// Rows are flipped, only pure red and pure black block, and column maps cover the volume while
// ignoring pixels beyond it.
TEST(ImageMask, FlipsRowsBlocksOnlyPureRedAndBlackAndMapsColumns)
{
    const ImageMask mask = ImageMask::fromImage(sampleImage());
    ASSERT_EQ(mask.getWidth(), 3u);
    ASSERT_EQ(mask.getHeight(), 2u);
    ASSERT_TRUE(mask.isConsistent());
    // Bit x·h + y for cell column (x, y).
    const bool expected[3][2] = {{false, true}, {true, false}, {false, true}};
    for (uint32_t x = 0; x < 3; ++x)
        for (uint32_t y = 0; y < 2; ++y) {
            EXPECT_EQ(mask.blocks(x, y), expected[x][y]) << x << ", " << y;
            EXPECT_EQ(mask.getBits().testBit(int(x * 2 + y)), expected[x][y]);
        }
    EXPECT_FALSE(mask.blocks(3, 0)) << "outside the mask";
    EXPECT_TRUE(ImageMask::fromImage(QImage()).isEmpty());
    // Column maps of a 2 × 3 volume: mask column 2 lies beyond it, volume row 2 beyond the mask.
    EXPECT_EQ(mask.columnMap(2, 3), (std::vector<uint8_t>{0, 1, 0, 1, 0, 0}));
    EXPECT_EQ(mask.columnMap(2, 3, true), (std::vector<uint8_t>{1, 0, 1, 0, 1, 1}));
    EXPECT_EQ(ImageMask().columnMap(2, 1), (std::vector<uint8_t>{0, 0}));
    // Bits that do not match the extents never read past the vector.
    EXPECT_FALSE(ImageMask(QBitArray(3, true), 2, 2).isConsistent());
    EXPECT_EQ(ImageMask(QBitArray(3, true), 2, 2).columnMap(2, 2), (std::vector<uint8_t>{1, 1, 1, 0}));
}

TEST(ImageMask, FilesAreReadByContentAndUnreadableOnesGiveNothing)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("mask.png"));
    ASSERT_TRUE(sampleImage().save(png));
    const auto loaded = ImageMask::fromFile(png);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(*loaded, ImageMask::fromImage(sampleImage()));

    const QString text = dir.filePath(QStringLiteral("not-an-image.png"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is no picture");
    file.close();
    EXPECT_FALSE(ImageMask::fromFile(text));
    EXPECT_FALSE(ImageMask::fromFile(dir.filePath(QStringLiteral("missing.png"))));
    EXPECT_FALSE(ImageMask::fromFile(QString()));
}
