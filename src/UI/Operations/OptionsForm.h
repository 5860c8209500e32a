#pragma once

#include <QString>

class QDialog;
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
    void addWidget(QWidget *widget);

    // An integer spin box over [0, maximum] with a suffix.
    static QSpinBox *spinBox(QWidget *parent, const QString &objectName, const QString &suffix, int maximum);

private:
    QDialog *dialog;
    QVBoxLayout *layout;
    QFormLayout *form;
};

} // namespace Ui::Operations
