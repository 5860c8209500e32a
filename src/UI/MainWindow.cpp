#include "UI/MainWindow.h"

namespace Ui {

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainWindowForm"));
    setWindowTitle(QStringLiteral("Cellfab"));
    resize(800, 600);
    presenter = new MainWindowPresenter(this);
    presenter->connectViewUpdates();
    setAttribute(Qt::WA_DeleteOnClose);
}

MainWindow::~MainWindow() = default;

void MainWindow::setUndoOperationName(const QString &) {}

void MainWindow::setRedoOperationName(const QString &) {}

void MainWindow::repaintCentralWidget()
{
    if (centralWidget())
        centralWidget()->update();
}

} // namespace Ui
