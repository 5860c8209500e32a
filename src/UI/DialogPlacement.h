#pragma once

class QWidget;

namespace Ui {

// Where option dialogs appear. Qt centres a dialog over its parent window, which is exactly
// where the view draws the structure the user is choosing options for; these dialogs go to the
// top right corner of the main window's 3-D view instead, so the scene stays in sight.
class DialogPlacement {
public:
    // Moves `dialog` (not yet shown) to the top right corner of `mainWindow`'s central widget,
    // kept on the screen; a dialog wider than half the view goes beside the main window where the
    // screen has room. Without a shown main window the dialog keeps Qt's placement.
    static void besideScene(QWidget &dialog, QWidget *mainWindow);
};

} // namespace Ui
