#include "Support/PersistenceTestSupport.h"

#include "Model/ModelExtraction/ExtractedModel.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace PersistenceTest;
using Model::Persistence::DocumentFile;

namespace {

class DocumentRoundTrip : public CatalogueTest {
protected:
    QTemporaryDir folder;
};

} // namespace

TEST_F(DocumentRoundTrip, TwoSiliconCellsWriteTheStateAsOneBlankAfterEachId)
{
    const QByteArray bytes = writeDocument({volumeOf(2, 1, 1, {1, 1})});
    EXPECT_TRUE(
        bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?><Document><Header version=\"1\"/>"));
    EXPECT_TRUE(
        bytes.contains("<Object object-type=\"1\" size-x=\"2\" size-y=\"1\" size-z=\"1\" cellsize-x=\"1\" "
                       "cellsize-y=\"1\" cellsize-z=\"1\"><State>1 1 </State>"
                       "<Position pos-x=\"0\" pos-y=\"0\" pos-z=\"0\"/></Object></Document>"))
        << bytes.toStdString();
    // Every catalogue material precedes the objects, in ascending id order.
    EXPECT_LT(bytes.indexOf("material-id=\"1\""), bytes.indexOf("material-id=\"3\""));
    EXPECT_LT(bytes.indexOf("material-id=\"16\""), bytes.indexOf("<Object"));
    EXPECT_EQ(bytes.count("<Material "), int(catalogue().size()));
}

TEST_F(DocumentRoundTrip, SavedDocumentOpensToIdenticalVolumes)
{
    const auto first = randomVolume(5, 4, 3, 7, Util::Vector3D(1.5, -2, 3.25));
    const auto second =
        volumeOf(3, 1, 2, {16, 0, 3, 3, 1, 9}, Util::Vector3D(-100, 0.125, 42), 0.5f, 2.0f, 1.25f);
    const QString path = folder.filePath(QStringLiteral("scene.cfb"));
    ASSERT_EQ(DocumentFile::save(path, {first, second}, DocumentFile::standardArchivers()),
              DocumentFile::Status::Done);

    const auto before = catalogue();
    Model::Persistence::MaterialIdMap remap;
    const auto result = loadBytes(readFile(path), nullptr, &remap);
    ASSERT_EQ(result.status, DocumentFile::Status::Done) << result.error.toStdString();
    ASSERT_EQ(result.objects.size(), 2u);
    // Sizes, cell sizes and positions are exact in text here: equal documents mean equal volumes.
    EXPECT_EQ(writeDocument(result.objects), writeDocument({first, second}));
    EXPECT_EQ(catalogue(), before);
    // Every catalogue material maps onto itself.
    for (const auto &material : before)
        EXPECT_EQ(remap.at(material.getId()), material.getId());
}

TEST_F(DocumentRoundTrip, ObjectsWithoutArchiverAreLeftOut)
{
    // The blocks a model extraction shows are scene objects of their own.
    const QByteArray bytes = writeDocument({std::make_shared<Model::ModelExtraction::ExtractedModel>(
                                                std::vector<Model::ModelExtraction::Block>{}),
                                            volumeOf(1, 1, 1, {1})});
    EXPECT_EQ(bytes.count("<Object "), 1);
    const auto result = loadBytes(bytes);
    ASSERT_EQ(result.status, DocumentFile::Status::Done);
    EXPECT_EQ(result.objects.size(), 1u);
}

TEST_F(DocumentRoundTrip, AFailedOrUnopenableSaveKeepsWhatWasThere)
{
    const QString path = folder.filePath(QStringLiteral("keep.cfb"));
    ASSERT_EQ(DocumentFile::save(path, {volumeOf(2, 2, 2, std::vector<uint32_t>(8, 1))},
                                 DocumentFile::standardArchivers()),
              DocumentFile::Status::Done);
    const QByteArray previous = readFile(path);

    QString error;
    const auto failing = [](uint32_t) { return std::make_shared<FailingArchiver>(); };
    EXPECT_EQ(DocumentFile::save(path, {volumeOf(1, 1, 1, {3})}, failing, &error),
              DocumentFile::Status::Failed);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readFile(path), previous);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.cfb")});

    const QString missing = folder.filePath(QStringLiteral("missing-folder/scene.cfb"));
    EXPECT_EQ(DocumentFile::save(missing, {volumeOf(1, 1, 1, {1})}, DocumentFile::standardArchivers()),
              DocumentFile::Status::NotOpened);
    EXPECT_FALSE(QFile::exists(missing));
    DocumentFile::LoadOptions options;
    options.archivers = DocumentFile::standardArchivers();
    EXPECT_EQ(DocumentFile::load(missing, options).status, DocumentFile::Status::NotOpened);
}

namespace {

const QByteArray kHead = "<?xml version=\"1.0\"?><Document><Header version=\"1\"/>";
const QByteArray kTail = "</Document>";

QByteArray objectElement(const QByteArray &attributes, const QByteArray &state)
{
    return "<Object object-type=\"1\" " + attributes + "><State>" + state + "</State></Object>";
}

QByteArray documentWith(const QByteArray &body)
{
    return kHead + body + kTail;
}

class DocumentBadInput : public CatalogueTest {
protected:
    // The load fails with a message and changes neither the catalogue nor the remap table.
    void expectRefused(const QByteArray &bytes)
    {
        const auto before = catalogue();
        Model::Persistence::MaterialIdMap remap = {{77, 1}};
        const auto result = loadBytes(bytes, nullptr, &remap);
        EXPECT_EQ(result.status, DocumentFile::Status::Failed) << bytes.left(200).toStdString();
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_TRUE(result.objects.empty());
        EXPECT_EQ(catalogue(), before);
        EXPECT_EQ(remap, (Model::Persistence::MaterialIdMap{{77, 1}}));
    }
};

} // namespace

TEST_F(DocumentBadInput, DocumentsThatCannotBeReadAreRefused)
{
    for (const char *bytes :
         {"", "this is not XML at all",
          "<?xml version=\"1.0\"?><Materials><Material name=\"Si\" material-id=\"1\"/></Materials>",
          "<?xml version=\"1.0\"?><Document><Object object-type=\"1\"/></Document>",
          "<?xml version=\"1.0\"?><Document/>"})
        expectRefused(bytes);
    expectRefused(kHead
                  + "<Object object-type=\"1\" size-x=\"1\" size-y=\"1\" size-z=\"1\"><State>1 </State>");
    expectRefused(kHead + objectElement("size-x=\"1\" size-y=\"1\" size-z=\"1\"", "1") + "</Documen>");
    // Sizes that cannot be allocated are refused before allocating.
    expectRefused(documentWith(
        objectElement("size-x=\"4294967295\" size-y=\"4294967295\" size-z=\"4294967295\"", "1")));
    expectRefused(documentWith(objectElement("size-x=\"65536\" size-y=\"65536\" size-z=\"2\"", "1")));
    expectRefused(documentWith(objectElement("size-x=\"0\" size-y=\"5\" size-z=\"5\"", "")));
    expectRefused(documentWith(objectElement("size-y=\"5\" size-z=\"5\"", "1")));
    expectRefused(documentWith(objectElement("size-x=\"-1\" size-y=\"5\" size-z=\"5\"", "1")));
    expectRefused(documentWith(objectElement("size-x=\"2.5\" size-y=\"5\" size-z=\"5\"", "1")));
    expectRefused(documentWith(objectElement("size-x=\"99999999999\" size-y=\"1\" size-z=\"1\"", "1")));
    // Cell sizes and positions must be finite positive numbers.
    for (const char *value : {"0", "-1", "nan", "inf", "abc", "1e300"})
        expectRefused(documentWith(objectElement(
            QByteArray("size-x=\"1\" size-y=\"1\" size-z=\"1\" cellsize-y=\"") + value + "\"", "1")));
    expectRefused(
        documentWith("<Object object-type=\"1\" size-x=\"1\" size-y=\"1\" size-z=\"1\"><State>1</State>"
                     "<Position pos-x=\"nan\" pos-y=\"0\" pos-z=\"0\"/></Object>"));
    // Cut inside the declaration, the materials, the attributes, the State text and the end tag.
    const QByteArray whole = writeDocument({randomVolume(3, 3, 3, 11)});
    for (int length : {1, 30, whole.indexOf("<Material ") + 20, whole.indexOf("size-y") + 3,
                       whole.indexOf("<State>") + 12, whole.size() - 5})
        expectRefused(whole.left(length));
    // The new materials of a refused document stay out of the catalogue.
    expectRefused(documentWith("<Material version=\"1\" name=\"Unobtainium\" material-id=\"2500\"/>"
                               + objectElement("size-x=\"0\" size-y=\"1\" size-z=\"1\"", "2500")));
    EXPECT_EQ(Model::Materials::MaterialFactory::instance()->getMaterialById(2500).getId(), 0u);
}

TEST_F(DocumentBadInput, UnknownElementsAndObjectTypesArePassedOver)
{
    const auto result =
        loadBytes(documentWith("<Comment>hello</Comment><Object object-type=\"2\"><State>1</State>"
                               "</Object><Object><State>1</State></Object>"
                               + objectElement("size-x=\"1\" size-y=\"1\" size-z=\"1\"", "3")));
    ASSERT_EQ(result.status, DocumentFile::Status::Done) << result.error.toStdString();
    ASSERT_NE(onlyVolume(result), nullptr);
    EXPECT_EQ(onlyVolume(result)->materialIds(), std::vector<uint32_t>{3});
}

TEST_F(DocumentBadInput, UnreadableMaterialWarnsAndKeepsTheCellIds)
{
    QStringList warnings;
    const auto result =
        loadBytes(documentWith("<Material name=\"Ghost\" material-id=\"0\"/><Material material-id=\"40\"/>"
                               + objectElement("size-x=\"1\" size-y=\"1\" size-z=\"1\"", "40")),
                  nullptr, nullptr, &warnings);
    ASSERT_EQ(result.status, DocumentFile::Status::Done);
    const QString warning =
        QStringLiteral("WARNING: There was an error loading a material. This may alter the "
                       "loaded cell volume.");
    EXPECT_EQ(warnings, (QStringList{warning, warning}));
    EXPECT_EQ(onlyVolume(result)->materialIds(), std::vector<uint32_t>{40});
}

// Cell states are parsed straight from the file's bytes where they are plain digits and blanks;
// whatever else XML allows around and inside them must read as the XML says. Cells the text
// leaves out stay empty; the rules for each number are CellStateText's.
TEST_F(DocumentBadInput, OddXmlAroundTheCellStatesReadsAsTheXmlSays)
{
    const QByteArray sizes = "size-x=\"2\" size-y=\"2\" size-z=\"1\"";
    const struct {
        QByteArray document;
        std::vector<uint32_t> ids;
    } cases[] = {
        {documentWith(objectElement(sizes, "")), {0, 0, 0, 0}},
        {documentWith(objectElement(sizes, "&#49; 3 4")), {1, 3, 4, 0}},
        {documentWith(objectElement(sizes, "<![CDATA[1 3]]> 4<!-- 9 --> 5")), {1, 3, 4, 5}},
        {documentWith("<Object object-type=\"1\" " + sizes
                      + "><State>1 1</State><Position><State>9</State></Position><State>3</State></Object>"),
         {1, 1, 0, 0}},
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><Document><Header version=\"1\"/>"
         "<Material name=\"\xe9\" material-id=\"78\"/>"
             + objectElement(sizes, "3 4") + kTail,
         {3, 4, 0, 0}},
        // Files are read as text: a carriage return is dropped before the XML reader sees it.
        {documentWith(objectElement(sizes, "1\r3\r\n4")), {13, 4, 0, 0}},
    };
    for (const auto &c : cases) {
        const auto result = loadBytes(c.document);
        ASSERT_EQ(result.status, DocumentFile::Status::Done)
            << c.document.toStdString() << ": " << result.error.toStdString();
        ASSERT_NE(onlyVolume(result), nullptr) << c.document.toStdString();
        EXPECT_EQ(onlyVolume(result)->materialIds(), c.ids) << c.document.toStdString();
    }
    // Text the XML refuses stays refused.
    expectRefused(documentWith(objectElement(sizes, "1 ]]> 3")));
    expectRefused(documentWith(objectElement(sizes, "1 \x01 3")));
}
