#include "Support/PersistenceTestSupport.h"

#include "Model/Process/ProcessFactory.h"

#include <gtest/gtest.h>

using Model::Process::Process;
using Model::Process::ProcessFactory;

namespace {

QString catalogueText()
{
    return QString::fromUtf8(PersistenceTest::readSettingsFile("processes.xml"));
}

void writeCatalogue(const QByteArray &text)
{
    PersistenceTest::writeSettingsFile("processes.xml", text);
}

using Ids = std::vector<uint32_t>;

class ProcessFactoryTest : public ::testing::Test {
protected:
    // Each test starts and ends with the built-in table and no catalogue file.
    void SetUp() override { TearDown(); }
    void TearDown() override
    {
        factory->createDefaultProcesses();
        QFile::remove(Util::SettingsFolder::filePath(QStringLiteral("processes.xml")));
    }
    std::shared_ptr<ProcessFactory> factory = ProcessFactory::instance();
};

} // namespace

TEST_F(ProcessFactoryTest, SaveAndLoadRoundTrip)
{
    EXPECT_FALSE(factory->setProcess(Process("Nothing", 0, Ids({1}))));
    EXPECT_TRUE(factory->setProcess(Process("Custom", 40, Ids({2001, 3, 3}))));
    factory->saveProcesses();
    const QString text = catalogueText();
    EXPECT_TRUE(text.contains(R"(<Process version="1" name="CVD" process-id="3">)")) << text.toStdString();
    EXPECT_TRUE(text.contains("<CompatibleMaterials>2001;3;3</CompatibleMaterials>"));
    // Process 7 has no materials: an empty element.
    const int planarization = text.indexOf(R"(name="Planarization")");
    ASSERT_GE(planarization, 0);
    EXPECT_TRUE(
        text.mid(planarization, 120).contains(QRegExp("<CompatibleMaterials(/>|></CompatibleMaterials>)")));

    const auto saved = factory->getProcesses();
    factory->createDefaultProcesses();
    ASSERT_TRUE(factory->loadProcesses());
    EXPECT_EQ(factory->getProcesses(), saved);
}

TEST_F(ProcessFactoryTest, StartUpAddsMissingBuiltInsAndRewritesTheFile)
{
    writeCatalogue(R"(<?xml version="1.0"?>
<Processes>
  <Process version="1" name="CVD" process-id="3"><CompatibleMaterials>3;16;2001</CompatibleMaterials></Process>
  <Process version="1" name="Odd" process-id="41"><CompatibleMaterials>3;;x;5;</CompatibleMaterials></Process>
</Processes>)");
    factory->initialize();
    EXPECT_EQ(factory->getProcess(3).getCompatibleMaterials(), Ids({3, 16, 2001}));
    // Empty parts are skipped, a part that is no number reads as 0.
    EXPECT_EQ(factory->getProcess(41).getCompatibleMaterials(), Ids({3, 0, 5}));
    EXPECT_EQ(factory->getProcesses().size(), 19u);
    EXPECT_EQ(factory->getProcess(18).getName(), "Isotropic Deposition");
    EXPECT_EQ(catalogueText().count("<Process "), 19);
    EXPECT_TRUE(catalogueText().contains("3;16;2001"));
}

TEST_F(ProcessFactoryTest, UnreadableFileLeavesTheTableAndStartUpInstallsTheBuiltIns)
{
    factory->setProcess(Process("Kept", 50, Ids({1})));
    const auto before = factory->getProcesses();
    for (const QByteArray &bad : {QByteArray("<Processes><Process process-id=\"3\" name=\"CVD\"><Compat"),
                                  QByteArray("<Materials/>"), QByteArray("")}) {
        writeCatalogue(bad);
        EXPECT_FALSE(factory->loadProcesses()) << bad.constData();
        EXPECT_EQ(factory->getProcesses(), before);
    }
    QFile::remove(Util::SettingsFolder::filePath(QStringLiteral("processes.xml")));
    EXPECT_FALSE(factory->loadProcesses());
    factory->initialize();
    EXPECT_EQ(factory->getProcesses().size(), 18u);
    EXPECT_EQ(factory->getProcess(50), Process());
    EXPECT_EQ(catalogueText().count("<Process "), 18);
}
