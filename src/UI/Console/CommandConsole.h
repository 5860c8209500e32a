#pragma once

#include <QKeySequence>
#include <QStringList>
#include <QWidget>

#include <vector>

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

    // Key sequences the entry line must not keep for itself (it would undo its own text on
    // Ctrl+Z): they reach the main window's actions, as they do from the main window.
    void leaveShortcutsToWindow(std::vector<QKeySequence> sequences);

signals:
    // The user closed the console window (its title-bar button).
    void closed();

public slots:
    void enterPressed();
    void upArrowPressed();
    void downArrowPressed();
    void writeMessage(QString message);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildForm();

    QPlainTextEdit *plainTextEdit = nullptr;
    QLineEdit *linCommand = nullptr;
    QShortcut *upShortcut = nullptr;
    QShortcut *downShortcut = nullptr;
    std::vector<QKeySequence> windowShortcuts;
    QStringList history; // newest first
    int cursor = 0;      // index into history; history.size() stands for no entry
    Core::CommandInterpreter &interpreter;
};

} // namespace Ui::Console
