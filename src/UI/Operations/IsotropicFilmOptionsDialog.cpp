#include "UI/Operations/IsotropicFilmOptionsDialog.h"
#include "UI/DialogButtons.h"

#include "UI/Operations/MaterialComboBox.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace Ui::Operations {

IsotropicFilmOptionsDialog::IsotropicFilmOptionsDialog(const Texts &texts, const MaterialOffer &materials,
                                                       QWidget *parent)
    : QDialog(parent), distanceKey(texts.distanceKey)
{
    setObjectName(texts.formName);
    setWindowTitle(texts.title);

    distanceBox = new QDoubleSpinBox(this);
    distanceBox->setObjectName(texts.distanceName);
    distanceBox->setDecimals(2);
    distanceBox->setRange(0.0, 1e9);
    distanceBox->setValue(10.0);
    distanceBox->setSuffix(QStringLiteral(" units"));

    materialBox = new QComboBox(this);
    materialBox->setObjectName(QStringLiteral("cbxMaterial"));
    MaterialComboBox::fill(materialBox, materials);

    auto *form = new QFormLayout;
    form->addRow(new QLabel(texts.distanceLabel, this), distanceBox);
    form->addRow(new QLabel(QStringLiteral("Material"), this), materialBox);

    auto *buttons = okCancelButtons(this);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

double IsotropicFilmOptionsDialog::getDistance() const
{
    return distanceBox->value();
}

uint32_t IsotropicFilmOptionsDialog::getMaterialId() const
{
    return MaterialComboBox::selectedMaterialId(materialBox);
}

void IsotropicFilmOptionsDialog::loadParameters(const QMap<QString, QVariant> &parameters)
{
    if (parameters.contains(distanceKey)) {
        bool ok = false;
        const double value = parameters.value(distanceKey).toDouble(&ok);
        if (ok)
            distanceBox->setValue(value);
    }
    MaterialComboBox::selectStored(materialBox, parameters, QStringLiteral("Material"));
}

} // namespace Ui::Operations
