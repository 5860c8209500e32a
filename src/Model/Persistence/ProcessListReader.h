#pragma once

#include "Model/Persistence/MaterialConflict.h"
#include "Model/Persistence/ObjectArchiver.h"
#include "Model/Persistence/ProcessData.h"

#include <QString>
#include <QStringList>

#include <vector>

class QIODevice;
class QXmlStreamReader;

namespace Model::Persistence {

class MaterialMerger;

// Reads a process list (".plst"). The list's materials are merged into the catalogue with the
// reader's own id remap table; parameters of old lists are renamed to the current names; every
// material parameter ("…_Id") is then remapped and its name and colour parameters are set from
// the catalogue. A list that cannot be read changes neither the catalogue nor anything else.
class ProcessListReader {
public:
    static const char *const kUpdatedListTitle;
    static const char *const kUpdatedListText;

    enum class Status {
        Done,
        NotOpened, // the file could not be opened
        Failed,    // not a process list, or damaged: see `error`
    };

    struct Result {
        Status status = Status::NotOpened;
        QString error;
        std::vector<Ui::ProcessData> entries;
        // An old list whose parameters were renamed; the user should save it again.
        bool upgraded = false;
        // Parameters that were kept without a usable value, for the log.
        QStringList notes;
    };

    // `resolver` settles material conflicts; null adds conflicting materials under new ids.
    explicit ProcessListReader(IMaterialConflictResolver *resolver = nullptr) : resolver(resolver) {}

    Result load(const QString &path);
    Result read(QIODevice &device);

private:
    void readMaterials(QXmlStreamReader &reader, MaterialMerger &merger);
    Ui::ProcessData readEntry(QXmlStreamReader &reader, size_t position, Result &result);
    static bool upgrade(Ui::ProcessData &entry);
    static void remapMaterials(Ui::ProcessData &entry, const MaterialIdMap &remap,
                               const MaterialMerger &merger, Result &result);

    IMaterialConflictResolver *resolver;
};

} // namespace Model::Persistence
