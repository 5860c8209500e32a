#include "UI/DialogPlacement.h"

#include <QMainWindow>
#include <QScreen>

#include <algorithm>

namespace Ui {
namespace {
constexpr int kMargin = 12; // pixels between the dialog and the view's edges
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
    if (const QScreen *screen = mainWindow->screen()) {
        const QRect available = screen->availableGeometry();
        corner.setX(std::clamp(corner.x(), available.left(),
                               std::max(available.left(), available.right() - dialog.width())));
        corner.setY(std::clamp(corner.y(), available.top(),
                               std::max(available.top(), available.bottom() - dialog.height())));
    }
    dialog.move(corner);
}

} // namespace Ui
