#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace Model::Persistence {

// The process types of process lists (the numbers stored in files), their display names and
// the labels the batch dialog offers them under.
class ProcessTypeNames {
public:
    static constexpr uint32_t kLastType = 20;

    // "Unknown process" for a number outside the table.
    static QString displayName(uint32_t type);
    // Empty for a number outside the table.
    static QString menuLabel(uint32_t type);
    // 0 .. kLastType.
    static std::vector<uint32_t> allTypes();
};

} // namespace Model::Persistence
