#pragma once

#include "UI/Operations/MaterialOffer.h"
#include "UI/Operations/OptionsForm.h"

#include <QDialog>
#include <QMap>
#include <QString>
#include <QVariant>

class QComboBox;
class QDoubleSpinBox;

namespace Ui::Operations {

// The options of a film process with a horizontal to vertical ratio: a distance (film thickness
// or etch depth, in length units), the ratio and one of the offered materials. The window title
// is the process's name followed by " Options".
class DirectionalFilmOptionsDialog : public QDialog {
    Q_OBJECT
public:
    struct Texts {
        QString formName;      // the dialog's object name
        QString distanceLabel; // label of the distance spin box
        QString distanceName;  // object name of the distance spin box
        QString distanceKey;   // stored-parameter key of the distance
        double minimumRatio;   // the smallest ratio the dialog accepts
        uint32_t processId;    // the process whose name titles the dialog
    };

    DirectionalFilmOptionsDialog(const Texts &texts, const MaterialOffer &materials,
                                 QWidget *parent = nullptr);

    double getDistance() const;
    double getRatio() const;
    uint32_t getMaterialId() const;

    // Presets the widgets from stored process parameters: the distance from its key, the ratio
    // from "Horizontal to Vertical Ratio", the material as stored (MaterialComboBox::selectStored).
    virtual void loadParameters(const QMap<QString, QVariant> &parameters);

protected:
    OptionsForm form;

private:
    QString distanceKey;
    QDoubleSpinBox *distanceBox = nullptr;
    QDoubleSpinBox *ratioBox = nullptr;
    QComboBox *materialBox = nullptr;
};

} // namespace Ui::Operations
