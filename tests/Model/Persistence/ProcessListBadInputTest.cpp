#include "Support/PersistenceTestSupport.h"

#include <gtest/gtest.h>

using namespace PersistenceTest;
using Model::Persistence::ProcessListReader;

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

    static QByteArray parameter(const char *name, const char *type, const char *data)
    {
        return QByteArray("<Parameter parameter-name=\"") + name + "\" parameter-type=\"" + type
               + "\" parameter-data=\"" + data + "\" parameter-visibility=\"true\"/>";
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

// A list below another root, unreadable materials, unknown parameter types, entries without
// parameters and unknown elements: what can be read is read.
TEST_F(ProcessListBadInput, OddListsAreReadAsFarAsTheyCanBe)
{
    const auto result = readList(
        "<?xml version=\"1.0\"?><Wrapper><Process-List><Materials><Material material-id=\"0\" name=\"Z\"/>"
        "<Material material-id=\"2700\"/><Other/></Materials><Comment/><Process-Data process-type=\"10\">"
        + parameter("Filename", "qlonglong", "12") + parameter("Other", "", "")
        + "</Process-Data><Process-Data process-type=\"6\"/><Process-Data/></Process-List></Wrapper>");
    ASSERT_EQ(result.status, ProcessListReader::Status::Done);
    EXPECT_EQ(catalogue().size(), 15u) << "no material added";
    ASSERT_EQ(result.entries.size(), 3u);
    EXPECT_TRUE(result.entries[0].hasProcessParameter(QStringLiteral("Filename")));
    EXPECT_FALSE(result.entries[0].getProcessParameter(QStringLiteral("Filename")).isValid());
    EXPECT_EQ(result.notes.size(), 3) << "two parameters without a known type, an entry without a type";
    EXPECT_EQ(result.entries[1].getProcessType(), 6u);
    EXPECT_TRUE(result.entries[1].getParameterNames().isEmpty());
    EXPECT_EQ(result.entries[2].getProcessType(), Ui::ProcessData::kNotAProcess);
}

TEST_F(ProcessListBadInput, MalformedNumbersAreKeptAsText)
{
    const auto result =
        readList("<?xml version=\"1.0\"?><Process-List><Process-Data process-type=\"16\">"
                 + parameter("Film Thickness", "double", "abc") + parameter("Count", "uint", "-4")
                 + parameter("Corner", "Util::Vector3D", "1;2") + parameter("Type", "int", "9999999999")
                 + parameter("Material_Id", "QString", "silicon")
                 + "</Process-Data><Process-Data process-type=\"x\"/></Process-List>");
    ASSERT_EQ(result.status, ProcessListReader::Status::Done);
    const Ui::ProcessData &entry = result.entries[0];
    EXPECT_EQ(entry.getProcessParameter(QStringLiteral("Film Thickness")), QVariant(QStringLiteral("abc")));
    EXPECT_EQ(entry.getProcessParameter(QStringLiteral("Count")), QVariant(QStringLiteral("-4")));
    EXPECT_EQ(entry.getProcessParameter(QStringLiteral("Corner")), QVariant(QStringLiteral("1;2")));
    EXPECT_EQ(entry.getProcessParameter(QStringLiteral("Type")), QVariant(QStringLiteral("9999999999")));
    // A material id that is no number is left for the step to refuse; no name is looked up.
    EXPECT_EQ(entry.getProcessParameter(QStringLiteral("Material_Id")), QVariant(QStringLiteral("silicon")));
    EXPECT_FALSE(entry.hasProcessParameter(QStringLiteral("Material")));
    EXPECT_EQ(result.entries[1].getProcessType(), Ui::ProcessData::kNotAProcess);
}
