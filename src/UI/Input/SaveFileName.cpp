#include "UI/Input/SaveFileName.h"

#include <QFileDialog>

namespace Ui::Input {

QString SaveFileName::ask(QWidget *parent, const QString &title, const QString &folder, const QString &filter,
                          const QString &defaultSuffix)
{
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.front();
}

} // namespace Ui::Input
