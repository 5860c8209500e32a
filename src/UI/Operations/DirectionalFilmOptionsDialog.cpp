#include "UI/Operations/DirectionalFilmOptionsDialog.h"

#include "Model/Process/ProcessFactory.h"
#include "UI/Operations/MaterialComboBox.h"
#include "UI/Operations/OptionsForm.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>

#include <algorithm>

namespace Ui::Operations {

DirectionalFilmOptionsDialog::DirectionalFilmOptionsDialog(const Texts &texts, uint32_t processId,
                                                           QWidget *parent)
    : QDialog(parent), distanceKey(texts.distanceKey)
{
    setObjectName(texts.formName);
    setWindowTitle(Model::Process::ProcessFactory::instance()->getProcess(processId).getName()
                   + QStringLiteral(" Options"));
    distanceBox = OptionsForm::distanceBox(this, texts.distanceName);
    ratioBox = OptionsForm::ratioBox(this, QStringLiteral("dblHorizontalRatio"), texts.minimumRatio);
    materialBox = OptionsForm::materialBox(this, QStringLiteral("cbxMaterial"));
    MaterialComboBox::fillWithProcessMaterials(materialBox, processId);

    form = new QFormLayout;
    form->addRow(new QLabel(texts.distanceLabel, this), distanceBox);
    form->addRow(new QLabel(QStringLiteral("Horizontal ratio"), this), ratioBox);
    form->addRow(new QLabel(QStringLiteral("Material"), this), materialBox);
    OptionsForm::finish(this, form);
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

void DirectionalFilmOptionsDialog::offerAllMaterials()
{
    const uint32_t current = getMaterialId();
    MaterialComboBox::fillWithAllMaterials(materialBox);
    materialBox->setCurrentIndex(std::max(0, materialBox->findData(QVariant(current))));
}

void DirectionalFilmOptionsDialog::loadParameters(const QMap<QString, QVariant> &parameters)
{
    OptionsForm::preset(distanceBox, parameters, distanceKey);
    OptionsForm::preset(ratioBox, parameters, QStringLiteral("Horizontal to Vertical Ratio"));
    MaterialComboBox::selectStored(materialBox, parameters, QStringLiteral("Material_Id"),
                                   QStringLiteral("Material"));
}

} // namespace Ui::Operations
