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

// The options of an isotropic film process: a distance (film thickness or etch depth, in length
// units) and one of the offered materials. Shared by the deposition and etching dialogs, which
// differ only in their texts.
class IsotropicFilmOptionsDialog : public QDialog {
    Q_OBJECT
public:
    struct Texts {
        QString formName;      // the dialog's object name
        QString title;         // window title
        QString distanceLabel; // label of the distance spin box
        QString distanceName;  // object name of the distance spin box
        QString distanceKey;   // stored-parameter key of the distance
    };

    IsotropicFilmOptionsDialog(const Texts &texts, const MaterialOffer &materials, QWidget *parent = nullptr);

    double getDistance() const;
    uint32_t getMaterialId() const;
    // Presets the widgets from stored process parameters: the distance from its key, the material
    // as stored (MaterialComboBox::selectStored).
    void loadParameters(const QMap<QString, QVariant> &parameters);

private:
    OptionsForm form;
    QString distanceKey;
    QDoubleSpinBox *distanceBox = nullptr;
    QComboBox *materialBox = nullptr;
};

} // namespace Ui::Operations
