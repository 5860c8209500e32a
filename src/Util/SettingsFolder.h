#pragma once

#include <QString>

namespace Util {

// The "Cellfab" folder in the user's home folder that holds the two catalogue files.
class SettingsFolder {
public:
    static QString path();
    static QString filePath(const QString &fileName);
    // Creates the folder when missing; false when it cannot be created.
    static bool ensureExists();
};

} // namespace Util
