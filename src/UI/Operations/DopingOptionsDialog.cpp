#include "UI/Operations/DopingOptionsDialog.h"

#include "UI/Operations/MaterialChoice.h"
#include "UI/Operations/MaterialComboBox.h"
#include "UI/Operations/OptionsDialogParts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace Ui::Operations {

DopingOptionsDialog::DopingOptionsDialog(uint32_t processId, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DopingOptionsBaseDialog"));
    setWindowTitle(QStringLiteral("Doping Options"));
    materialBox = new QComboBox(this);
    materialBox->setObjectName(QStringLiteral("cbxDopedMaterial"));
    materialBox->setToolTip(QString::fromLatin1(MaterialChoice::kDopedMaterialToolTip));
    MaterialChoice::fill(materialBox, processId);
    depthBox = OptionsDialogParts::unitsSpinBox(this, QStringLiteral("dblDopingDepth"), 4, 10.0);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Doped Material"), materialBox);
    form->addRow(QStringLiteral("Doping Depth"), depthBox);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(OptionsDialogParts::okCancelButtons(this));
}

uint32_t DopingOptionsDialog::getMaterialId() const
{
    return MaterialComboBox::selectedMaterialId(materialBox);
}

double DopingOptionsDialog::getDepth() const
{
    return depthBox->value();
}

void DopingOptionsDialog::loadParameters(const QVariantMap &parameters)
{
    OptionsDialogParts::loadValue(depthBox, parameters, QStringLiteral("Doping Depth"));
    MaterialChoice::selectStored(materialBox, parameters, QStringLiteral("Doped Material"));
}

} // namespace Ui::Operations
