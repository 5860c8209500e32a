#include "UI/Observers/ExportFileObserver.h"

#include "Core/Operations/GeometryExport/ExportFileOperation.h"
#include "Core/Workspace/Workspace.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace Ui::Observers {
namespace {

using Core::Operations::ExportFileOperation;

// The folder of the last export, for the program's lifetime (user-interface thread only).
QString &lastExportFolder()
{
    static QString folder;
    return folder;
}

// The chosen name, with the extension of the chosen type added when it has none of the types'.
QString withSuffix(const QString &chosen, const std::vector<ExportFileOperation::FileType> &types,
                   const QString &chosenFilter)
{
    const QString suffix = QFileInfo(chosen).suffix().toLower();
    for (const auto &type : types) {
        if (suffix == QLatin1String(type.suffix))
            return chosen;
    }
    for (const auto &type : types) {
        if (chosenFilter == QLatin1String(type.filter))
            return chosen + QLatin1Char('.') + QLatin1String(type.suffix);
    }
    return chosen + QLatin1Char('.') + QLatin1String(types.front().suffix);
}

} // namespace

void ExportFileObserver::answer(ExportFileOperation &operation)
{
    const auto types = operation.fileTypes();
    QStringList filters;
    for (const auto &type : types)
        filters << QLatin1String(type.filter);
    QString folder = lastExportFolder();
    if (folder.isEmpty())
        folder = QDir::homePath();
    QString chosenFilter = filters.front();
    const QString chosen =
        QFileDialog::getSaveFileName(mainWindow, QString::fromStdString(operation.getName()), folder,
                                     filters.join(QStringLiteral(";;")), &chosenFilter);
    if (chosen.isEmpty())
        return;
    const QString path = withSuffix(chosen, types, chosenFilter);
    lastExportFolder() = QFileInfo(path).absolutePath();
    operation.setFileName(path);
}

} // namespace Ui::Observers
