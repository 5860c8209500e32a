#include "Support/PersistenceTestSupport.h"

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

// An object type that has no archiver.
class UnarchivedObject : public Model::Object {
public:
    uint32_t getType() const override { return 2; }
    void draw(bool, bool, const Util::Vector4D &) override {}
    void refreshDrawingData() override {}
    std::shared_ptr<Object> clone() const override { return std::make_shared<UnarchivedObject>(); }
    void translate(const Util::Vector3D &) override {}
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
    DocumentFile::LoadOptions options;
    options.archivers = DocumentFile::standardArchivers();
    options.remap = &remap;
    const auto result = DocumentFile::load(path, options);
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
    const QByteArray bytes = writeDocument({std::make_shared<UnarchivedObject>(), volumeOf(1, 1, 1, {1})});
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
