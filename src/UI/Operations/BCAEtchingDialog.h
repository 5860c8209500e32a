#pragma once

#include <QDialog>
#include <QMap>
#include <QString>
#include <QVariant>

class QDoubleSpinBox;

namespace Ui::Operations {

// "Wet Etching Options": the etch depth of the silicon wet etchings, in lattice constants
// (a depth of 1 takes four (100) atomic layers off the surface).
class BCAEtchingDialog : public QDialog {
    Q_OBJECT
public:
    explicit BCAEtchingDialog(QWidget *parent = nullptr);

    double getDepth() const;
    // Presets the depth from a stored "Depth" parameter.
    void loadParameters(const QMap<QString, QVariant> &parameters);

private:
    QDoubleSpinBox *depthBox = nullptr;
};

} // namespace Ui::Operations
