#pragma once

#include "Util/IObserver.h"

#include <QObject>
#include <QString>

namespace Core {
class CommandInterpreter;
}

namespace Ui::Console {

// Passes every non-empty message the interpreter posts on to the console.
class ConsoleObserver : public QObject, public Util::IObserver {
    Q_OBJECT
public:
    explicit ConsoleObserver(Core::CommandInterpreter &interpreter) : interpreter(interpreter) {}
    void notify() override;

signals:
    void messageWritten(QString message);

private:
    Core::CommandInterpreter &interpreter;
};

} // namespace Ui::Console
