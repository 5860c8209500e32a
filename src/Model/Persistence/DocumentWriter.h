#pragma once

#include "Model/Materials/Material.h"
#include "Model/Persistence/ObjectArchiver.h"

#include <memory>
#include <vector>

class QIODevice;

namespace Model {
class Object;
}

namespace Model::Persistence {

// Writes a document: the "Document" element holding a version "Header", one "Material" element
// per catalogue material and one "Object" element per object whose type has an archiver.
class DocumentWriter {
public:
    // True when every element was written without a stream error.
    static bool write(QIODevice &device, const std::vector<std::shared_ptr<Model::Object>> &objects,
                      const std::vector<Materials::Material> &materials, const ArchiverLookup &archivers);
};

} // namespace Model::Persistence
