#pragma once

#include "Model/Automaton/TotalVolume.h"
#include "Model/Materials/MaterialFactory.h"
#include "Model/Persistence/DocumentFile.h"
#include "Model/Persistence/DocumentWriter.h"
#include "Model/Persistence/ProcessListReader.h"
#include "Model/Persistence/TotalVolumeArchiver.h"
#include "Model/Process/ProcessFactory.h"
#include "Support/Volumes.h"
#include "Util/SettingsFolder.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Helpers shared by the document, process-list and batch tests.
namespace PersistenceTest {

using Model::Automaton::TotalVolume;

using TestSupport::volumeOf;

// A volume whose cells hold catalogue ids drawn with a fixed seed.
inline std::shared_ptr<TotalVolume> randomVolume(uint32_t x, uint32_t y, uint32_t z, unsigned seed,
                                                 Util::Vector3D position = Util::Vector3D())
{
    auto volume = TestSupport::makeRandomVolume(x, y, z, {1, 3, 4, 9, 16}, 1.0 / 6, seed);
    volume->translate(position);
    return volume;
}

inline QByteArray writeDocument(const std::vector<std::shared_ptr<Model::Object>> &objects)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Model::Persistence::DocumentWriter::write(buffer, objects,
                                              Model::Materials::MaterialFactory::instance()->getMaterials(),
                                              Model::Persistence::DocumentFile::standardArchivers());
    return bytes;
}

inline QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
    return path;
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// Loads a document from bytes with the standard archivers, a fresh remap table and no resolver.
inline Model::Persistence::DocumentFile::LoadResult
loadBytes(const QByteArray &bytes, Model::Persistence::IMaterialConflictResolver *resolver = nullptr,
          Model::Persistence::MaterialIdMap *remap = nullptr, QStringList *warnings = nullptr)
{
    static QTemporaryDir folder; // one scratch file for every load of the run
    const QString path = writeFile(folder.filePath(QStringLiteral("document.cfb")), bytes);
    Model::Persistence::MaterialIdMap localRemap;
    Model::Persistence::DocumentFile::LoadOptions options;
    options.archivers = Model::Persistence::DocumentFile::standardArchivers();
    options.remap = remap ? remap : &localRemap;
    options.resolver = resolver;
    options.warning = [warnings](const QString &text) {
        if (warnings)
            warnings->append(text);
    };
    return Model::Persistence::DocumentFile::load(path, options);
}

inline std::shared_ptr<TotalVolume> onlyVolume(const Model::Persistence::DocumentFile::LoadResult &result)
{
    if (result.objects.size() != 1)
        return nullptr;
    return std::dynamic_pointer_cast<TotalVolume>(result.objects.front());
}

// Reads a process list from bytes.
inline Model::Persistence::ProcessListReader::Result
readList(QByteArray bytes, Model::Persistence::IMaterialConflictResolver *resolver = nullptr)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return Model::Persistence::ProcessListReader(resolver).read(buffer);
}

// A file of the settings folder, such as the material or process catalogue.
inline void writeSettingsFile(const char *name, const QByteArray &bytes)
{
    Util::SettingsFolder::ensureExists();
    writeFile(Util::SettingsFolder::filePath(QLatin1String(name)), bytes);
}

inline QByteArray readSettingsFile(const char *name)
{
    return readFile(Util::SettingsFolder::filePath(QLatin1String(name)));
}

// An archiver that reports failure, as a full disk would.
class FailingArchiver : public Model::Persistence::TotalVolumeArchiver {
public:
    bool write(const std::shared_ptr<Model::Object> &) override { return false; }
};

// Every catalogue material, for "the catalogue did not change" checks.
inline std::vector<Model::Materials::Material> catalogue()
{
    return Model::Materials::MaterialFactory::instance()->getMaterials();
}

// The built-in material and process catalogues.
inline void resetCatalogue()
{
    Model::Materials::MaterialFactory::instance()->createDefaultMaterials();
    Model::Process::ProcessFactory::instance()->createDefaultProcesses();
}

// A test that starts from the built-in catalogues.
class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override { resetCatalogue(); }
};

// A resolver that records the conflicts it sees and answers with a fixed choice.
class ScriptedResolver : public Model::Persistence::IMaterialConflictResolver {
public:
    explicit ScriptedResolver(std::optional<Model::Persistence::MaterialConflictChoice> answer)
        : answer(answer)
    {
    }
    std::optional<Model::Persistence::MaterialConflictChoice>
    resolve(const Model::Materials::Material &loaded, const Model::Materials::Material &existing) override
    {
        seen.emplace_back(loaded, existing);
        return answer;
    }
    std::optional<Model::Persistence::MaterialConflictChoice> answer;
    std::vector<std::pair<Model::Materials::Material, Model::Materials::Material>> seen;
};

} // namespace PersistenceTest
