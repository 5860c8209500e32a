#include "UI/Console/CommandConsole.h"

#include "Core/Workspace/CommandInterpreter.h"
#include "UI/Console/ConsoleObserver.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QVBoxLayout>

namespace Ui::Console {

CommandConsole::CommandConsole(QWidget *parent, Qt::WindowFlags flags, Core::CommandInterpreter &interpreter)
    : QWidget(parent, flags), interpreter(interpreter)
{
    buildForm();
    upShortcut = new QShortcut(QKeySequence(Qt::Key_Up), this);
    downShortcut = new QShortcut(QKeySequence(Qt::Key_Down), this);
    connect(upShortcut, &QShortcut::activated, this, &CommandConsole::upArrowPressed);
    connect(downShortcut, &QShortcut::activated, this, &CommandConsole::downArrowPressed);

    auto observer = std::make_shared<ConsoleObserver>(interpreter);
    connect(observer.get(), &ConsoleObserver::messageWritten, this, &CommandConsole::writeMessage);
    interpreter.addMessageObserver(observer);

    connect(linCommand, &QLineEdit::returnPressed, this, &CommandConsole::enterPressed);
    linCommand->installEventFilter(this);
}

void CommandConsole::leaveShortcutsToWindow(std::vector<QKeySequence> sequences)
{
    windowShortcuts = std::move(sequences);
}

// A line edit claims its editing keys before shortcuts are looked up; for the window's
// sequences that claim is refused, so the shortcut system hands them to the window's actions.
bool CommandConsole::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == linCommand && event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(int(key->modifiers()) | key->key());
        for (const QKeySequence &sequence : windowShortcuts) {
            if (sequence == pressed) {
                event->ignore();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CommandConsole::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

void CommandConsole::buildForm()
{
    setObjectName(QStringLiteral("CommandConsoleForm"));
    setWindowTitle(QStringLiteral("Console"));
    resize(400, 140);
    auto *layoutWidget = new QWidget(this);
    layoutWidget->setObjectName(QStringLiteral("verticalLayoutWidget"));
    layoutWidget->setGeometry(10, 10, 380, 120);
    auto *verticalLayout = new QVBoxLayout(layoutWidget);
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    verticalLayout->setContentsMargins(0, 0, 0, 0);

    plainTextEdit = new QPlainTextEdit(layoutWidget);
    plainTextEdit->setObjectName(QStringLiteral("plainTextEdit"));
    plainTextEdit->setReadOnly(true);
    plainTextEdit->setFocusPolicy(Qt::NoFocus);
    plainTextEdit->setAcceptDrops(false);
    plainTextEdit->setAutoFillBackground(true);
    plainTextEdit->setBackgroundVisible(false);
    verticalLayout->addWidget(plainTextEdit);

    linCommand = new QLineEdit(layoutWidget);
    linCommand->setObjectName(QStringLiteral("linCommand"));
    verticalLayout->addWidget(linCommand);

    // The form keeps its fixed layout geometry, but a resized console should still show all
    // of its log, so the layout widget follows the window.
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 10, 10, 10);
    outer->addWidget(layoutWidget);
}

void CommandConsole::enterPressed()
{
    const QString text = linCommand->text();
    if (!text.isEmpty()) {
        history.prepend(text);
        cursor = 0;
        plainTextEdit->appendPlainText(text);
        linCommand->clear();
    }
    interpreter.interpret(text.toStdString());
}

void CommandConsole::upArrowPressed()
{
    if (cursor >= history.size())
        return;
    linCommand->setText(history.at(cursor));
    ++cursor;
    if (cursor == history.size())
        cursor = history.size() - 1;
}

void CommandConsole::downArrowPressed()
{
    if (cursor < history.size())
        linCommand->setText(history.at(cursor));
    if (cursor == 0)
        linCommand->clear();
    else if (cursor < history.size())
        --cursor;
}

void CommandConsole::writeMessage(QString message)
{
    plainTextEdit->appendPlainText(message);
}

} // namespace Ui::Console
