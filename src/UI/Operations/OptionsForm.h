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
    // A double spin box over [minimum, maximum] showing `decimals` decimals, set to `value`.
    static QDoubleSpinBox *doubleSpinBox(QWidget *parent, const QString &objectName, const QString &suffix,
                                         int decimals, double minimum, double maximum, double value);
    // Sets the box from a stored process parameter when that holds a number.
    static void loadValue(QDoubleSpinBox *box, const QMap<QString, QVariant> &parameters, const QString &key);

private:
    QDialog *dialog;
    QVBoxLayout *layout;
    QFormLayout *form;
};

} // namespace Ui::Operations
