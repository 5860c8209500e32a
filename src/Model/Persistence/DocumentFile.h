#pragma once

#include "Model/Persistence/MaterialConflict.h"
#include "Model/Persistence/ObjectArchiver.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace Model {
class Object;
}

namespace Model::Persistence {

// Saving and opening document files (".cfb") against the process-wide materials catalogue.
class DocumentFile {
public:
    enum class Status {
        Done,
        NotOpened, // the file could not be opened: nothing was read or written
        Failed,    // reading or writing failed: see `error`
    };

    struct LoadResult {
        Status status = Status::NotOpened;
        QString error;
        std::vector<std::shared_ptr<Model::Object>> objects;
    };

    struct LoadOptions {
        ArchiverLookup archivers;
        // Entries are added for the document's materials; kept only when the load succeeds.
        MaterialIdMap *remap = nullptr;
        IMaterialConflictResolver *resolver = nullptr;
        std::function<void(const QString &)> warning;
    };

    // Reads the document. On success the catalogue receives the document's new materials and
    // the objects are returned; on failure neither the catalogue nor the remap table changes.
    static LoadResult load(const QString &path, const LoadOptions &options);

    // Writes the objects and the whole catalogue. The document goes to a temporary file beside
    // the target, which replaces the target only when everything was written: a failed save
    // leaves the previous file as it was.
    static Status save(const QString &path, const std::vector<std::shared_ptr<Model::Object>> &objects,
                       const ArchiverLookup &archivers, QString *error = nullptr);

    // The archivers of every object type that has one (the cell volume).
    static ArchiverLookup standardArchivers();
};

} // namespace Model::Persistence
