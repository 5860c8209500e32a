#pragma once

#include <QMap>
#include <QString>
#include <QVariant>

class QComboBox;
class QDialog;
class QDoubleSpinBox;
class QFormLayout;
class QSpinBox;
class QWidget;

namespace Ui::Operations {

// Builds the rows the film process dialogs share and presets them from stored process
// parameters. Ranges are those of the film processes (Core::Operations::FilmProcessLimits).
class OptionsForm {
public:
    // A film thickness or etch depth: 2 decimals, 0 to 1e9, default 10, suffix " units".
    static QDoubleSpinBox *distanceBox(QWidget *parent, const QString &objectName);
    // A horizontal to vertical ratio: 3 decimals, `minimum` to 1e9, no arrow step, default 0.5.
    static QDoubleSpinBox *ratioBox(QWidget *parent, const QString &objectName, double minimum);
    // A whole number of cell layers: 1 to 999999999, default 1, suffix " cells".
    static QSpinBox *layerBox(QWidget *parent, const QString &objectName);
    static QComboBox *materialBox(QWidget *parent, const QString &objectName);

    // Puts `form` and the OK and Cancel buttons into the dialog.
    static void finish(QDialog *dialog, QFormLayout *form);

    // Sets the box from parameters[key] when it is there and is a number (the box clamps it).
    static void preset(QDoubleSpinBox *box, const QMap<QString, QVariant> &parameters, const QString &key);
    static void preset(QSpinBox *box, const QMap<QString, QVariant> &parameters, const QString &key);
};

} // namespace Ui::Operations
