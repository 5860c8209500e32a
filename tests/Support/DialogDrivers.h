#pragma once

#include "Support/ModalBoxWatcher.h"
#include "Support/PersistenceTestSupport.h"
#include "UI/MainWindow.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QDialog>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

// Drivers for the offscreen dialogs and the main window, as a user works them.
namespace TestSupport {

// Once the next modal dialog runs its event loop, `fill` sets its controls (it must be of type D)
// and it is accepted, or rejected when `accept` is false. Call before the code that opens it.
template <class D = QDialog>
void answerNextDialog(std::function<void(D &)> fill = nullptr, bool accept = true)
{
    answerNextModal([fill, accept](QWidget *widget) {
        auto *dialog = qobject_cast<D *>(widget);
        ASSERT_NE(dialog, nullptr) << "no modal dialog of the expected type";
        if (fill)
            fill(*dialog);
        if (accept)
            dialog->accept();
        else
            dialog->reject();
    });
}

// The named child of `parent`; a test failure when there is none.
template <class W> W *child(const QObject &parent, const char *name)
{
    W *widget = parent.findChild<W *>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// Types `text` over the field's contents (a spin box or line edit) as a user would; Enter ends
// the typing when asked.
template <class Field> void typeInto(Field *box, const QString &text, bool pressEnter = false)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    if (pressEnter)
        QTest::keyClick(box, Qt::Key_Enter);
}

// A test with the built-in catalogues and a main window, closed (and so deleted) at the end.
class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture() { PersistenceTest::resetCatalogue(); }
    ~MainWindowFixture() override { window->close(); }

    Core::Workspace &workspace() { return window->getPresenter().getWorkspace(); }
    std::string lastMessage() { return workspace().getCommandInterpreter().getLastMessage(); }

    Ui::MainWindow *window = new Ui::MainWindow;
};

} // namespace TestSupport
