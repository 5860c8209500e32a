#pragma once

#include <QPixmap>

namespace Ui {

// The window icon: "icon.ico" from the working directory, or a plain red square without it.
QPixmap applicationIcon();

} // namespace Ui
