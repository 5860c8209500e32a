#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringList>
#include <QThread>
#include <QTimer>

#include <functional>
#include <memory>

// Tests answer modal dialogs from a timer. A dialog may process events while `exec` shows it,
// before its own event loop runs; closing it then ends nothing and `exec` waits for ever. So a
// dialog counts as open only once an event loop deeper than the test's own is running.
inline bool modalLoopRuns(int testLoopLevel)
{
    return QApplication::activeModalWidget() && QThread::currentThread()->loopLevel() > testLoopLevel;
}

// Runs `answer` on the next modal dialog once its event loop runs (polled every few ms); the
// poll stops after the first answer.
inline void answerNextModal(std::function<void(QWidget *)> answer)
{
    auto *timer = new QTimer(qApp);
    const int level = QThread::currentThread()->loopLevel();
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, level, answer = std::move(answer)] {
        if (!modalLoopRuns(level))
            return;
        timer->stop();
        timer->deleteLater();
        answer(QApplication::activeModalWidget());
    });
    timer->start();
}

// Closes every message box that appears while it lives, remembering titles and texts, so tests
// can run code that shows modal boxes.
class ModalBoxWatcher {
public:
    // `answer`: the button to press where the box has it; otherwise the box is closed.
    explicit ModalBoxWatcher(QMessageBox::StandardButton answer = QMessageBox::NoButton)
    {
        const int level = QThread::currentThread()->loopLevel();
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this, answer, level] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !modalLoopRuns(level))
                return;
            titles << box->windowTitle();
            texts << box->text();
            if (QAbstractButton *button = box->button(answer))
                button->click();
            else
                box->close();
        });
        timer.start();
    }

    QStringList titles;
    QStringList texts;

private:
    QTimer timer;
};

// Answers every file dialog that appears while it lives as a user typing `path` into its name
// line and pressing the accept button.
class FileDialogAnswer {
public:
    explicit FileDialogAnswer(const QString &path)
    {
        const int level = QThread::currentThread()->loopLevel();
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [path, level] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog || !modalLoopRuns(level))
                return;
            // Typed into the name line: selectFile alone can be undone by the dialog's own
            // loading of the folder, which leaves the folder chosen instead of the file.
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
            static_cast<QDialog *>(dialog)->accept(); // as the accept button does
        });
        timer.start();
    }

private:
    QTimer timer;
};
