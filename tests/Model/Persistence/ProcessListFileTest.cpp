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

QByteArray parameter(const char *name, const char *type, const char *data, bool visible = true)
{
    return QByteArray("<Parameter parameter-name=\"") + name + "\" parameter-type=\"" + type
           + "\" parameter-data=\"" + data + "\" parameter-visibility=\"" + (visible ? "true" : "false")
           + "\"/>";
}

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
        return "<Process-Data process-type=\"4\">" + parameter("Material_Id", "uint", id, false)
               + "</Process-Data>";
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
        "<Material version=\"1\" name=\"Si\" material-id=\"1\"/>"
        "<Material version=\"1\" name=\"N-doped Si (100)\" material-id=\"14\"/>",
        "<Process-Data process-type=\"16\">" + parameter("MaterialId", "uint", "1", false)
            + parameter("Film Thickness", "double", "3") + "</Process-Data><Process-Data process-type=\"8\">"
            + parameter("DopedMaterialId", "uint", "14") + "</Process-Data>");
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

namespace {

class ProcessListBadInput : public CatalogueTest {
protected:
    void expectRefused(const QByteArray &bytes)
    {
        const auto before = catalogue();
        const auto result = readList(bytes);
        EXPECT_EQ(result.status, ProcessListReader::Status::Failed) << bytes.left(200).toStdString();
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_TRUE(result.entries.empty());
        EXPECT_EQ(catalogue(), before);
    }
};

const QByteArray kValid =
    "<?xml version=\"1.0\"?><Process-List version=\"1\"><Materials><Material version=\"1\" "
    "name=\"New stuff\" material-id=\"2600\"/></Materials><Process-Data process-type=\"10\">"
    "<Parameter parameter-name=\"Filename\" parameter-type=\"QString\" parameter-data=\"x.png\" "
    "parameter-visibility=\"true\"/></Process-Data></Process-List>";

} // namespace

TEST_F(ProcessListBadInput, FilesThatAreNotProcessListsOrAreCutShortAreRefusedAndAddNoMaterial)
{
    for (const char *bytes :
         {"", "Process-List", "<?xml version=\"1.0\"?><Document><Header version=\"1\"/></Document>",
          "<?xml version=\"1.0\"?><process-list version=\"1\"/>", "<<<>>>"})
        expectRefused(bytes);
    ASSERT_EQ(readList(kValid).status, ProcessListReader::Status::Done);
    resetCatalogue();
    for (int length = kValid.indexOf("<Process-List"); length < kValid.size(); length += 7)
        expectRefused(kValid.left(length));
}

// A list below another root, unreadable materials, unknown parameter types, numbers that do not
// read as their type, entries without parameters and unknown elements: what can be read is read.
TEST_F(ProcessListBadInput, OddListsAreReadAsFarAsTheyCanBe)
{
    const auto result = readList(
        "<?xml version=\"1.0\"?><Wrapper><Process-List><Materials><Material material-id=\"0\" name=\"Z\"/>"
        "<Material material-id=\"2700\"/><Other/></Materials><Comment/><Process-Data process-type=\"10\">"
        + parameter("Filename", "qlonglong", "12") + parameter("Other", "", "")
        + "</Process-Data><Process-Data process-type=\"6\"/><Process-Data/><Process-Data process-type=\"16\">"
        + parameter("Film Thickness", "double", "abc") + parameter("Count", "uint", "-4")
        + parameter("Corner", "Util::Vector3D", "1;2") + parameter("Type", "int", "9999999999")
        + parameter("Material_Id", "QString", "silicon") + "</Process-Data></Process-List></Wrapper>");
    ASSERT_EQ(result.status, ProcessListReader::Status::Done);
    EXPECT_EQ(catalogue().size(), 15u) << "no material added";
    ASSERT_EQ(result.entries.size(), 4u);
    EXPECT_TRUE(result.entries[0].hasProcessParameter(QStringLiteral("Filename")));
    EXPECT_FALSE(result.entries[0].getProcessParameter(QStringLiteral("Filename")).isValid());
    // Two parameters without a known type, an entry without a type, a material id that is no number.
    EXPECT_EQ(result.notes.size(), 4) << result.notes.join('|').toStdString();
    EXPECT_EQ(result.entries[1].getProcessType(), 6u);
    EXPECT_TRUE(result.entries[1].getParameterNames().isEmpty());
    EXPECT_EQ(result.entries[2].getProcessType(), Ui::ProcessData::kNotAProcess);
    // Malformed numbers are kept as text for the step to refuse; for a material id that is no
    // number no name is looked up.
    const Ui::ProcessData &entry = result.entries[3];
    for (const auto &[name, text] :
         {std::pair{"Film Thickness", "abc"}, std::pair{"Count", "-4"}, std::pair{"Corner", "1;2"},
          std::pair{"Type", "9999999999"}, std::pair{"Material_Id", "silicon"}})
        EXPECT_EQ(entry.getProcessParameter(QLatin1String(name)), QVariant(QLatin1String(text))) << name;
    EXPECT_FALSE(entry.hasProcessParameter(QStringLiteral("Material")));
}
