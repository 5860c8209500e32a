#pragma once

#include <QString>

#include <functional>

class QXmlStreamReader;
class QXmlStreamWriter;

namespace Model {

// Reading and writing of one catalogue file in the settings folder (materials.xml,
// processes.xml): a root element holding one element per record.
class CatalogueFile {
public:
    using ElementReader = std::function<void(QXmlStreamReader &)>;
    using BodyWriter = std::function<void(QXmlStreamWriter &)>;

    // False when the folder or file is missing or unreadable, the first element is not
    // `rootName`, or the XML is malformed (then a debug-log line names `where`). Calls
    // `readElement` on every start element after the root.
    static bool load(const QString &fileName, const QString &rootName, const ElementReader &readElement,
                     const char *where);
    // Creates the settings folder when missing; writes nothing when the file cannot be opened.
    static void save(const QString &fileName, const QString &rootName, const BodyWriter &writeBody);
};

} // namespace Model
