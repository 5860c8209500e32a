#include "UI/Operations/OptionsForm.h"
#include "UI/DialogButtons.h"

#include "Core/Operations/FilmProcessLimits.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

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

namespace Limits = Core::Operations::FilmProcessLimits;

QDoubleSpinBox *OptionsForm::distanceBox(QWidget *parent, const QString &objectName)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(objectName);
    box->setDecimals(2);
    box->setRange(0.0, Limits::kMaxDistance);
    box->setValue(10.0);
    box->setSuffix(QStringLiteral(" units"));
    return box;
}

QDoubleSpinBox *OptionsForm::ratioBox(QWidget *parent, const QString &objectName, double minimum)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(objectName);
    box->setDecimals(3);
    box->setRange(minimum, Limits::kMaxRatio);
    box->setSingleStep(0.0);
    box->setValue(0.5);
    return box;
}

QSpinBox *OptionsForm::layerBox(QWidget *parent, const QString &objectName)
{
    QSpinBox *box = spinBox(parent, objectName, QStringLiteral(" cells"), int(Limits::kMaxLayers));
    box->setMinimum(int(Limits::kMinLayers));
    box->setValue(1);
    return box;
}

void OptionsForm::preset(QDoubleSpinBox *box, const QMap<QString, QVariant> &parameters, const QString &key)
{
    bool ok = false;
    const double value = parameters.value(key).toDouble(&ok);
    if (ok && !std::isnan(value))
        box->setValue(value);
}

void OptionsForm::preset(QSpinBox *box, const QMap<QString, QVariant> &parameters, const QString &key)
{
    bool ok = false;
    const double value = parameters.value(key).toDouble(&ok);
    if (ok && !std::isnan(value))
        box->setValue(int(std::clamp(std::trunc(value), double(box->minimum()), double(box->maximum()))));
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

} // namespace Ui::Operations
