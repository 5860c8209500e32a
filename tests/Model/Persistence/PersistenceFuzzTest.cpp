#include "Support/BatchTestSupport.h"
#include "Support/PersistenceTestSupport.h"

#include "Core/Batch/ProcessEntries.h"
#include "Model/Persistence/ProcessListReader.h"
#include "Model/Persistence/ProcessListWriter.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

using namespace PersistenceTest;
using Model::Persistence::DocumentFile;
using Model::Persistence::ProcessListReader;

namespace {

// Fragments a mutation may splice in, separated by '|': hostile sizes, numbers, names and markup.
const QList<QByteArray> kFragments =
    QByteArray(
        "4294967295|0|-1|99999999999999999999|nan|1e308|\"|<|>|&amp;|&bogus;|<State>|</State>|"
        "<Object object-type=\"1\" size-x=\"7\" size-y=\"7\" size-z=\"7\">|</Object>|size-x=\"100000\"|"
        "<Material name=\"Si\" material-id=\"3\"/>|<Process-Data process-type=\"11\">|"
        "parameter-type=\"Util::Vector3D\"|parameter-type=\"vector\"|parameter-type=\"qlonglong\"|"
        "<Parameter parameter-name=\"Material_Id\" parameter-type=\"uint\" parameter-data=\"2500\"/>|"
        "\xff\xfe|<![CDATA[1 2 3]]>|<!-- -->|\n")
        .split('|');

// One random edit of the bytes: flip, delete, duplicate, truncate or splice a fragment.
QByteArray mutate(QByteArray bytes, std::mt19937 &random)
{
    const int edits = 1 + int(random() % 4);
    for (int e = 0; e < edits && !bytes.isEmpty(); ++e) {
        const int at = int(random() % uint32_t(bytes.size()));
        switch (random() % 6) {
        case 0: bytes[at] = char(random() % 256); break;
        case 1: bytes.remove(at, 1 + int(random() % 40)); break;
        case 2:
            bytes.insert(at, bytes.mid(int(random() % uint32_t(bytes.size())), 1 + int(random() % 60)));
            break;
        case 3: bytes.truncate(at); break;
        default: bytes.insert(at, kFragments[int(random() % uint32_t(kFragments.size()))]); break;
        }
    }
    return bytes;
}

QByteArray seedDocument()
{
    // A conflicting material (id 1 under another name) and a material with a new id.
    QByteArray bytes =
        writeDocument({randomVolume(4, 3, 2, 5), randomVolume(2, 2, 2, 6, Util::Vector3D(5, 0, 0))});
    bytes.replace("<Object",
                  "<Material version=\"1\" name=\"Other\" material-id=\"1\"/><Material version=\"1\" "
                  "name=\"New\" material-id=\"2500\" color=\"#FF00FF00\"/><Object");
    return bytes;
}

QByteArray seedProcessList()
{
    const auto d = BatchTest::slabSubstrate(8, 8, 8, 4);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Model::Persistence::ProcessListWriter::write(
        buffer,
        {Core::Batch::ProcessEntries::createSubstrate(d), Core::Batch::ProcessEntries::cvd(3, 2),
         Core::Batch::ProcessEntries::saveImage(QStringLiteral("a.png"))},
        catalogue());
    return bytes;
}

constexpr int kMutations = 3000;

// Reads kMutations mutations of `seed` with `load`, which checks the result and says whether it
// was read. A refusal must leave the catalogue as it was; a fair share must be readable, or the
// test only covers refusals.
void fuzz(unsigned randomSeed, const QByteArray &seed, const std::function<bool(const QByteArray &)> &load)
{
    std::mt19937 random(randomSeed);
    int loaded = 0;
    for (int i = 0; i < kMutations; ++i) {
        resetCatalogue();
        const auto before = catalogue();
        if (load(mutate(seed, random)))
            ++loaded;
        else
            ASSERT_EQ(catalogue(), before) << i;
    }
    EXPECT_GT(loaded, kMutations / 20);
    EXPECT_LT(loaded, kMutations);
}

} // namespace

TEST(PersistenceFuzz, MutatedDocumentsLoadOrFailWithoutChangingTheCatalogue)
{
    resetCatalogue();
    fuzz(20240611, seedDocument(), [](const QByteArray &bytes) {
        Model::Persistence::MaterialIdMap remap;
        const auto result = loadBytes(bytes, nullptr, &remap);
        if (result.status != DocumentFile::Status::Done) {
            EXPECT_FALSE(result.error.isEmpty());
            EXPECT_TRUE(result.objects.empty() && remap.empty());
            return false;
        }
        for (const auto &object : result.objects) {
            const auto volume = std::dynamic_pointer_cast<TotalVolume>(object);
            EXPECT_TRUE(
                volume
                && TotalVolume::isAllocatable(volume->getSizeX(), volume->getSizeY(), volume->getSizeZ()));
        }
        return true;
    });
}

TEST(PersistenceFuzz, MutatedProcessListsLoadOrFailWithoutChangingTheCatalogue)
{
    resetCatalogue();
    fuzz(1977, seedProcessList(), [](const QByteArray &bytes) {
        const auto result = readList(bytes);
        if (result.status != ProcessListReader::Status::Done) {
            EXPECT_FALSE(result.error.isEmpty());
            EXPECT_TRUE(result.entries.empty());
            return false;
        }
        // Every material parameter ends up naming a catalogue material or the empty one.
        for (const auto &entry : result.entries)
            for (const QString &name : entry.getParameterNames()) {
                bool numeric = false;
                const uint32_t id = entry.getProcessParameter(name).toUInt(&numeric);
                if (numeric && name.endsWith(QStringLiteral("_Id"))
                    && entry.hasProcessParameter(name.chopped(3))) {
                    EXPECT_EQ(entry.getProcessParameter(name.chopped(3)).toString(),
                              Model::Materials::MaterialFactory::instance()->getMaterialById(id).getName());
                }
            }
        return true;
    });
}
