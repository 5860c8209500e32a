#include "UI/Operations/IonImplantationOptionsDialog.h"

#include "UI/Operations/DopedMaterialBox.h"
#include "UI/Operations/MaterialComboBox.h"
#include "UI/Operations/OptionsForm.h"

#include <QComboBox>
#include <QDoubleSpinBox>

namespace Ui::Operations {

IonImplantationOptionsDialog::IonImplantationOptionsDialog(const MaterialOffer &materials, QWidget *parent)
    : QDialog(parent)
{
    OptionsForm form(this, QStringLiteral("IonImplantationOptionsBaseDialog"),
                     QStringLiteral("Ion Implantation Options"));
    materialBox = dopedMaterialBox(this, QStringLiteral("cbxDopedMaterial"), materials);
    const auto distance = [this](const char *name, double value) {
        return OptionsForm::doubleSpinBox(this, QLatin1String(name), QStringLiteral(" units"), 2, 0.0, 1e9,
                                          value);
    };
    depthBox = distance("dblImplantationDepth", 50.0);
    spreadBox = distance("dblVerticalSpread", 20.0);
    annealingBox = distance("dblAnnealingDistance", 10.0);
    form.addRow(QStringLiteral("Doped Material"), materialBox);
    form.addRow(QStringLiteral("Implantation Depth"), depthBox);
    form.addRow(QStringLiteral("Vertical Spread"), spreadBox);
    form.addRow(QStringLiteral("Annealing Distance"), annealingBox);
}

IonImplantationOptionsDialog::IonImplantationOptionsDialog(QWidget *parent)
    : IonImplantationOptionsDialog(MaterialOffer::wholeCatalogue(), parent)
{
}

uint32_t IonImplantationOptionsDialog::getMaterialId() const
{
    return MaterialComboBox::selectedMaterialId(materialBox);
}

Core::Operations::ImplantationProfile IonImplantationOptionsDialog::getProfile() const
{
    Core::Operations::ImplantationProfile profile;
    profile.depth = float(depthBox->value());
    profile.spread = float(spreadBox->value());
    profile.annealing = float(annealingBox->value());
    return profile;
}

void IonImplantationOptionsDialog::loadParameters(const QVariantMap &parameters)
{
    OptionsForm::preset(depthBox, parameters, QStringLiteral("Implantation Depth"));
    OptionsForm::preset(spreadBox, parameters, QStringLiteral("Vertical Spread"));
    OptionsForm::preset(annealingBox, parameters, QStringLiteral("Annealing Distance"));
    MaterialComboBox::selectStored(materialBox, parameters, QStringLiteral("Doped Material"));
}

} // namespace Ui::Operations
