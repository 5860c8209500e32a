#include "Support/PersistenceTestSupport.h"

#include "Core/Batch/ProcessEntries.h"
#include "Core/Operations/CreateSubstrate/SubstrateDescription.h"
#include "Model/Persistence/ProcessListReader.h"
#include "Model/Persistence/ProcessListWriter.h"
#include "Model/Persistence/ProcessParameterCodec.h"

#include <QBitArray>
#include <QColor>

#include <gtest/gtest.h>

using namespace PersistenceTest;
using Model::Persistence::ProcessListReader;
using Model::Persistence::ProcessListWriter;
using Model::Persistence::ProcessParameterCodec;
using Ui::ProcessData;

namespace {

class ProcessListFormat : public CatalogueTest {
protected:
    static QByteArray written(const std::vector<ProcessData> &entries)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(ProcessListWriter::write(buffer, entries, catalogue()));
        return bytes;
    }

    // A CVD entry whose material id is `id`.
    static QByteArray entryUsing(const char *id)
    {
        return QByteArray("<Process-Data process-type=\"4\"><Parameter parameter-name=\"Material_Id\" "
                          "parameter-type=\"uint\" parameter-data=\"")
               + id + "\" parameter-visibility=\"false\"/></Process-Data>";
    }

    static QByteArray listWith(const QByteArray &materials, const QByteArray &entries)
    {
        return "<?xml version=\"1.0\"?><Process-List version=\"1\"><Materials>" + materials + "</Materials>"
               + entries + "</Process-List>";
    }
};

Core::Operations::SubstrateDescription ball()
{
    Core::Operations::SubstrateDescription d;
    d.spherical = true;
    d.materialId = 16;
    d.radius = 7;
    d.centerX = 3;
    d.position = Util::Vector3D(1.5, 0, -2);
    return d;
}

} // namespace

TEST_F(ProcessListFormat, ParameterValuesHaveTheirTextForms)
{
    QBitArray bits(3);
    bits.setBit(0);
    bits.setBit(2);
    const std::pair<QVariant, std::pair<const char *, const char *>> cases[] = {
        {bits, {"vector", "101"}},
        {QVariant::fromValue(Util::Vector3D(1.5, 0, -2)), {"Util::Vector3D", "1.5;0;-2"}},
        {QVariant::fromValue(Util::Vector3D(1.0 / 3, 0, 0)), {"Util::Vector3D", "0.3333333333;0;0"}},
        {true, {"bool", "true"}},
        {2.5, {"double", "2.5"}},
        {2.5f, {"float", "2.5"}},
        {7u, {"uint", "7"}},
        {-7, {"int", "-7"}},
        {QColor(255, 127, 0), {"QColor", "#ff7f00"}},
    };
    for (const auto &[value, expected] : cases) {
        const auto encoded = ProcessParameterCodec::encode(value);
        EXPECT_EQ(encoded.type, QLatin1String(expected.first)) << expected.second;
        EXPECT_EQ(encoded.data, QLatin1String(expected.second)) << expected.first;
    }
}

TEST_F(ProcessListFormat, WriterLaysOutMaterialsThenEntriesWithSortedParameters)
{
    const QByteArray bytes = written({Core::Batch::ProcessEntries::saveImage(QStringLiteral("a.png")),
                                      Core::Batch::ProcessEntries::isotropicDeposition(3, 4.5)});
    EXPECT_TRUE(bytes.contains("<Process-List version=\"1\">")) << bytes.toStdString();
    EXPECT_LT(bytes.indexOf("<Materials>"), bytes.indexOf("<Process-Data"));
    EXPECT_TRUE(bytes.contains("<Process-Data process-type=\"10\">"));
    EXPECT_TRUE(bytes.contains("<Parameter parameter-name=\"Filename\" parameter-type=\"QString\" "
                               "parameter-data=\"a.png\" parameter-visibility=\"true\"/>"));
    const int film = bytes.indexOf("parameter-name=\"Film Thickness\"");
    const int material = bytes.indexOf("parameter-name=\"Material\"");
    const int color = bytes.indexOf("parameter-name=\"Material_Color\"");
    const int id = bytes.indexOf("parameter-name=\"Material_Id\"");
    EXPECT_TRUE(film < material && material < color && color < id);
    EXPECT_TRUE(bytes.contains("parameter-name=\"Material_Id\" parameter-type=\"uint\" parameter-data=\"3\" "
                               "parameter-visibility=\"false\""));
}

TEST_F(ProcessListFormat, SavedListLoadsToIdenticalEntries)
{
    Core::Operations::SubstrateDescription block;
    block.blockZ = 4;
    block.blockHeight = 10;
    ProcessData mixed(0);
    QBitArray mask(12);
    mask.setBit(3);
    mask.setBit(11);
    mixed.setProcessParameter(QStringLiteral("Top Mask"), mask, false);
    mixed.setProcessParameter(QStringLiteral("Top Mask Width"), 4u, true);
    mixed.setProcessParameter(QStringLiteral("Offset"), -3, true);
    mixed.setProcessParameter(QStringLiteral("Ratio"), 0.1f, true);
    mixed.setProcessParameter(QStringLiteral("Time"), 1e-7, true);
    mixed.setProcessParameter(QStringLiteral("Note"), QStringLiteral("a <b> & \"c\""), true);
    const std::vector<ProcessData> entries = {
        Core::Batch::ProcessEntries::createSubstrate(block),
        Core::Batch::ProcessEntries::createSubstrate(ball()),
        Core::Batch::ProcessEntries::cvd(3, 2.25),
        Core::Batch::ProcessEntries::isotropicEtching(1, 7),
        Core::Batch::ProcessEntries::saveImage(QStringLiteral("/tmp/step 5.png")),
        mixed,
        ProcessData(19)};

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("list.plst"));
    ASSERT_TRUE(ProcessListWriter::save(path, entries));
    const auto result = ProcessListReader().load(path);
    ASSERT_EQ(result.status, ProcessListReader::Status::Done) << result.error.toStdString();
    EXPECT_FALSE(result.upgraded);
    ASSERT_EQ(result.entries.size(), entries.size());
    for (size_t i = 0; i < entries.size(); ++i)
        EXPECT_TRUE(result.entries[i].hasSameContents(entries[i])) << "entry " << i;
    EXPECT_EQ(result.entries[1]
                  .getProcessParameter(QStringLiteral("Lower Left Front Corner"))
                  .value<Util::Vector3D>(),
              Util::Vector3D(1.5, 0, -2));
    EXPECT_TRUE(result.entries[6].getParameterNames().isEmpty());
}

TEST_F(ProcessListFormat, OldParameterNamesAreUpgradedAndRemapped)
{
    const QByteArray bytes = listWith(
        "<Material version=\"1\" name=\"Si\" material-id=\"1\"/><Material version=\"1\" name=\"N-doped Si "
        "(100)\" "
        "material-id=\"14\"/>",
        "<Process-Data process-type=\"16\"><Parameter parameter-name=\"MaterialId\" parameter-type=\"uint\" "
        "parameter-data=\"1\" parameter-visibility=\"false\"/><Parameter parameter-name=\"Film Thickness\" "
        "parameter-type=\"double\" parameter-data=\"3\" parameter-visibility=\"true\"/></Process-Data>"
        "<Process-Data process-type=\"8\"><Parameter parameter-name=\"DopedMaterialId\" "
        "parameter-type=\"uint\" "
        "parameter-data=\"14\" parameter-visibility=\"true\"/></Process-Data>");
    const auto result = readList(bytes);
    ASSERT_EQ(result.status, ProcessListReader::Status::Done);
    EXPECT_TRUE(result.upgraded);
    const ProcessData &deposition = result.entries[0];
    EXPECT_EQ(deposition.getProcessParameter(QStringLiteral("Material_Id")).toUInt(), 1u);
    EXPECT_EQ(deposition.getProcessParameter(QStringLiteral("Material")).toString(), QStringLiteral("Si"));
    EXPECT_TRUE(deposition.getParameterVisibility(QStringLiteral("Material")));
    EXPECT_EQ(deposition.getProcessParameter(QStringLiteral("Material_Color")).value<QColor>(),
              QColor(127, 127, 127));
    const ProcessData &doping = result.entries[1];
    EXPECT_EQ(doping.getProcessParameter(QStringLiteral("Doped Material")).toString(),
              QStringLiteral("N-doped Si (100)"));
    EXPECT_FALSE(doping.getParameterVisibility(QStringLiteral("Doped Material_Id")));
}

TEST_F(ProcessListFormat, MaterialIdsFollowTheListsMaterials)
{
    ScriptedResolver resolver(std::nullopt);
    const QByteArray bytes =
        listWith("<Material version=\"1\" name=\"Oxide X\" material-id=\"2500\" color=\"#FF00FF00\"/>"
                 "<Material version=\"1\" name=\"Poly-Si\" material-id=\"600\"/>"
                 "<Material version=\"1\" name=\"Not silicon\" material-id=\"1\"/>",
                 entryUsing("2500") + entryUsing("600") + entryUsing("1") + entryUsing("77"));
    const auto result = readList(bytes, &resolver);
    ASSERT_EQ(result.status, ProcessListReader::Status::Done);
    ASSERT_EQ(resolver.seen.size(), 1u);
    const auto idOf = [&](size_t i) {
        return result.entries[i].getProcessParameter(QStringLiteral("Material_Id")).toUInt();
    };
    EXPECT_EQ(idOf(0), 2500u);
    EXPECT_EQ(result.entries[0].getProcessParameter(QStringLiteral("Material_Color")).value<QColor>(),
              QColor(0, 255, 0));
    EXPECT_EQ(idOf(1), 16u);
    EXPECT_GE(idOf(2), 2000u);
    EXPECT_EQ(result.entries[2].getProcessParameter(QStringLiteral("Material")).toString(),
              QStringLiteral("Not silicon"));
    // An id the list's materials do not name becomes the empty material.
    EXPECT_EQ(idOf(3), 0u);
    EXPECT_EQ(result.entries[3].getProcessParameter(QStringLiteral("Material")).toString(),
              QStringLiteral("Empty"));
    EXPECT_EQ(Model::Materials::MaterialFactory::instance()->getMaterialById(2500).getName(),
              QStringLiteral("Oxide X"));
}
