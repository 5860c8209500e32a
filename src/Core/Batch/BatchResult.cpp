#include "Core/Batch/BatchResult.h"

namespace Core::Batch {

QString resultMessage(int code)
{
    switch (code) {
    case Success: return QStringLiteral("No error, process was run successfully.");
    case MissingParameter: return QStringLiteral("A required parameter was not found. Check input list.");
    case InvalidParameter:
        return QStringLiteral("Value for a required parameter is invalid. Check input list.");
    case NotImplemented: return QStringLiteral("Process is not implemented. Remove process from the list.");
    default: return QStringLiteral("Unknown process. Remove process from the list.");
    }
}

} // namespace Core::Batch
