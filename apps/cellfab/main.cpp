#include "Model/Catalogues.h"
#include "UI/MainWindow.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    Model::initializeCatalogues();

    QPixmap icon(32, 32);
    if (!icon.load(QStringLiteral("icon.ico")))
        icon.fill(QColor(207, 8, 12, 255));
    QApplication::setWindowIcon(QIcon(icon));

    auto *window = new Ui::MainWindow;
    window->showMaximized();
    return QApplication::exec();
}
