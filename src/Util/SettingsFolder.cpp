#include "Util/SettingsFolder.h"

#include <QDir>

namespace Util {

QString SettingsFolder::path()
{
    return QDir(QDir::homePath()).filePath(QStringLiteral("Cellfab"));
}

QString SettingsFolder::filePath(const QString &fileName)
{
    return QDir(path()).filePath(fileName);
}

bool SettingsFolder::ensureExists()
{
    return QDir(QDir::homePath()).mkpath(QStringLiteral("Cellfab"));
}

} // namespace Util
