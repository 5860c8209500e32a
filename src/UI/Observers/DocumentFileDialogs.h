#pragma once

#include <QString>

namespace Ui::Observers {

// Texts shared by the document observers.
struct DocumentFileDialogs {
    static constexpr const char *kFilter = "Cellfab file (*.cfb)";
    // "Cellfab  " followed by the document's file name.
    static QString windowTitle(const QString &fileName) { return QStringLiteral("Cellfab  ") + fileName; }
};

} // namespace Ui::Observers
