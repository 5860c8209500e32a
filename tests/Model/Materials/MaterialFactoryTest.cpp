#include "Support/PersistenceTestSupport.h"

#include "Model/Materials/MaterialXml.h"

#include <QXmlStreamWriter>

#include <gtest/gtest.h>

using Model::Materials::Material;
using Model::Materials::MaterialFactory;
using Model::Materials::RgbaColor;

namespace {

class MaterialFactoryTest : public ::testing::Test {
protected:
    // Each test starts and ends with the built-in table and no settings folder.
    void SetUp() override { TearDown(); }
    void TearDown() override
    {
        QDir(Util::SettingsFolder::path()).removeRecursively();
        factory->createDefaultMaterials();
    }

    static void writeCatalogueFile(const QByteArray &content)
    {
        PersistenceTest::writeSettingsFile("materials.xml", content);
    }
    static QByteArray readCatalogueFile() { return PersistenceTest::readSettingsFile("materials.xml"); }
    // Start-up with whatever file is present.
    std::vector<Material> startUp()
    {
        factory->createDefaultMaterials();
        factory->addMaterial(Material(2500, "Stale", 1, 1, 1));
        factory->initialize();
        return factory->getMaterials();
    }
    static std::vector<uint32_t> ids(const std::vector<Material> &materials)
    {
        std::vector<uint32_t> result;
        for (const auto &m : materials)
            result.push_back(m.getId());
        return result;
    }

    std::shared_ptr<MaterialFactory> factory = MaterialFactory::instance();
    const std::vector<uint32_t> builtInIds{1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
};

TEST_F(MaterialFactoryTest, SaveAndLoadRoundTripKeepsEveryField)
{
    factory->addMaterial(
        Material(2001, "Custom & <odd> \"name\"", 1234.5f, 3.25e9f, 0.125f, {1.0f, 0.5f, 0.0f, 0.2f}));
    factory->saveMaterials();
    const auto before = factory->getMaterials();
    factory->createDefaultMaterials();
    ASSERT_TRUE(factory->loadMaterials());
    const auto after = factory->getMaterials();
    ASSERT_EQ(after.size(), before.size());
    const Material custom = factory->getMaterialById(2001);
    EXPECT_EQ(custom.getName(), "Custom & <odd> \"name\"");
    EXPECT_FLOAT_EQ(custom.getDensity(), 1234.5f);
    EXPECT_FLOAT_EQ(custom.getYoungModulus(), 3.25e9f);
    EXPECT_FLOAT_EQ(custom.getPoissonRatio(), 0.125f);
    // Colours survive to the precision of the #AARRGGBB text.
    EXPECT_NEAR(custom.getColor().g, 127 / 255.0f, 1e-6);
    EXPECT_NEAR(custom.getColor().a, 51 / 255.0f, 1e-6);
}

TEST_F(MaterialFactoryTest, LoadingMergesIntoTheTableAndLaterDuplicatesWin)
{
    writeCatalogueFile(
        "<?xml version=\"1.0\"?><Materials>"
        "<Material material-id=\"2100\" name=\"First\" density=\"1\"/>"
        "<Material material-id=\"2100\" name=\"Second\" density=\"2\"/>"
        "<Material material-id=\"0\" name=\"Zero\"/>"
        "<Material name=\"NoId\"/>"
        "<Material material-id=\"2200\" name=\"\"/>"
        "<Material material-id=\"abc\" name=\"BadId\"/>"
        "<Material material-id=\"2300\" name=\"Defaults\"/>"
        "<Material material-id=\"2001\" name=\"Odd\" density=\"x1\" young-modulus=\"1e999999\" "
        "poisson-ratio=\"\" color=\"not a colour\"/>"
        "</Materials>");
    ASSERT_TRUE(factory->loadMaterials());
    EXPECT_EQ(factory->getMaterialById(2100).getName(), "Second");
    EXPECT_EQ(factory->getMaterials().size(), builtInIds.size() + 3) << "not emptied, bad entries skipped";
    // Missing and bogus numbers read as zero.
    for (uint32_t id : {2300u, 2001u}) {
        const Material m = factory->getMaterialById(id);
        EXPECT_EQ(m.getDensity(), 0.0f);
        EXPECT_EQ(m.getPoissonRatio(), 0.0f);
        EXPECT_EQ(m.getColor(), RgbaColor());
    }
}

TEST_F(MaterialFactoryTest, MissingOrUnreadableFilesGiveTheBuiltInTableAndAreRewritten)
{
    const std::vector<QByteArray> badFiles{
        "",
        "<?xml version=\"1.0\"?><Materials><Material material-id=\"2001\" name=\"Cut",
        "<?xml version=\"1.0\"?><materials><Material material-id=\"2001\" name=\"X\"/></materials>",
        "<Materials><Material material-id=\"2001\" name=\"A\"/><Unclosed></Materials>",
        "<Materials>" + QByteArray(10 * 1024 * 1024, 'x'),
    };
    for (const QByteArray &content : badFiles) {
        writeCatalogueFile(content);
        EXPECT_EQ(ids(startUp()), builtInIds) << content.left(60).toStdString();
        EXPECT_TRUE(readCatalogueFile().contains("name=\"Thermal Si02\""));
    }
    QDir(Util::SettingsFolder::path()).removeRecursively();
    EXPECT_EQ(ids(startUp()), builtInIds) << "without a file";
    EXPECT_TRUE(readCatalogueFile().contains("name=\"P-doped Si (100)\""));
    EXPECT_EQ(factory->getMaterialById(2).getName(), "Empty") << "unknown ids read as the empty material";
}

TEST_F(MaterialFactoryTest, NameLookupTakesTheSmallestIdAndIdZeroIsRefused)
{
    factory->addMaterial(Material(2002, "Twin", 0, 0, 0));
    factory->addMaterial(Material(2001, "Twin", 0, 0, 0));
    EXPECT_EQ(factory->getMaterialByName("Twin").getId(), 2001u);
    EXPECT_EQ(factory->getMaterialByName("twin").getId(), 0u) << "names match case-sensitively";
    EXPECT_FALSE(factory->addMaterial(Material(0, "Nothing", 1, 1, 1)));
    EXPECT_EQ(factory->getMaterials().size(), builtInIds.size() + 2);
}

TEST_F(MaterialFactoryTest, FreeIdsAreNewAndInTheUserRangeWhileItLasts)
{
    for (int i = 0; i < 200; ++i) {
        const uint32_t id = factory->getFreeMaterialId();
        ASSERT_GE(id, 2000u);
        ASSERT_LE(id, 32766u);
        ASSERT_EQ(factory->getMaterialById(id).getId(), 0u);
        factory->addMaterial(Material(id, "User", 0, 0, 0));
    }
    for (uint32_t id = 2000; id <= 32766; ++id)
        factory->addMaterial(Material(id, "Filler", 0, 0, 0));
    EXPECT_EQ(factory->getFreeMaterialId(), 32767u);
}

TEST(MaterialXmlTest, AttributesAreWrittenInOrderAndColoursAsTruncatedARGB)
{
    QString text;
    QXmlStreamWriter writer(&text);
    Model::Materials::MaterialXml::write(
        writer, Material(5, "Cu (bulk)", 8960, 1.28e11f, 0.36f, {1.0f, 0.8f, 0.3f, 1.0f}));
    writer.writeEndDocument();
    EXPECT_EQ(text.toStdString(),
              "<Material version=\"1\" name=\"Cu (bulk)\" material-id=\"5\" density=\"8960\" "
              "poisson-ratio=\"0.36\" young-modulus=\"1.28e+11\" color=\"#FFFFCC4C\"/>\n");
    // Colours are alpha, red, green, blue, each truncated.
    EXPECT_EQ(Model::Materials::MaterialXml::colorText({1.0f, 0.5f, 0.0f, 0.0f}), "#00FF7F00");
}

} // namespace
