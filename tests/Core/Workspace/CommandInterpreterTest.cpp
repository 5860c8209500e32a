#include "Support/OperationTestSupport.h"
#include "Support/RecordingOperation.h"

#include "Core/Workspace/CommandInterpreter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using Core::CommandInterpreter;
using TestSupport::RecordingOperation;

namespace {

class CommandInterpreterTest : public ::testing::Test {
protected:
    CommandInterpreterTest()
    {
        operation = std::make_shared<RecordingOperation>(workspace, "Op", log);
        interpreter().addMessageObserver(messages);
    }
    CommandInterpreter &interpreter() { return workspace.getCommandInterpreter(); }
    int executions() const { return int(std::count(log.begin(), log.end(), "Op.execute")); }

    // Asks for a value through `request`, types `line` and tells whether the value was delivered.
    template <class T>
    bool answer(void (CommandInterpreter::*request)(Core::Operations::Operation *, T *, bool *), T &value,
                const std::string &line)
    {
        delivered = false;
        (interpreter().*request)(operation.get(), &value, &delivered);
        interpreter().interpret(line);
        return delivered;
    }

    Core::Workspace workspace;
    std::vector<std::string> log;
    std::shared_ptr<RecordingOperation> operation;
    std::shared_ptr<TestSupport::CountingObserver> messages =
        std::make_shared<TestSupport::CountingObserver>();
    bool delivered = false;
};

// Each kind of value refuses malformed, huge and binary lines with its message and keeps waiting;
// text is delivered as typed.
TEST_F(CommandInterpreterTest, TypedValuesAreParsedStrictly)
{
    const std::string huge(10 * 1024 * 1024, '7');
    int32_t value = 0;
    for (const char *bad : {"12a", " 5", "5 ", "1.5", "2147483648", "-2147483649", "abc", "--1", "0x10"}) {
        EXPECT_FALSE(answer(&CommandInterpreter::requestWholeNumber, value, bad)) << bad;
        EXPECT_EQ(interpreter().getLastMessage(), CommandInterpreter::kInvalidInteger) << bad;
        EXPECT_EQ(interpreter().getRequestKind(), CommandInterpreter::WholeNumber) << bad;
    }
    EXPECT_FALSE(answer(&CommandInterpreter::requestWholeNumber, value, huge));
    for (const auto &[text, expected] : std::vector<std::pair<const char *, int32_t>>{
             {"42", 42}, {"-7", -7}, {"+3", 3}, {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}}) {
        EXPECT_TRUE(answer(&CommandInterpreter::requestWholeNumber, value, text)) << text;
        EXPECT_EQ(value, expected) << text;
        EXPECT_EQ(interpreter().getRequester(), nullptr);
        EXPECT_EQ(interpreter().getRequestKind(), CommandInterpreter::Nothing);
    }

    double floating = 0;
    for (const std::string &bad :
         std::vector<std::string>{"1e", "2E", "1.5+", "3-", "abc", "1.0x", " 1", std::string("\0\1\2", 3)}) {
        EXPECT_FALSE(answer(&CommandInterpreter::requestFloatingValue, floating, bad)) << bad;
        EXPECT_EQ(interpreter().getLastMessage(), CommandInterpreter::kInvalidFloat) << bad;
    }
    EXPECT_TRUE(answer(&CommandInterpreter::requestFloatingValue, floating, "1.5e3"));
    EXPECT_DOUBLE_EQ(floating, 1500.0);
    EXPECT_TRUE(answer(&CommandInterpreter::requestFloatingValue, floating, "-INFINITY"));
    EXPECT_TRUE(std::isinf(floating) && floating < 0);
    EXPECT_TRUE(answer(&CommandInterpreter::requestFloatingValue, floating, "nan"));
    EXPECT_TRUE(std::isnan(floating));

    Util::Vector3D point;
    for (const std::string &bad :
         std::vector<std::string>{"1,2", "1 2 3", "a,b,c", "1,,2", huge + "," + huge}) {
        EXPECT_FALSE(answer(&CommandInterpreter::requestCoordinates, point, bad)) << bad.substr(0, 10);
        EXPECT_EQ(interpreter().getLastMessage(), CommandInterpreter::kInvalidCoordinates);
    }
    EXPECT_TRUE(answer(&CommandInterpreter::requestCoordinates, point, "1.5, -2 ,3e1"));
    EXPECT_EQ(point, Util::Vector3D(1.5, -2, 30));

    std::string text;
    const std::string typed("n \x01\xff odd bytes", 14);
    EXPECT_TRUE(answer(&CommandInterpreter::requestText, text, typed));
    EXPECT_EQ(text, typed);
    EXPECT_EQ(executions(), 5 + 3 + 1 + 1) << "only the accepted values continue the operation";
}

TEST_F(CommandInterpreterTest, EnterRuleContinuesOnlyAnOperationWaitingForEnter)
{
    int32_t value = 0;
    interpreter().requestWholeNumber(operation.get(), &value, &delivered);
    interpreter().interpret("");
    EXPECT_EQ(executions(), 0) << "an empty line does not answer a number request";

    bool enter = false;
    interpreter().requestEnter(operation.get(), &enter);
    interpreter().interpret("");
    EXPECT_EQ(executions(), 1);
    EXPECT_TRUE(enter);
    EXPECT_FALSE(interpreter().isWaitingForEnter());

    // A non-empty line while only Enter was asked for also continues.
    interpreter().reset();
    interpreter().requestEnter(operation.get());
    interpreter().interpret("anything");
    EXPECT_EQ(executions(), 2);

    // A typed answer also ends the wait for Enter.
    std::string answer;
    interpreter().requestText(operation.get(), &answer);
    interpreter().requestEnter(operation.get());
    interpreter().interpret("n");
    EXPECT_EQ(executions(), 3);
    EXPECT_FALSE(interpreter().isWaitingForEnter());
    // A later number request must not be answered by a bare Enter.
    interpreter().requestWholeNumber(operation.get(), &value, &delivered);
    interpreter().interpret("");
    EXPECT_EQ(executions(), 3);
}

TEST_F(CommandInterpreterTest, IdleInputAndEmptyMessagesHaveNoEffect)
{
    for (const char *word : {"undo", "redo", "set view", "+", "sel", "random text", ""})
        interpreter().interpret(word);
    EXPECT_TRUE(log.empty());
    interpreter().postMessage("");
    EXPECT_EQ(messages->count, 0);
    EXPECT_EQ(interpreter().getLastMessage(), "");
    interpreter().postMessage("hello");
    EXPECT_EQ(messages->count, 1);
}

TEST_F(CommandInterpreterTest, AnotherOperationsRequestFinishesTheWaitingOne)
{
    RecordingOperation other(workspace, "Other", log);
    interpreter().requestEnter(operation.get());
    interpreter().requestEnter(&other);
    ASSERT_EQ(log, std::vector<std::string>{"Op.finish"});
    EXPECT_EQ(interpreter().getRequester(), &other);
}

// An operation may place its next request from inside execute.
TEST_F(CommandInterpreterTest, ExecuteMayRequestAgain)
{
    struct Chained : RecordingOperation {
        using RecordingOperation::RecordingOperation;
        void execute() override
        {
            RecordingOperation::execute();
            workspace.getCommandInterpreter().requestWholeNumber(this, &value, &delivered);
        }
        int32_t value = 0;
        bool delivered = false;
    };
    Chained chain(workspace, "Op", log);
    chain.execute();
    interpreter().interpret("1");
    interpreter().interpret("2");
    EXPECT_EQ(executions(), 3);
    EXPECT_EQ(chain.value, 2);
    EXPECT_EQ(interpreter().getRequester(), &chain);
}

} // namespace
