#include "UI/Operations/DirectionalFilmOptionsDialog.h"

#include "Model/Process/ProcessFactory.h"
#include "UI/Operations/MaterialComboBox.h"
#include "UI/Operations/OptionsForm.h"

#include <QComboBox>
#include <QDoubleSpinBox>

namespace Ui::Operations {

DirectionalFilmOptionsDialog::DirectionalFilmOptionsDialog(const Texts &texts, const MaterialOffer &materials,
                                                           QWidget *parent)
    : QDialog(parent), form(this, texts.formName,
                            Model::Process::ProcessFactory::instance()->getProcess(texts.processId).getName()
                                + QStringLiteral(" Options")),
      distanceKey(texts.distanceKey)
{
    distanceBox = OptionsForm::distanceBox(this, texts.distanceName);
    ratioBox = OptionsForm::ratioBox(this, QStringLiteral("dblHorizontalRatio"), texts.minimumRatio);
    materialBox = MaterialComboBox::create(this, QStringLiteral("cbxMaterial"), materials);
    form.addRow(texts.distanceLabel, distanceBox);
    form.addRow(QStringLiteral("Horizontal ratio"), ratioBox);
    form.addRow(QStringLiteral("Material"), materialBox);
}

double DirectionalFilmOptionsDialog::getDistance() const
{
    return distanceBox->value();
}

double DirectionalFilmOptionsDialog::getRatio() const
{
    return ratioBox->value();
}

uint32_t DirectionalFilmOptionsDialog::getMaterialId() const
{
    return MaterialComboBox::selectedMaterialId(materialBox);
}

void DirectionalFilmOptionsDialog::loadParameters(const QMap<QString, QVariant> &parameters)
{
    OptionsForm::preset(distanceBox, parameters, distanceKey);
    OptionsForm::preset(ratioBox, parameters, QStringLiteral("Horizontal to Vertical Ratio"));
    MaterialComboBox::selectStored(materialBox, parameters, QStringLiteral("Material"));
}

} // namespace Ui::Operations
