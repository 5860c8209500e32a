#include "UI/Operations/PlanarizationOptionsDialog.h"

#include "UI/Operations/OptionsForm.h"
#include "UI/Operations/SpinBoxCoupling.h"

#include <QSpinBox>

namespace Ui::Operations {

namespace {

// Without a volume (a process-list step) heights are limited only when the step runs.
constexpr int kUnknownVolumeHeight = 1000000;
constexpr int kUnknownVolumeDefault = 100;

int storedHeight(const QMap<QString, QVariant> &parameters, const QString &key, int fallback)
{
    bool ok = false;
    const uint value = parameters.value(key).toUInt(&ok);
    return ok ? int(qMin<uint>(value, kUnknownVolumeHeight)) : fallback;
}

} // namespace

PlanarizationOptionsDialog::PlanarizationOptionsDialog(QWidget *parent) : QDialog(parent)
{
    OptionsForm form(this, QStringLiteral("PlanarizationOptionsBaseDialog"),
                     QStringLiteral("Planarization Options"));
    minimumBox = OptionsForm::spinBox(this, QStringLiteral("sbxMinimumHeight"), QStringLiteral(" cells"),
                                      kUnknownVolumeHeight);
    maximumBox = OptionsForm::spinBox(this, QStringLiteral("sbxMaximumHeight"), QStringLiteral(" cells"),
                                      kUnknownVolumeHeight);
    maximumBox->setValue(kUnknownVolumeDefault);
    form.addRow(QStringLiteral("Minimum Height"), minimumBox,
                QStringLiteral("All cells below this height will be removed."));
    form.addRow(QStringLiteral("Maximum Height"), maximumBox,
                QStringLiteral("All cells above this height will be removed."));
    coupleSpinBox(maximumBox, this, &PlanarizationOptionsDialog::updateMinimumLimits);
    updateMinimumLimits(maximumBox->value());
}

void PlanarizationOptionsDialog::setVolumeHeight(uint32_t sizeZ)
{
    const int top = int(qMin<uint32_t>(sizeZ, kUnknownVolumeHeight));
    maximumBox->setMaximum(top);
    maximumBox->setValue(top);
    minimumBox->setMaximum(top);
    updateMinimumLimits(maximumBox->value());
}

void PlanarizationOptionsDialog::updateMinimumLimits(int maximum)
{
    minimumBox->setMaximum(maximum);
}

uint32_t PlanarizationOptionsDialog::getMaximumHeight() const
{
    maximumBox->interpretText();
    return uint32_t(maximumBox->value());
}

uint32_t PlanarizationOptionsDialog::getMinimumHeight() const
{
    minimumBox->interpretText();
    return uint32_t(minimumBox->value());
}

void PlanarizationOptionsDialog::loadParameters(const QMap<QString, QVariant> &parameters)
{
    maximumBox->setValue(storedHeight(parameters, QStringLiteral("Maximum Height"), maximumBox->value()));
    minimumBox->setValue(storedHeight(parameters, QStringLiteral("Minimum Height"), minimumBox->value()));
}

} // namespace Ui::Operations
