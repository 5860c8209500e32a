#include "Model/ModelExtraction/NetlistFile.h"

#include "Model/Export/SafeFileWriter.h"

namespace Model::ModelExtraction {

bool NetlistFile::write(const QString &path, const QString &netlist, QString *error)
{
    QString reason;
    if (Export::writeTextFileSafely(
            path, [&](QTextStream &stream) { stream << netlist; }, reason))
        return true;
    if (error)
        *error = QStringLiteral("%1: %2").arg(path, reason);
    return false;
}

} // namespace Model::ModelExtraction
