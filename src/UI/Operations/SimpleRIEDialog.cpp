#include "UI/Operations/SimpleRIEDialog.h"

#include "Core/Operations/ReactiveIonEtching/SimpleReactiveIonEtching.h"
#include "UI/Operations/MaterialComboBox.h"
#include "UI/Operations/OptionsForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

namespace Ui::Operations {

using Core::Operations::SimpleReactiveIonEtching;

namespace {
constexpr int kMaximumDepth = 1000000;
constexpr int kDefaultDepth = 10;
} // namespace

SimpleRIEDialog::SimpleRIEDialog(QWidget *parent) : QDialog(parent)
{
    OptionsForm form(this, QStringLiteral("SimpleRIEForm"), QStringLiteral("Simple RIE Options"));
    materialBox =
        MaterialComboBox::create(this, QStringLiteral("cbxMaterial"), MaterialOffer::wholeCatalogue());
    depthBox =
        OptionsForm::spinBox(this, QStringLiteral("sbxEtchDepth"), QStringLiteral(" units"), kMaximumDepth);
    depthBox->setValue(kDefaultDepth);
    fromTopBox = new QCheckBox(QStringLiteral("Etch from top"), this);
    fromTopBox->setObjectName(QStringLiteral("chkEtchFromTop"));
    fromTopBox->setChecked(true);
    fromBelowBox = new QCheckBox(QStringLiteral("Etch from below"), this);
    fromBelowBox->setObjectName(QStringLiteral("chkEtchFromBelow"));
    form.addRow(QStringLiteral("Material"), materialBox);
    form.addRow(QStringLiteral("Etch Depth"), depthBox);
    form.addWidget(fromTopBox);
    form.addWidget(fromBelowBox);
}

uint32_t SimpleRIEDialog::getMaterialId() const
{
    return MaterialComboBox::selectedMaterialId(materialBox);
}

uint32_t SimpleRIEDialog::getDepth() const
{
    depthBox->interpretText();
    return uint32_t(depthBox->value());
}

uint8_t SimpleRIEDialog::getDirections() const
{
    return uint8_t((fromTopBox->isChecked() ? SimpleReactiveIonEtching::kFromTop : 0)
                   | (fromBelowBox->isChecked() ? SimpleReactiveIonEtching::kFromBelow : 0));
}

void SimpleRIEDialog::loadParameters(const QMap<QString, QVariant> &parameters)
{
    bool ok = false;
    const uint depth = parameters.value(QStringLiteral("Etch Depth")).toUInt(&ok);
    if (ok)
        depthBox->setValue(int(qMin<uint>(depth, kMaximumDepth)));
    const uint directions = parameters.value(QStringLiteral("EtchDirectionValue")).toUInt(&ok);
    if (ok) {
        fromTopBox->setChecked(directions & SimpleReactiveIonEtching::kFromTop);
        fromBelowBox->setChecked(directions & SimpleReactiveIonEtching::kFromBelow);
    }
    MaterialComboBox::selectStored(materialBox, parameters, QStringLiteral("Material"));
}

} // namespace Ui::Operations
