#include "Model/Catalogues.h"
#include "UI/ApplicationIcon.h"
#include "UI/MainWindow.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    Model::initializeCatalogues();
    QApplication::setWindowIcon(QIcon(Ui::applicationIcon()));
    auto *window = new Ui::MainWindow;
    window->showMaximized();
    return QApplication::exec();
}
