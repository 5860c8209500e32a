#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

// Closes every message box that appears while it lives, remembering titles and texts, so tests
// can run code that shows modal boxes.
class ModalBoxWatcher {
public:
    // `answer`: the button to press where the box has it; otherwise the box is closed.
    explicit ModalBoxWatcher(QMessageBox::StandardButton answer = QMessageBox::NoButton)
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this, answer] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
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
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this, path] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            dialog->selectFile(path);
            static_cast<QDialog *>(dialog)->accept(); // as the accept button does
        });
        timer.start();
    }

private:
    QTimer timer;
};
