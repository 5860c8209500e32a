#include "Model/ModelExtraction/NetlistFile.h"

#include <QSaveFile>
#include <QTextStream>

namespace Model::ModelExtraction {

bool NetlistFile::write(const QString &path, const QString &netlist, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        QTextStream stream(&file);
        stream << netlist;
        stream.flush();
        if (stream.status() == QTextStream::Ok && file.commit())
            return true;
    }
    if (error)
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
    return false;
}

} // namespace Model::ModelExtraction
