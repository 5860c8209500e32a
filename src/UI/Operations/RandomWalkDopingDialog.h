#pragma once

#include "Core/Operations/RandomWalkDoping/RandomWalkParameters.h"

#include "UI/Operations/MaterialOffer.h"

#include <QDialog>
#include <QVariantMap>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Ui::Operations {

// "Random Walk Doping Options". The diffusion coefficient and the time step are coupled so that
// the total hop probability 6p stays 0.5: once the diffusion coefficient or the cell size has
// been edited the time step follows, once the time step has been edited the diffusion
// coefficient follows. Values the walk cannot run with disable OK and say why.
class RandomWalkDopingDialog : public QDialog {
    Q_OBJECT
public:
    explicit RandomWalkDopingDialog(const MaterialOffer &materials, QWidget *parent = nullptr);
    // Offers the whole catalogue, as a process-list step needs.
    explicit RandomWalkDopingDialog(QWidget *parent = nullptr);

    Core::Operations::RandomWalkSettings getSettings() const;
    // Presets the widgets from a stored random-walk step, as stored (no coupling).
    void loadParameters(const QVariantMap &parameters);

private:
    QLineEdit *numberEdit(const char *name, double value);
    double numberIn(const QLineEdit *edit) const;
    // After an edit has finished: the partner of the edited value follows.
    void coupleTimeStep();
    void coupleDiffusionCoefficient();
    void checkValues();

    QDoubleSpinBox *timeBox = nullptr;
    QComboBox *materialBox = nullptr;
    QLineEdit *diffusionEdit = nullptr;
    QLineEdit *cellSizeEdit = nullptr;
    QLineEdit *timeStepEdit = nullptr;
    QLineEdit *concentrationEdit = nullptr;
    QDoubleSpinBox *thresholdBox = nullptr;
    QLabel *problemLabel = nullptr;
    QPushButton *okButton = nullptr;
};

} // namespace Ui::Operations
