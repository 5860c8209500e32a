#pragma once

#include "Model/Materials/Material.h"
#include "Model/Persistence/ProcessData.h"

#include <QString>

#include <vector>

class QIODevice;

namespace Model::Persistence {

// Writes a process list (".plst"): a "Process-List" element holding the materials catalogue
// in a "Materials" element and one "Process-Data" element per entry, whose "Parameter"
// children come in ascending name order.
class ProcessListWriter {
public:
    // True when the stream reported no error.
    static bool write(QIODevice &device, const std::vector<Ui::ProcessData> &entries,
                      const std::vector<Materials::Material> &materials);
    // Writes the list with the whole catalogue to a temporary file beside `path` that replaces
    // it only when everything was written. False (with `error`) when nothing was saved.
    static bool save(const QString &path, const std::vector<Ui::ProcessData> &entries,
                     QString *error = nullptr);
};

} // namespace Model::Persistence
