#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

class QXmlStreamReader;
class QXmlStreamWriter;

namespace Model {
class Object;
}

namespace Model::Persistence {

class PlainStateTexts;

// Material id remapping applied to every cell id read or written.
using MaterialIdMap = std::map<uint32_t, uint32_t>;

// Writes and reads the "Object" element of one object type in documents.
class ObjectArchiver {
public:
    virtual ~ObjectArchiver() = default;
    virtual void setWriter(QXmlStreamWriter *writer) = 0;
    virtual void setReader(QXmlStreamReader *reader) = 0;
    // Null for no remapping.
    virtual void setMaterialIdMap(const MaterialIdMap *map) = 0;
    virtual bool write(const std::shared_ptr<Model::Object> &object) = 0;
    // Null when the element cannot be read.
    virtual std::shared_ptr<Model::Object> read() = 0;
    // Texts the document reader took out of the raw document before the XML reader saw it (null
    // for none); archivers that write no State element need not look.
    virtual void setPlainStateTexts(const PlainStateTexts *) {}
};

// The archiver for an object type, or null for a type without one.
using ArchiverLookup = std::function<std::shared_ptr<ObjectArchiver>(uint32_t objectType)>;

} // namespace Model::Persistence
