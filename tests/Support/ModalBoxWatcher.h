#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

// Closes every message box that appears while it lives, remembering titles and texts, so tests
// can run code that shows modal boxes.
class ModalBoxWatcher {
public:
    ModalBoxWatcher()
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            titles << box->windowTitle();
            texts << box->text();
            box->close();
        });
        timer.start();
    }

    QStringList titles;
    QStringList texts;

private:
    QTimer timer;
};
