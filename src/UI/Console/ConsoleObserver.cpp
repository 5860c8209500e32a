#include "UI/Console/ConsoleObserver.h"

#include "Core/Workspace/CommandInterpreter.h"

namespace Ui::Console {

void ConsoleObserver::notify()
{
    const std::string &message = interpreter.getLastMessage();
    if (!message.empty())
        emit messageWritten(QString::fromUtf8(message.data(), int(message.size())));
}

} // namespace Ui::Console
