#include "UI/Operations/ElectrodepositionDialog.h"

#include "UI/Operations/MaterialComboBox.h"
#include "UI/Operations/OptionsForm.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>

namespace Ui::Operations {

ElectrodepositionDialog::ElectrodepositionDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ElectrodepositionForm"));
    setWindowTitle(QStringLiteral("Electroplating Options"));
    thicknessBox = OptionsForm::distanceBox(this, QStringLiteral("dblFilmThickness"));
    depositedBox = OptionsForm::materialBox(this, QStringLiteral("cbxMaterial"));
    conductingBox = OptionsForm::materialBox(this, QStringLiteral("cbxConductingMaterial"));
    MaterialComboBox::fillWithAllMaterials(depositedBox);
    MaterialComboBox::fillWithAllMaterials(conductingBox);

    auto *form = new QFormLayout;
    form->addRow(new QLabel(QStringLiteral("Film thickness"), this), thicknessBox);
    form->addRow(new QLabel(QStringLiteral("Material"), this), depositedBox);
    form->addRow(new QLabel(QStringLiteral("Conducting Material"), this), conductingBox);
    OptionsForm::finish(this, form);
}

double ElectrodepositionDialog::getThickness() const
{
    return thicknessBox->value();
}

uint32_t ElectrodepositionDialog::getDepositedMaterialId() const
{
    return MaterialComboBox::selectedMaterialId(depositedBox);
}

uint32_t ElectrodepositionDialog::getConductingMaterialId() const
{
    return MaterialComboBox::selectedMaterialId(conductingBox);
}

void ElectrodepositionDialog::loadParameters(const QMap<QString, QVariant> &parameters)
{
    OptionsForm::preset(thicknessBox, parameters, QStringLiteral("Film Thickness"));
    MaterialComboBox::selectStored(depositedBox, parameters, QStringLiteral("Deposited Material_Id"),
                                   QStringLiteral("Deposited Material"));
    MaterialComboBox::selectStored(conductingBox, parameters, QStringLiteral("Conducting Material_Id"),
                                   QStringLiteral("Conducting Material"));
}

} // namespace Ui::Operations
