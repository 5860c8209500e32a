#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Model::Persistence {

// The "State" texts of a raw document that hold nothing but decimal digits and blanks, taken out
// before the XML reader sees the document: decoding tens of megabytes of digits into characters
// costs the reader more than everything else in opening a document. What remains is read as XML;
// the archiver finds each text taken out by the place of its State start tag in what remains.
class PlainStateTexts {
public:
    struct Text {
        const char *begin;
        const char *end;
    };

    // Takes the plain State texts out of a document's bytes (which must outlive this). False, with
    // nothing taken out, when the document is not one this can be sure to read as the XML reader
    // would: another encoding or a byte-order mark, a document type declaration, a carriage
    // return, or malformed UTF-8 outside the taken texts.
    bool extract(const char *document, size_t size);

    // The document without the texts taken out.
    const QByteArray &remainder() const { return rest; }
    // The text taken out of the State element whose start tag ends at `characterOffset` of the
    // remainder, counted as the XML reader counts (UTF-16 units), or null.
    const Text *textAt(int64_t characterOffset) const;

private:
    bool scan(const char *document, size_t size);

    struct Entry {
        int64_t offset;
        Text text;
    };

    QByteArray rest;
    std::vector<Entry> texts; // by offset
};

} // namespace Model::Persistence
