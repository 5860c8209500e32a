#pragma once

#include <QString>

namespace Core::Batch {

// Result codes of one batch step.
enum BatchResult : int {
    Success = 0,
    MissingParameter = 1,
    InvalidParameter = 2,
    UnknownProcess = 3,
    NotImplemented = 4,
};

// The message shown and logged for a result code.
QString resultMessage(int code);

} // namespace Core::Batch
