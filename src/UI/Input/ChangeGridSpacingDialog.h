#pragma once

#include <QDialog>

class QDoubleSpinBox;

namespace Ui::Input {

// Asks for the spacing of the view's grid, in world units.
class ChangeGridSpacingDialog : public QDialog {
    Q_OBJECT
public:
    ChangeGridSpacingDialog(double spacing, QWidget *parent = nullptr);
    double getSpacing() const;

private:
    QDoubleSpinBox *dbxSpacing;
};

} // namespace Ui::Input
