#pragma once

#include <QString>

class QWidget;

namespace Ui::Input {

// Asks where to save with the save-file dialog. A typed name without a suffix gets
// `defaultSuffix` (without its dot), so the file shows up under the same filter when it is
// opened again; an existing file of that full name is confirmed before it is replaced.
class SaveFileName {
public:
    // The chosen path, or "" when the dialog was cancelled.
    static QString ask(QWidget *parent, const QString &title, const QString &folder, const QString &filter,
                       const QString &defaultSuffix);
};

} // namespace Ui::Input
