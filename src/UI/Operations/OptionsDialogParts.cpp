#include "UI/Operations/OptionsDialogParts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>

namespace Ui::Operations::OptionsDialogParts {

QDoubleSpinBox *unitsSpinBox(QWidget *parent, const QString &objectName, int decimals, double value)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(objectName);
    box->setDecimals(decimals);
    box->setRange(0.0, 1e9);
    box->setValue(value);
    box->setSuffix(QStringLiteral(" units"));
    return box;
}

QDialogButtonBox *okCancelButtons(QDialog *dialog)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

void loadValue(QDoubleSpinBox *box, const QVariantMap &parameters, const QString &key)
{
    bool ok = false;
    const double value = parameters.value(key).toDouble(&ok);
    if (ok)
        box->setValue(value);
}

} // namespace Ui::Operations::OptionsDialogParts
