#pragma once

#include <QString>
#include <QVariantMap>

class QDialog;
class QDialogButtonBox;
class QDoubleSpinBox;
class QWidget;

namespace Ui::Operations::OptionsDialogParts {

// A spin box of lengths in cell units: 0 to 1e9 with the suffix " units".
QDoubleSpinBox *unitsSpinBox(QWidget *parent, const QString &objectName, int decimals, double value);
// OK and Cancel, accepting and rejecting the dialog.
QDialogButtonBox *okCancelButtons(QDialog *dialog);
// Sets the box from a stored parameter when it holds a number.
void loadValue(QDoubleSpinBox *box, const QVariantMap &parameters, const QString &key);

} // namespace Ui::Operations::OptionsDialogParts
