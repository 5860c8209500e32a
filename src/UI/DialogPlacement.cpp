#include "UI/DialogPlacement.h"

#include <QMainWindow>
#include <QScreen>

#include <algorithm>
#include <optional>

namespace Ui {
namespace {
constexpr int kMargin = 12; // pixels between the dialog and the view's edges

// A place on the screen beside the main window, right first, then left, where the dialog fits.
std::optional<QPoint> besideWindow(const QWidget &dialog, const QWidget &mainWindow, const QRect &available,
                                   int top)
{
    const QRect frame = mainWindow.frameGeometry();
    const int width = dialog.frameGeometry().width();
    if (available.right() - frame.right() >= width + kMargin)
        return QPoint(frame.right() + kMargin, top);
    if (frame.left() - available.left() >= width + kMargin)
        return QPoint(frame.left() - kMargin - width, top);
    return std::nullopt;
}
} // namespace

void DialogPlacement::besideScene(QWidget &dialog, QWidget *mainWindow)
{
    if (!mainWindow || !mainWindow->isVisible())
        return;
    const auto *window = qobject_cast<QMainWindow *>(mainWindow);
    const QWidget *view = window && window->centralWidget() ? window->centralWidget() : mainWindow;
    dialog.adjustSize();
    const QRect area(view->mapToGlobal(QPoint(0, 0)), view->size());
    QPoint corner(area.right() - kMargin - dialog.width(), area.top() + kMargin);
    const QScreen *screen = mainWindow->screen();
    if (!screen) {
        dialog.move(corner);
        return;
    }
    const QRect available = screen->availableGeometry();
    // A dialog reaching past the middle of the view would cover the structure, which the view
    // draws around its centre: beside the window is better where the screen has room.
    if (dialog.width() + 2 * kMargin > area.width() / 2)
        corner = besideWindow(dialog, *mainWindow, available, area.top()).value_or(corner);
    corner.setX(std::clamp(corner.x(), available.left(),
                           std::max(available.left(), available.right() - dialog.width())));
    corner.setY(std::clamp(corner.y(), available.top(),
                           std::max(available.top(), available.bottom() - dialog.height())));
    dialog.move(corner);
}

} // namespace Ui
