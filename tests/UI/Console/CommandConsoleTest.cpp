#include "Support/RecordingOperation.h"

#include "Core/Workspace/Workspace.h"
#include "UI/Console/CommandConsole.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace {

class CommandConsoleTest : public ::testing::Test {
protected:
    void type(const QString &text)
    {
        console.commandLine()->setText(text);
        console.enterPressed();
    }
    QString line() const { return console.commandLine()->text(); }
    QString up()
    {
        console.upArrowPressed();
        return line();
    }
    QString down()
    {
        console.downArrowPressed();
        return line();
    }

    Core::Workspace workspace;
    Ui::Console::CommandConsole console{nullptr, Qt::Tool, workspace.getCommandInterpreter()};
};

TEST_F(CommandConsoleTest, UpWalksToTheOldestLineAndStays)
{
    console.commandLine()->setText("draft");
    EXPECT_EQ(up(), "draft") << "without history Up does nothing";
    EXPECT_EQ(down(), "") << "and Down clears the line";
    type("A");
    type("B");
    EXPECT_EQ(up(), "B");
    EXPECT_EQ(up(), "A");
    EXPECT_EQ(up(), "A");
    // Down shows the entry under the cursor first, and never the newest entry itself.
    EXPECT_EQ(down(), "A");
    EXPECT_EQ(down(), "");
    EXPECT_EQ(up(), "B");
}

// An empty Enter reaches the interpreter but is neither logged nor stored in the history.
TEST_F(CommandConsoleTest, TypedLinesAndMessagesAppearInTheLogInAnyScript)
{
    std::vector<std::string> log;
    TestSupport::RecordingOperation operation(workspace, "Op", log);
    workspace.getCommandInterpreter().requestEnter(&operation);
    type("");
    EXPECT_EQ(log, std::vector<std::string>{"Op.execute"});
    EXPECT_EQ(up(), "");
    type("1,2,3");
    workspace.getCommandInterpreter().postMessage("Move: Object(s) moved");
    workspace.getCommandInterpreter().postMessage("");
    EXPECT_EQ(console.log()->toPlainText(), "1,2,3\nMove: Object(s) moved");
    EXPECT_EQ(line(), "") << "the entry line is cleared after Enter";
    // Text other than ASCII survives the way to the interpreter and back.
    std::string delivered;
    workspace.getCommandInterpreter().requestText(&operation, &delivered);
    type(QString::fromUtf8("Größe θ"));
    EXPECT_EQ(QString::fromStdString(delivered), QString::fromUtf8("Größe θ"));
    workspace.getCommandInterpreter().postMessage("Résumé");
    EXPECT_TRUE(console.log()->toPlainText().endsWith(QString::fromUtf8("Résumé")));
}

} // namespace
