#include "UI/Operations/IonImplantationOptionsDialog.h"

#include "UI/Operations/MaterialChoice.h"
#include "UI/Operations/MaterialComboBox.h"
#include "UI/Operations/OptionsDialogParts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace Ui::Operations {

IonImplantationOptionsDialog::IonImplantationOptionsDialog(uint32_t processId, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("IonImplantationOptionsBaseDialog"));
    setWindowTitle(QStringLiteral("Ion Implantation Options"));
    materialBox = new QComboBox(this);
    materialBox->setObjectName(QStringLiteral("cbxDopedMaterial"));
    materialBox->setToolTip(QString::fromLatin1(MaterialChoice::kDopedMaterialToolTip));
    MaterialChoice::fill(materialBox, processId);
    depthBox = OptionsDialogParts::unitsSpinBox(this, QStringLiteral("dblImplantationDepth"), 2, 50.0);
    spreadBox = OptionsDialogParts::unitsSpinBox(this, QStringLiteral("dblVerticalSpread"), 2, 20.0);
    annealingBox = OptionsDialogParts::unitsSpinBox(this, QStringLiteral("dblAnnealingDistance"), 2, 10.0);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Doped Material"), materialBox);
    form->addRow(QStringLiteral("Implantation Depth"), depthBox);
    form->addRow(QStringLiteral("Vertical Spread"), spreadBox);
    form->addRow(QStringLiteral("Annealing Distance"), annealingBox);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(OptionsDialogParts::okCancelButtons(this));
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
    OptionsDialogParts::loadValue(depthBox, parameters, QStringLiteral("Implantation Depth"));
    OptionsDialogParts::loadValue(spreadBox, parameters, QStringLiteral("Vertical Spread"));
    OptionsDialogParts::loadValue(annealingBox, parameters, QStringLiteral("Annealing Distance"));
    MaterialChoice::selectStored(materialBox, parameters, QStringLiteral("Doped Material"));
}

} // namespace Ui::Operations
