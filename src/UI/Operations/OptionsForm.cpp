#include "UI/Operations/OptionsForm.h"
#include "UI/DialogButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace Ui::Operations {

OptionsForm::OptionsForm(QDialog *dialog, const QString &objectName, const QString &title)
    : dialog(dialog), layout(new QVBoxLayout(dialog)), form(new QFormLayout)
{
    dialog->setObjectName(objectName);
    dialog->setWindowTitle(title);
    layout->addLayout(form);
    layout->addWidget(okCancelButtons(dialog));
}

void OptionsForm::addRow(const QString &label, QWidget *field, const QString &toolTip)
{
    auto *labelWidget = new QLabel(label, dialog);
    labelWidget->setBuddy(field);
    if (!toolTip.isEmpty()) {
        labelWidget->setToolTip(toolTip);
        field->setToolTip(toolTip);
    }
    form->addRow(labelWidget, field);
}

void OptionsForm::addWidget(QWidget *widget)
{
    layout->insertWidget(layout->count() - 1, widget);
}

QSpinBox *OptionsForm::spinBox(QWidget *parent, const QString &objectName, const QString &suffix, int maximum)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(objectName);
    box->setRange(0, maximum);
    box->setSuffix(suffix);
    return box;
}

} // namespace Ui::Operations
