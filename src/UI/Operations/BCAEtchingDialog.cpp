#include "UI/Operations/BCAEtchingDialog.h"

#include "Core/Operations/SiWetEtching/SiWetEtchRun.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <cmath>

namespace Ui::Operations {

BCAEtchingDialog::BCAEtchingDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("BCAEtchingBaseDialog"));
    setWindowTitle(QStringLiteral("Wet Etching Options"));

    depthBox = new QDoubleSpinBox(this);
    depthBox->setObjectName(QStringLiteral("dblEtchDepth"));
    depthBox->setDecimals(2);
    depthBox->setRange(0.0, Core::Operations::SiWetEtchRun::kMaxDepth);
    depthBox->setValue(5.0);
    depthBox->setSuffix(QStringLiteral(" units"));
    depthBox->setToolTip(
        QStringLiteral("Set the depth of the etching. This is how far down the (100) plane on "
                       "the surface will be etched."));

    auto *form = new QFormLayout;
    form->addRow(new QLabel(QStringLiteral("Etch Depth"), this), depthBox);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
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
