#include "UI/Operations/OptionsForm.h"
#include "UI/DialogButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
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

void OptionsForm::addRow(QWidget *lead, QWidget *field)
{
    if (field)
        form->addRow(lead, field);
    else
        form->addRow(lead);
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

QDoubleSpinBox *OptionsForm::doubleSpinBox(QWidget *parent, const QString &objectName, const QString &suffix,
                                           int decimals, double minimum, double maximum, double value)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(objectName);
    box->setDecimals(decimals);
    box->setRange(minimum, maximum);
    box->setValue(value);
    box->setSuffix(suffix);
    return box;
}

void OptionsForm::loadValue(QDoubleSpinBox *box, const QMap<QString, QVariant> &parameters,
                            const QString &key)
{
    bool ok = false;
    const double value = parameters.value(key).toDouble(&ok);
    if (ok)
        box->setValue(value);
}

} // namespace Ui::Operations
