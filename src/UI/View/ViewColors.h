#pragma once

#include <QColor>

namespace Ui {

// The view's window colours: the background it clears to, the grid, and the colours used for
// objects and their outlines where an object has no colour of its own.
struct ViewColors {
    QColor background;
    QColor grid;
    QColor object;
    QColor outline;

    // Dark background for work on screen.
    static ViewColors defaultScheme();
    // Light, low-contrast background for pictures that are printed or put in documents.
    static ViewColors lowScheme();

    bool operator==(const ViewColors &o) const
    {
        return background == o.background && grid == o.grid && object == o.object && outline == o.outline;
    }
};

} // namespace Ui
