#include "UI/Operations/SpinCoatingOptionsDialog.h"

#include "UI/Operations/MaterialComboBox.h"
#include "UI/Operations/OptionsForm.h"

#include <QComboBox>
#include <QSpinBox>

namespace Ui::Operations {

namespace {

// Offered first: what is usually spun on and exposed.
constexpr uint32_t kPositiveResist = 11;
// Without a volume (a process-list step) the height is limited only when the step runs.
constexpr int kUnknownVolumeHeight = 1000000;
constexpr int kDefaultHeight = 10;
} // namespace

SpinCoatingOptionsDialog::SpinCoatingOptionsDialog(QWidget *parent) : QDialog(parent)
{
    OptionsForm form(this, QStringLiteral("SpinCoatingOptionsBaseDialog"),
                     QStringLiteral("Pour Material Options"));
    materialBox =
        MaterialComboBox::create(this, QStringLiteral("cbxMaterial"), MaterialOffer::wholeCatalogue());
    MaterialComboBox::selectId(materialBox, kPositiveResist);
    heightBox = OptionsForm::spinBox(this, QStringLiteral("sbxDepositionHeight"), QStringLiteral(" cells"),
                                     kUnknownVolumeHeight);
    heightBox->setValue(kDefaultHeight);
    form.addRow(QStringLiteral("Material"), materialBox);
    form.addRow(QStringLiteral("Deposition Height"), heightBox);
}

void SpinCoatingOptionsDialog::setVolumeHeight(uint32_t sizeZ)
{
    heightBox->setMaximum(int(qMin<uint32_t>(sizeZ, kUnknownVolumeHeight)));
}

uint32_t SpinCoatingOptionsDialog::getMaterialId() const
{
    return MaterialComboBox::selectedMaterialId(materialBox);
}

uint32_t SpinCoatingOptionsDialog::getHeight() const
{
    heightBox->interpretText();
    return uint32_t(heightBox->value());
}

void SpinCoatingOptionsDialog::loadParameters(const QMap<QString, QVariant> &parameters)
{
    bool ok = false;
    const uint height = parameters.value(QStringLiteral("Maximum Height")).toUInt(&ok);
    if (ok)
        heightBox->setValue(int(qMin<uint>(height, kUnknownVolumeHeight)));
    MaterialComboBox::selectStored(materialBox, parameters, QStringLiteral("Material"));
}

} // namespace Ui::Operations
