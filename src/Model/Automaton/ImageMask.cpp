#include "Model/Automaton/ImageMask.h"

#include <QImage>
#include <QImageReader>

#include <algorithm>

namespace Model::Automaton {
namespace {

constexpr QRgb kColorBits = 0x00ffffff;
constexpr QRgb kPureRed = 0x00ff0000;
constexpr QRgb kPureBlack = 0x00000000;

bool isBlocking(QRgb pixel)
{
    const QRgb color = pixel & kColorBits;
    return color == kPureRed || color == kPureBlack;
}

bool withinPixelLimit(const QSize &size)
{
    return uint64_t(qMax(size.width(), 0)) * uint64_t(qMax(size.height(), 0)) <= ImageMask::kMaximumPixels;
}

} // namespace

ImageMask ImageMask::fromImage(const QImage &image)
{
    if (image.isNull() || !withinPixelLimit(image.size()))
        return ImageMask();
    // Straight (not premultiplied) colours, so that a translucent red pixel still reads as red.
    const QImage straight =
        image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const uint32_t width = uint32_t(straight.width());
    const uint32_t height = uint32_t(straight.height());
    QBitArray bits(int(uint64_t(width) * height));
    for (uint32_t py = 0; py < height; ++py) {
        const auto *row = reinterpret_cast<const QRgb *>(straight.constScanLine(int(py)));
        const uint32_t y = height - 1 - py;
        for (uint32_t px = 0; px < width; ++px) {
            if (isBlocking(row[px]))
                bits.setBit(int(uint64_t(px) * height + y));
        }
    }
    return ImageMask(std::move(bits), width, height);
}

std::optional<ImageMask> ImageMask::fromFile(const QString &path)
{
    QImageReader reader(path);
    if (!reader.canRead() || (reader.size().isValid() && !withinPixelLimit(reader.size())))
        return std::nullopt;
    const QImage image = reader.read();
    if (image.isNull() || !withinPixelLimit(image.size()))
        return std::nullopt;
    return fromImage(image);
}

std::vector<uint8_t> ImageMask::columnMap(uint32_t sizeX, uint32_t sizeY, bool invert) const
{
    std::vector<uint8_t> map(size_t(sizeX) * sizeY, invert ? 1 : 0);
    const uint32_t columns = std::min(width, sizeX);
    const uint32_t rows = std::min(height, sizeY);
    for (uint32_t x = 0; x < columns; ++x) {
        for (uint32_t y = 0; y < rows; ++y)
            map[size_t(x) * sizeY + y] = uint8_t(blocks(x, y) != invert);
    }
    return map;
}

} // namespace Model::Automaton
