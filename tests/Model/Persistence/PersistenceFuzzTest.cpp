#include "Support/BatchTestSupport.h"
#include "Support/PersistenceTestSupport.h"

#include "Core/Batch/ProcessEntries.h"
#include "Model/Persistence/ProcessListReader.h"
#include "Model/Persistence/ProcessListWriter.h"

#include <gtest/gtest.h>

#include <random>

using namespace PersistenceTest;
using Model::Persistence::DocumentFile;
using Model::Persistence::ProcessListReader;

namespace {

// Fragments a mutation may splice in: hostile sizes, numbers, names and markup.
const char *const kFragments[] = {
    "4294967295",
    "0",
    "-1",
    "99999999999999999999",
    "nan",
    "1e308",
    "\"",
    "<",
    ">",
    "&amp;",
    "&bogus;",
    "<State>",
    "</State>",
    "<Object object-type=\"1\" size-x=\"7\" size-y=\"7\" size-z=\"7\">",
    "</Object>",
    "size-x=\"100000\"",
    "<Material name=\"Si\" material-id=\"3\"/>",
    "<Process-Data process-type=\"11\">",
    "parameter-type=\"Util::Vector3D\"",
    "parameter-type=\"vector\"",
    "parameter-type=\"qlonglong\"",
    "<Parameter parameter-name=\"Material_Id\" parameter-type=\"uint\" parameter-data=\"2500\"/>",
    "\xff\xfe",
    "<![CDATA[1 2 3]]>",
    "<!-- -->",
    "\n"};

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
        default: bytes.insert(at, kFragments[random() % (sizeof(kFragments) / sizeof(kFragments[0]))]); break;
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

} // namespace

TEST(PersistenceFuzz, MutatedDocumentsLoadOrFailWithoutChangingTheCatalogue)
{
    resetCatalogue();
    std::mt19937 random(20240611);
    const QByteArray seed = seedDocument();
    int loaded = 0;
    for (int i = 0; i < kMutations; ++i) {
        resetCatalogue();
        const auto before = catalogue();
        Model::Persistence::MaterialIdMap remap;
        const auto result = loadBytes(mutate(seed, random), nullptr, &remap);
        if (result.status != DocumentFile::Status::Done) {
            ASSERT_FALSE(result.error.isEmpty()) << i;
            ASSERT_TRUE(result.objects.empty()) << i;
            ASSERT_EQ(catalogue(), before) << i;
            ASSERT_TRUE(remap.empty()) << i;
            continue;
        }
        ++loaded;
        for (const auto &object : result.objects) {
            const auto volume = std::dynamic_pointer_cast<TotalVolume>(object);
            ASSERT_NE(volume, nullptr);
            ASSERT_TRUE(
                TotalVolume::isAllocatable(volume->getSizeX(), volume->getSizeY(), volume->getSizeZ()));
        }
    }
    // The mutations must leave a fair share of documents readable, or the test only covers refusals.
    EXPECT_GT(loaded, kMutations / 20);
    EXPECT_LT(loaded, kMutations);
}

TEST(PersistenceFuzz, MutatedProcessListsLoadOrFailWithoutChangingTheCatalogue)
{
    resetCatalogue();
    std::mt19937 random(1977);
    const QByteArray seed = seedProcessList();
    int loaded = 0;
    for (int i = 0; i < kMutations; ++i) {
        resetCatalogue();
        const auto before = catalogue();
        const auto result = readList(mutate(seed, random));
        if (result.status != ProcessListReader::Status::Done) {
            ASSERT_FALSE(result.error.isEmpty()) << i;
            ASSERT_TRUE(result.entries.empty()) << i;
            ASSERT_EQ(catalogue(), before) << i;
            continue;
        }
        ++loaded;
        // Every material parameter ends up naming a catalogue material or the empty one.
        for (const auto &entry : result.entries) {
            for (const QString &name : entry.getParameterNames()) {
                if (!name.endsWith(QStringLiteral("_Id")) || !entry.hasProcessParameter(name.chopped(3)))
                    continue;
                bool numeric = false;
                const uint32_t id = entry.getProcessParameter(name).toUInt(&numeric);
                if (!numeric)
                    continue;
                EXPECT_EQ(entry.getProcessParameter(name.chopped(3)).toString(),
                          Model::Materials::MaterialFactory::instance()->getMaterialById(id).getName());
            }
        }
    }
    EXPECT_GT(loaded, kMutations / 20);
    EXPECT_LT(loaded, kMutations);
}
