#include "UI/ApplicationIcon.h"

namespace Ui {

QPixmap applicationIcon()
{
    QPixmap icon(32, 32);
    if (!icon.load(QStringLiteral("icon.ico")))
        icon.fill(QColor(207, 8, 12, 255));
    return icon;
}

} // namespace Ui
