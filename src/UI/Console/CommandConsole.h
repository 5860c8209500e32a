#pragma once

#include <QStringList>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QShortcut;

namespace Core {
class CommandInterpreter;
}

namespace Ui::Console {

// The console tool window: a log of typed lines and operation messages above a one-line
// command entry with a history reached by the Up and Down keys.
class CommandConsole : public QWidget {
    Q_OBJECT
public:
    CommandConsole(QWidget *parent, Qt::WindowFlags flags, Core::CommandInterpreter &interpreter);

    QLineEdit *commandLine() const { return linCommand; }
    QPlainTextEdit *log() const { return plainTextEdit; }

public slots:
    void enterPressed();
    void upArrowPressed();
    void downArrowPressed();
    void writeMessage(QString message);

private:
    void buildForm();

    QPlainTextEdit *plainTextEdit = nullptr;
    QLineEdit *linCommand = nullptr;
    QShortcut *upShortcut = nullptr;
    QShortcut *downShortcut = nullptr;
    QStringList history; // newest first
    int cursor = 0;      // index into history; history.size() stands for no entry
    Core::CommandInterpreter &interpreter;
};

} // namespace Ui::Console
