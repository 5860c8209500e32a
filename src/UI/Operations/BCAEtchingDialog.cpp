#include "UI/Operations/BCAEtchingDialog.h"

#include "Core/Operations/SiWetEtching/SiWetEtchRun.h"
#include "UI/Operations/OptionsForm.h"

#include <QDoubleSpinBox>

#include <cmath>

namespace Ui::Operations {

BCAEtchingDialog::BCAEtchingDialog(QWidget *parent) : QDialog(parent)
{
    OptionsForm form(this, QStringLiteral("BCAEtchingBaseDialog"), QStringLiteral("Wet Etching Options"));
    depthBox = new QDoubleSpinBox(this);
    depthBox->setObjectName(QStringLiteral("dblEtchDepth"));
    depthBox->setDecimals(2);
    depthBox->setRange(0.0, Core::Operations::SiWetEtchRun::kMaxDepth);
    depthBox->setValue(5.0);
    depthBox->setSuffix(QStringLiteral(" units"));
    form.addRow(
        QStringLiteral("Etch Depth"), depthBox,
        QStringLiteral("Set the depth of the etching. This is how far down the (100) plane on the surface "
                       "will be etched."));
}

double BCAEtchingDialog::getDepth() const
{
    return depthBox->value();
}

void BCAEtchingDialog::loadParameters(const QMap<QString, QVariant> &parameters)
{
    bool ok = false;
    const double depth = parameters.value(QStringLiteral("Depth")).toDouble(&ok);
    if (ok && std::isfinite(depth))
        depthBox->setValue(depth);
}

} // namespace Ui::Operations
