#include "UI/Operations/IsotropicFilmOptionsDialog.h"

#include "UI/Operations/MaterialComboBox.h"

#include <QComboBox>
#include <QDoubleSpinBox>

namespace Ui::Operations {

IsotropicFilmOptionsDialog::IsotropicFilmOptionsDialog(const Texts &texts, const MaterialOffer &materials,
                                                       QWidget *parent)
    : QDialog(parent), form(this, texts.formName, texts.title), distanceKey(texts.distanceKey)
{
    distanceBox = OptionsForm::distanceBox(this, texts.distanceName);
    materialBox = MaterialComboBox::create(this, QStringLiteral("cbxMaterial"), materials);
    form.addRow(texts.distanceLabel, distanceBox);
    form.addRow(QStringLiteral("Material"), materialBox);
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
    OptionsForm::preset(distanceBox, parameters, distanceKey);
    MaterialComboBox::selectStored(materialBox, parameters, QStringLiteral("Material"));
}

} // namespace Ui::Operations
