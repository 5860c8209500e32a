#include "Model/Persistence/DocumentFile.h"

#include "Model/Automaton/TotalVolume.h"
#include "Model/Materials/MaterialFactory.h"
#include "Model/Persistence/DocumentReader.h"
#include "Model/Persistence/DocumentWriter.h"
#include "Model/Persistence/MaterialMerger.h"
#include "Model/Persistence/PlainStateTexts.h"
#include "Model/Persistence/TotalVolumeArchiver.h"

#include <QFile>
#include <QSaveFile>

namespace Model::Persistence {
namespace {

// Reads the document from the file's bytes, mapped where the system allows. The plain State texts
// are parsed straight from those bytes; a document that cannot be read that way is read as text,
// line ends translated, through the XML reader alone.
bool readFile(QFile &file, DocumentReader &reader)
{
    const qint64 size = file.isSequential() ? 0 : file.size();
    const uchar *mapped = size > 0 ? file.map(0, size) : nullptr;
    const QByteArray copy = size > 0 && !mapped ? file.read(size) : QByteArray();
    if (mapped || (size > 0 && copy.size() == size)) {
        PlainStateTexts texts;
        if (texts.extract(mapped ? reinterpret_cast<const char *>(mapped) : copy.constData(), size_t(size)))
            return reader.read(texts);
    }
    file.seek(0);
    file.setTextModeEnabled(true);
    return reader.read(file);
}

} // namespace

DocumentFile::LoadResult DocumentFile::load(const QString &path, const LoadOptions &options)
{
    LoadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("The file %1 could not be opened: %2").arg(path, file.errorString());
        return result;
    }
    auto &catalogue = *Materials::MaterialFactory::instance();
    MaterialIdMap remap = options.remap ? *options.remap : MaterialIdMap();
    MaterialMerger merger(catalogue, remap, options.resolver);
    DocumentReader reader(options.archivers, merger, remap, options.warning);
    if (!readFile(file, reader)) {
        result.status = Status::Failed;
        result.error = reader.errorString();
        return result;
    }
    merger.commit();
    if (options.remap)
        *options.remap = remap;
    result.status = Status::Done;
    result.objects = reader.getObjects();
    return result;
}

DocumentFile::Status DocumentFile::save(const QString &path,
                                        const std::vector<std::shared_ptr<Model::Object>> &objects,
                                        const ArchiverLookup &archivers, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (error)
            *error = QStringLiteral("The file %1 could not be opened for writing: %2")
                         .arg(path, file.errorString());
        return Status::NotOpened;
    }
    const auto materials = Materials::MaterialFactory::instance()->getMaterials();
    if (!DocumentWriter::write(file, objects, materials, archivers) || !file.commit()) {
        if (error)
            *error =
                QStringLiteral("The document could not be written to %1: %2").arg(path, file.errorString());
        file.cancelWriting();
        return Status::Failed;
    }
    return Status::Done;
}

ArchiverLookup DocumentFile::standardArchivers()
{
    return [](uint32_t type) -> std::shared_ptr<ObjectArchiver> {
        if (type == Model::Automaton::TotalVolume::kType)
            return std::make_shared<TotalVolumeArchiver>();
        return nullptr;
    };
}

} // namespace Model::Persistence
