#pragma once

#include "Model/Persistence/ObjectArchiver.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QIODevice;
class QXmlStreamReader;

namespace Model {
class Object;
}

namespace Model::Persistence {

class MaterialMerger;
class PlainStateTexts;

// Reads a document: a "Document" element whose first child is a "Header", then "Material"
// elements (merged through the merger, which fills the id remap table) and "Object" elements
// (read by the archiver of their "object-type", with the remap table applied to their cells).
// Objects of a type without an archiver and other elements are passed over. Malformed or
// truncated XML, and objects an archiver refuses, make the whole read fail.
class DocumentReader {
public:
    using Warning = std::function<void(const QString &)>;

    DocumentReader(ArchiverLookup archivers, MaterialMerger &merger, const MaterialIdMap &remap,
                   Warning warning);

    // False on failure; then `errorString` says why and no object is kept.
    bool read(QIODevice &device);
    // The same for a document whose plain State texts were taken out: the archivers get them.
    bool read(const PlainStateTexts &texts);
    QString errorString() const { return error; }
    const std::vector<std::shared_ptr<Model::Object>> &getObjects() const { return objects; }

private:
    bool readDocument(QXmlStreamReader &reader);
    bool readHeader(QXmlStreamReader &reader);
    void readMaterial(QXmlStreamReader &reader);
    bool readObject(QXmlStreamReader &reader);
    bool fail(const QString &message);

    ArchiverLookup archivers;
    MaterialMerger &merger;
    const MaterialIdMap &remap;
    Warning warning;
    const PlainStateTexts *plainTexts = nullptr;
    std::vector<std::shared_ptr<Model::Object>> objects;
    QString error;
};

} // namespace Model::Persistence
