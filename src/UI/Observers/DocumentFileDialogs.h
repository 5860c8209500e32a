#pragma once

#include <QString>

namespace Ui::Observers {

// Texts shared by the document observers.
struct DocumentFileDialogs {
    static constexpr const char *kFilter = "Cellfab file (*.cfb)";
    // "Cellfab  " followed by the document's file name; "Cellfab" for a document without one.
    static QString windowTitle(const QString &fileName)
    {
        return fileName.isEmpty() ? QStringLiteral("Cellfab") : QStringLiteral("Cellfab  ") + fileName;
    }
};

} // namespace Ui::Observers
