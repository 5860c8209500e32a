#include "UI/ApplicationIcon.h"

namespace Ui {

QPixmap applicationIcon()
{
    QPixmap icon;
    if (icon.load(QStringLiteral("icon.ico")))
        return icon;
    // A failed load leaves the pixmap null; start again from a 32 × 32 one.
    icon = QPixmap(32, 32);
    icon.fill(QColor(207, 8, 12, 255));
    return icon;
}

} // namespace Ui
