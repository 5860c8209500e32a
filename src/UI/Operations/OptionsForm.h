#pragma once

#include <QMap>
#include <QString>
#include <QVariant>

class QDialog;
class QDoubleSpinBox;
class QFormLayout;
class QSpinBox;
class QVBoxLayout;
class QWidget;

namespace Ui::Operations {

// Lays out an options dialog: labelled rows (or whole widgets) above OK and Cancel, which accept
// and reject the dialog.
class OptionsForm {
public:
    OptionsForm(QDialog *dialog, const QString &objectName, const QString &title);

    // A row with its label; the tool tip, when given, goes on both.
    void addRow(const QString &label, QWidget *field, const QString &toolTip = QString());
    // A row led by a widget (a radio button choosing the row, say); alone when `field` is null.
    void addRow(QWidget *lead, QWidget *field = nullptr);
    void addWidget(QWidget *widget);

    // An integer spin box over [0, maximum] with a suffix.
    static QSpinBox *spinBox(QWidget *parent, const QString &objectName, const QString &suffix, int maximum);
    // The film processes' fields (ranges of Core::Operations::FilmProcessLimits): a film thickness
    // or etch depth (2 decimals, 0 to 1e9, default 10, suffix " units"); a horizontal to vertical
    // ratio (3 decimals, `minimum` to 1e9, no arrow step, default 0.5); a whole number of cell
    // layers (1 to 999999999, default 1, suffix " cells").
    static QDoubleSpinBox *distanceBox(QWidget *parent, const QString &objectName);
    static QDoubleSpinBox *ratioBox(QWidget *parent, const QString &objectName, double minimum);
    static QSpinBox *layerBox(QWidget *parent, const QString &objectName);
    // Sets the box from parameters[key] when it is there and is a number (the box clamps it;
    // whole boxes truncate).
    static void preset(QDoubleSpinBox *box, const QMap<QString, QVariant> &parameters, const QString &key);
    static void preset(QSpinBox *box, const QMap<QString, QVariant> &parameters, const QString &key);
    // A double spin box over [minimum, maximum] showing `decimals` decimals, set to `value`.
    static QDoubleSpinBox *doubleSpinBox(QWidget *parent, const QString &objectName, const QString &suffix,
                                         int decimals, double minimum, double maximum, double value);

private:
    QDialog *dialog;
    QVBoxLayout *layout;
    QFormLayout *form;
};

} // namespace Ui::Operations
