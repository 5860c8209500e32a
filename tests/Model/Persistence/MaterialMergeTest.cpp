#include "Support/PersistenceTestSupport.h"

#include "Model/Persistence/MaterialMerger.h"

#include <gtest/gtest.h>

using namespace PersistenceTest;
using Model::Materials::Material;
using Model::Persistence::DocumentFile;
using Model::Persistence::MaterialConflictChoice;
using Model::Persistence::MaterialIdMap;
using Model::Persistence::MaterialMerger;

namespace {

class MaterialMerge : public CatalogueTest {
protected:
    Material byId(uint32_t id) { return Model::Materials::MaterialFactory::instance()->getMaterialById(id); }

    // A document whose material `loaded` is used by its single cell.
    static QByteArray documentUsing(const Material &loaded)
    {
        QByteArray bytes = "<?xml version=\"1.0\"?><Document><Header version=\"1\"/>";
        bytes += "<Material version=\"1\" name=\"" + loaded.getName().toUtf8() + "\" material-id=\""
                 + QByteArray::number(loaded.getId()) + "\" density=\"5\" color=\"#FF102030\"/>";
        bytes += "<Object object-type=\"1\" size-x=\"1\" size-y=\"1\" size-z=\"1\"><State>"
                 + QByteArray::number(loaded.getId()) + "</State></Object></Document>";
        return bytes;
    }

    MaterialIdMap remap;
};

const Material kConflicting(1, QStringLiteral("Silicon carbide"), 3210, 4.5e11f, 0.19f,
                            {0.1f, 0.2f, 0.3f, 1.0f});

} // namespace

TEST_F(MaterialMerge, MaterialsWithoutConflictMapByIdThenByNameAndJoinOnlyOnCommit)
{
    ScriptedResolver resolver(std::nullopt);
    const auto before = catalogue();
    MaterialMerger merger(*Model::Materials::MaterialFactory::instance(), remap, &resolver);
    merger.merge(Material(1, QStringLiteral("Si"), 1, 1, 1)); // known id and name
    const Material unknown(2100, QStringLiteral("Unobtainium"), 1, 2, 0.3f);
    merger.merge(unknown);
    merger.merge(Material(700, QStringLiteral("Au (bulk)"), 1, 1, 1)); // unknown id, known name
    EXPECT_EQ(merger.materialById(2100), unknown);
    EXPECT_EQ(catalogue(), before);
    merger.commit();
    EXPECT_TRUE(resolver.seen.empty());
    EXPECT_EQ(remap, (MaterialIdMap{{1, 1}, {700, 9}, {2100, 2100}}));
    auto expected = before; // only the unknown material is added; Si and Au stay as they were
    expected.push_back(unknown);
    EXPECT_EQ(catalogue(), expected);
}

TEST_F(MaterialMerge, EachConflictChoiceSettlesTheIdAndTheCatalogue)
{
    struct Case {
        std::optional<MaterialConflictChoice> choice;
        const char *expectedNameAtOne;
        bool asked = true; // false: no resolver at all
    };
    const Case cases[] = {
        {MaterialConflictChoice{MaterialConflictChoice::UseExisting, 0}, "Si"},
        {MaterialConflictChoice{MaterialConflictChoice::ReplaceExisting, 0}, "Silicon carbide"},
        {MaterialConflictChoice{MaterialConflictChoice::UseAnother, 5}, "Si"},
        {MaterialConflictChoice{MaterialConflictChoice::AddAsNew, 0}, "Si"},
        {std::nullopt, "Si"},
        {std::nullopt, "Si", false},
    };
    for (const Case &c : cases) {
        resetCatalogue();
        ScriptedResolver resolver(c.choice);
        const auto result = loadBytes(documentUsing(kConflicting), c.asked ? &resolver : nullptr);
        ASSERT_EQ(result.status, DocumentFile::Status::Done);
        ASSERT_EQ(resolver.seen.size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(resolver.seen[0].first.getName(), kConflicting.getName());
            EXPECT_EQ(resolver.seen[0].second.getName(), QStringLiteral("Si"));
        }
        EXPECT_EQ(byId(1).getName(), QLatin1String(c.expectedNameAtOne));

        const uint32_t cell = onlyVolume(result)->materialIds()[0];
        if (!c.choice || c.choice->kind == MaterialConflictChoice::AddAsNew) {
            EXPECT_GE(cell, 2000u);
            EXPECT_EQ(byId(cell).getName(), kConflicting.getName());
            EXPECT_EQ(byId(cell).getColor().r, float(0x10) / 255.0f);
        } else if (c.choice->kind == MaterialConflictChoice::UseAnother) {
            EXPECT_EQ(cell, 5u);
        } else {
            EXPECT_EQ(cell, 1u);
        }
    }
}

TEST_F(MaterialMerge, ASecondMaterialWithAStagedIdConflictsWithTheStagedOne)
{
    ScriptedResolver resolver(MaterialConflictChoice{MaterialConflictChoice::AddAsNew, 0});
    MaterialMerger merger(*Model::Materials::MaterialFactory::instance(), remap, &resolver);
    merger.merge(Material(3000, QStringLiteral("First"), 1, 1, 1));
    merger.merge(Material(3000, QStringLiteral("Second"), 1, 1, 1));
    ASSERT_EQ(resolver.seen.size(), 1u);
    EXPECT_EQ(resolver.seen[0].second.getName(), QStringLiteral("First"));
    merger.commit();
    EXPECT_EQ(byId(3000).getName(), QStringLiteral("First"));
    EXPECT_EQ(byId(remap.at(3000)).getName(), QStringLiteral("Second"));
    EXPECT_NE(remap.at(3000), 3000u);
}

TEST_F(MaterialMerge, ProgramWideRemapTableKeepsEntriesOfEarlierDocuments)
{
    MaterialIdMap programRemap;
    ASSERT_EQ(
        loadBytes(documentUsing(Material(700, QStringLiteral("Au (bulk)"), 1, 1, 1)), nullptr, &programRemap)
            .status,
        DocumentFile::Status::Done);
    // A later document without materials still has its id 700 mapped.
    const QByteArray plain =
        "<?xml version=\"1.0\"?><Document><Header version=\"1\"/><Object object-type=\"1\" "
        "size-x=\"2\" size-y=\"1\" size-z=\"1\"><State>700 3</State></Object></Document>";
    const auto result = loadBytes(plain, nullptr, &programRemap);
    ASSERT_EQ(result.status, DocumentFile::Status::Done);
    EXPECT_EQ(onlyVolume(result)->materialIds(), (std::vector<uint32_t>{9, 3}));
}

TEST_F(MaterialMerge, FreeIdsAvoidStagedMaterials)
{
    MaterialMerger merger(*Model::Materials::MaterialFactory::instance(), remap, nullptr);
    // Fill the whole user range except one id with staged materials: the conflict must land there.
    for (uint32_t id = 2000; id <= 32766; ++id) {
        if (id != 31000)
            merger.merge(Material(id, QStringLiteral("M%1").arg(id), 1, 1, 1));
    }
    merger.merge(kConflicting);
    EXPECT_EQ(remap.at(1), 31000u);
}
