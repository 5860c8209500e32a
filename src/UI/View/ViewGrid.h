#pragma once

#include "Util/Vector3D.h"

namespace Ui {

// The drawing grid in the z = 0 plane: origin, spacing and the square it covers.
class ViewGrid {
public:
    static constexpr double kDefaultSpacing = 10.0;
    static constexpr double kHalfExtent = 300.0;
    // More lines than this per direction are thinned out when drawn.
    static constexpr int kMaxLinesPerDirection = 1000;

    double getSpacing() const { return spacing; }
    // Refuses spacings that are not finite and positive.
    bool setSpacing(double value);
    const Util::Vector3D &getOrigin() const { return origin; }
    double minX() const { return lowX; }
    double maxX() const { return highX; }
    double minY() const { return lowY; }
    double maxY() const { return highY; }
    void resetExtent();

    // The distance between drawn lines: the spacing, or a whole multiple of it when the
    // spacing is so fine that the grid would have too many lines.
    double drawStep() const;
    // The nearest grid node in x and y; z is kept.
    Util::Vector3D snap(const Util::Vector3D &point) const;

private:
    Util::Vector3D origin;
    double spacing = kDefaultSpacing;
    double lowX = -kHalfExtent;
    double highX = kHalfExtent;
    double lowY = -kHalfExtent;
    double highY = kHalfExtent;
};

} // namespace Ui
