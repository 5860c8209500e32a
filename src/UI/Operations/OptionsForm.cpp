#include "UI/Operations/OptionsForm.h"

#include "Core/Operations/FilmProcessLimits.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace Ui::Operations {

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
    auto *box = new QSpinBox(parent);
    box->setObjectName(objectName);
    box->setRange(int(Limits::kMinLayers), int(Limits::kMaxLayers));
    box->setValue(1);
    box->setSuffix(QStringLiteral(" cells"));
    return box;
}

QComboBox *OptionsForm::materialBox(QWidget *parent, const QString &objectName)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(objectName);
    return box;
}

void OptionsForm::finish(QDialog *dialog, QFormLayout *form)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
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

} // namespace Ui::Operations
