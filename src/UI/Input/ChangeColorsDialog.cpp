#include "UI/Input/ChangeColorsDialog.h"
#include "UI/DialogButtons.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>

namespace Ui::Input {

ChangeColorsDialog::ChangeColorsDialog(const ViewColors &initial, QWidget *parent)
    : QDialog(parent), colors(initial)
{
    setWindowTitle(QStringLiteral("Change Default Colors"));
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Background"), colorButton("btnBackground", &ViewColors::background));
    form->addRow(QStringLiteral("Grid"), colorButton("btnGrid", &ViewColors::grid));
    form->addRow(QStringLiteral("Object"), colorButton("btnObject", &ViewColors::object));
    form->addRow(QStringLiteral("Outline"), colorButton("btnOutline", &ViewColors::outline));

    auto *defaults = new QPushButton(QStringLiteral("Default Colors"));
    defaults->setObjectName(QStringLiteral("btnDefaultColors"));
    connect(defaults, &QPushButton::clicked, this, [this] {
        colors = ViewColors::defaultScheme();
        showColors();
    });
    auto *low = new QPushButton(QStringLiteral("Low Colors"));
    low->setObjectName(QStringLiteral("btnLowColors"));
    connect(low, &QPushButton::clicked, this, [this] {
        colors = ViewColors::lowScheme();
        showColors();
    });
    auto *schemes = new QHBoxLayout;
    schemes->addWidget(defaults);
    schemes->addWidget(low);

    auto *box = okCancelButtons(this);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(schemes);
    layout->addWidget(box);
    showColors();
}

QPushButton *ChangeColorsDialog::colorButton(const char *objectName, QColor ViewColors::*member)
{
    auto *button = new QPushButton;
    button->setObjectName(QString::fromUtf8(objectName));
    button->setMinimumWidth(80);
    connect(button, &QPushButton::clicked, this, [this, member] {
        const QColor chosen = QColorDialog::getColor(colors.*member, this);
        if (chosen.isValid()) {
            colors.*member = chosen;
            showColors();
        }
    });
    buttons.emplace_back(button, member);
    return button;
}

void ChangeColorsDialog::showColors()
{
    for (const auto &[button, member] : buttons)
        button->setStyleSheet(QStringLiteral("background-color : %1").arg((colors.*member).name()));
}

} // namespace Ui::Input
