#include "UI/Input/AboutWindow.h"

#include "UI/ApplicationIcon.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace Ui {

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About"));
    auto *icon = new QLabel;
    icon->setPixmap(applicationIcon().scaled(64, 64));
    auto *text =
        new QLabel(QStringLiteral("<h3>Cellfab</h3>"
                                  "<p>A simulator of micro-fabrication process sequences on cell volumes.</p>"
                                  "<p>Built with Qt %1, OpenGL and Boost.</p>")
                       .arg(QString::fromLatin1(qVersion())));
    text->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(text, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

} // namespace Ui
