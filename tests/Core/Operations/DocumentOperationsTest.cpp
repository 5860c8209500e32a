#include "Support/PersistenceTestSupport.h"
#include "Support/WorkspaceHarness.h"

#include "Core/Operations/Documents/OpenDocumentOperation.h"
#include "Core/Operations/Documents/SaveDocumentAsOperation.h"
#include "Core/Operations/Documents/SaveDocumentOperation.h"

#include <gtest/gtest.h>

using namespace PersistenceTest;
using Core::Operations::OpenDocumentOperation;
using Core::Operations::SaveDocumentAsOperation;
using Core::Operations::SaveDocumentOperation;

namespace {

constexpr uint32_t kSave = 9;
constexpr uint32_t kSaveAs = 10;
constexpr uint32_t kOpen = 11;

// The fake user interface: answers file questions and records every stage it was told of.
class DocumentOperations : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetCatalogue();
        auto &makers = harness.factory->makers;
        makers[kSave] = [this] {
            return withSaveObserver(std::make_shared<SaveDocumentOperation>(workspace));
        };
        makers[kSaveAs] = [this] {
            return withSaveObserver(std::make_shared<SaveDocumentAsOperation>(workspace));
        };
        makers[kOpen] = [this] {
            auto operation = std::make_shared<OpenDocumentOperation>(workspace);
            operation->addObserver(
                std::make_shared<TestSupport::CallbackObserver>([this] { openStageReached(); }));
            operation->setConflictResolver(resolver);
            return operation;
        };
    }

    std::shared_ptr<Core::Operations::Operation>
    withSaveObserver(std::shared_ptr<SaveDocumentOperation> operation)
    {
        operation->addObserver(std::make_shared<TestSupport::CallbackObserver>([this] {
            auto current = std::dynamic_pointer_cast<SaveDocumentOperation>(workspace.currentOperation());
            ASSERT_NE(current, nullptr);
            saveStages.push_back(current->getStage());
            if (current->getStage() == SaveDocumentOperation::Stage::ChoosingFile)
                current->setFileName(answer);
        }));
        return operation;
    }

    void openStageReached()
    {
        auto current = std::dynamic_pointer_cast<OpenDocumentOperation>(workspace.currentOperation());
        ASSERT_NE(current, nullptr);
        openStages.push_back(current->getStage());
        if (current->getStage() == OpenDocumentOperation::Stage::ChoosingFile)
            current->setChosenFile(answer);
        else
            opened = current->readDocument();
    }

    QTemporaryDir folder;
    TestSupport::WorkspaceHarness harness;
    Core::Workspace &workspace = harness.workspace;
    std::shared_ptr<ScriptedResolver> resolver = std::make_shared<ScriptedResolver>(std::nullopt);
    QString answer;
    std::vector<SaveDocumentOperation::Stage> saveStages;
    std::vector<OpenDocumentOperation::Stage> openStages;
    Model::Persistence::DocumentFile::LoadResult opened;
};

using SaveStage = SaveDocumentOperation::Stage;
using OpenStage = OpenDocumentOperation::Stage;

} // namespace

TEST_F(DocumentOperations, SaveAsksForANameOnlyWhenTheDocumentHasNoneAndReportsAFailedWrite)
{
    const auto volume = randomVolume(3, 2, 2, 1);
    workspace.getScene().addObject(volume);
    answer = folder.filePath(QStringLiteral("first.cfb"));
    workspace.activate(kSave);
    EXPECT_EQ(saveStages, (std::vector<SaveStage>{SaveStage::ChoosingFile, SaveStage::Saved}));
    EXPECT_EQ(workspace.getScene().getFileName(), answer);
    EXPECT_EQ(workspace.currentOperation(), nullptr);

    saveStages.clear();
    answer = folder.filePath(QStringLiteral("never.cfb"));
    workspace.activate(kSave);
    EXPECT_EQ(saveStages, std::vector<SaveStage>{SaveStage::Saved});
    EXPECT_FALSE(QFile::exists(answer));
    const auto result = loadBytes(readFile(folder.filePath(QStringLiteral("first.cfb"))));
    ASSERT_NE(onlyVolume(result), nullptr);
    EXPECT_EQ(onlyVolume(result)->materialIds(), volume->materialIds());

    // That the old file is kept is the document writer's (DocumentRoundTrip).
    saveStages.clear();
    workspace.getArchiveRegistry().registerArchiver(1, std::make_shared<FailingArchiver>());
    workspace.activate(kSave);
    EXPECT_EQ(saveStages, std::vector<SaveStage>{SaveStage::WriteFailed});
}

TEST_F(DocumentOperations, SaveAsAlwaysAsksAndACancelledDialogWritesNothing)
{
    workspace.getScene().addObject(randomVolume(2, 2, 2, 3));
    workspace.getScene().setFileName(folder.filePath(QStringLiteral("old.cfb")));
    answer.clear();
    workspace.activate(kSaveAs);
    EXPECT_EQ(saveStages, std::vector<SaveStage>{SaveStage::ChoosingFile});
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(workspace.currentOperation(), nullptr);

    answer = folder.filePath(QStringLiteral("new.cfb"));
    workspace.activate(kSaveAs);
    EXPECT_EQ(workspace.getScene().getFileName(), answer);
    EXPECT_TRUE(QFile::exists(answer));
}

TEST_F(DocumentOperations, OpenReadsTheChosenFileAndRemembersItsFolderOrReadsNothingWhenCancelled)
{
    const auto volume = randomVolume(4, 3, 2, 9, Util::Vector3D(1, 2, 3));
    const QString path = folder.filePath(QStringLiteral("scene.cfb"));
    writeFile(path, writeDocument({volume}));
    answer = path;
    workspace.activate(kOpen);
    EXPECT_EQ(openStages, (std::vector<OpenStage>{OpenStage::ChoosingFile, OpenStage::Opening}));
    ASSERT_EQ(opened.status, Model::Persistence::DocumentFile::Status::Done);
    ASSERT_NE(onlyVolume(opened), nullptr);
    EXPECT_EQ(onlyVolume(opened)->materialIds(), volume->materialIds());
    EXPECT_EQ(OpenDocumentOperation::lastOpenedFile(), path);
    EXPECT_EQ(OpenDocumentOperation::lastOpenedFolder(), QDir(folder.path()).absolutePath());
    // The issuing workspace's scene is left alone: the document opens in a window of its own.
    EXPECT_EQ(workspace.getScene().objectCount(), 0u);

    // A cancelled file dialog reads nothing.
    openStages.clear();
    answer.clear();
    workspace.activate(kOpen);
    EXPECT_EQ(openStages, std::vector<OpenStage>{OpenStage::ChoosingFile});
    EXPECT_EQ(workspace.currentOperation(), nullptr);
}

TEST_F(DocumentOperations, OpenAsksTheResolverAndWarnsOnTheConsole)
{
    QByteArray bytes = writeDocument({volumeOf(1, 1, 1, {1})});
    bytes.replace("<Object", "<Material version=\"1\" name=\"Carbon\" material-id=\"1\"/><Material name=\"\" "
                             "material-id=\"5\"/><Object");
    answer = writeFile(folder.filePath(QStringLiteral("conflict.cfb")), bytes);
    workspace.activate(kOpen);
    ASSERT_EQ(opened.status, Model::Persistence::DocumentFile::Status::Done);
    ASSERT_EQ(resolver->seen.size(), 1u);
    EXPECT_EQ(resolver->seen[0].first.getName(), QStringLiteral("Carbon"));
    EXPECT_EQ(harness.log->lines,
              std::vector<std::string>{"WARNING: There was an error loading a material. This may "
                                       "alter the loaded cell volume."});
}
