#pragma once

#include <QBitArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class QImage;

namespace Model::Automaton {

// A w × h bit mask made from an image, one pixel per cell column and no scaling. Pixel (px, py)
// sets bit px·h + (h − 1 − py): image rows are flipped, so image row 0 lands on the highest cell
// row. A set bit is an opaque (blocking) part of the mask: its pixel is pure red or pure black,
// whatever its alpha. An empty mask is 0 × 0 with no bits.
class ImageMask {
public:
    // Larger images are refused, so a hostile file cannot make the program allocate without bound.
    static constexpr uint64_t kMaximumPixels = uint64_t(1) << 26;

    ImageMask() = default;
    // Takes the bits as given; `isConsistent` tells whether they match the extents.
    ImageMask(QBitArray bits, uint32_t width, uint32_t height)
        : bits(std::move(bits)), width(width), height(height)
    {
    }

    static ImageMask fromImage(const QImage &image);
    // Empty when the file cannot be read as an image or is larger than kMaximumPixels.
    static std::optional<ImageMask> fromFile(const QString &path);

    const QBitArray &getBits() const { return bits; }
    uint32_t getWidth() const { return width; }
    uint32_t getHeight() const { return height; }
    bool isEmpty() const { return width == 0 || height == 0; }
    // Whether the bit vector holds exactly width × height bits.
    bool isConsistent() const { return uint64_t(bits.size()) == uint64_t(width) * height; }

    // Whether cell column (x, y) lies inside the mask under a set bit.
    bool blocks(uint32_t x, uint32_t y) const
    {
        const uint64_t bit = uint64_t(x) * height + y;
        return x < width && y < height && bit < uint64_t(bits.size()) && bits.testBit(int(bit));
    }
    // One flag per cell column of a sizeX × sizeY volume, index x·sizeY + y: whether the mask
    // blocks the column, or, with `invert`, whether it does not (columns outside the mask are
    // then set).
    std::vector<uint8_t> columnMap(uint32_t sizeX, uint32_t sizeY, bool invert = false) const;

    bool operator==(const ImageMask &o) const
    {
        return width == o.width && height == o.height && bits == o.bits;
    }

private:
    QBitArray bits;
    uint32_t width = 0;
    uint32_t height = 0;
};

} // namespace Model::Automaton
