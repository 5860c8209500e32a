#include "UI/Operations/PVDOptionsDialog.h"

#include "Core/Operations/FilmProcessLimits.h"
#include "Model/Process/ProcessFactory.h"

#include <QRadioButton>

namespace Ui::Operations {

using Core::Operations::DepositSide;

PVDOptionsDialog::PVDOptionsDialog(const MaterialOffer &materials, QWidget *parent)
    : DirectionalFilmOptionsDialog({QStringLiteral("PVDOptionsBaseDialog"), QStringLiteral("Film thickness"),
                                    QStringLiteral("dblFilmThickness"), QStringLiteral("Thickness"),
                                    Core::Operations::FilmProcessLimits::kMinVaporRatio,
                                    Model::Process::ProcessIds::kPvd},
                                   materials, parent)
{
    topButton = new QRadioButton(QStringLiteral("Deposit on top"), this);
    topButton->setObjectName(QStringLiteral("radDepositTop"));
    topButton->setChecked(true);
    bottomButton = new QRadioButton(QStringLiteral("Deposit on bottom"), this);
    bottomButton->setObjectName(QStringLiteral("radDepositBottom"));
    bothButton = new QRadioButton(QStringLiteral("Deposit on both sides"), this);
    bothButton->setObjectName(QStringLiteral("radDepositBoth"));
    for (QRadioButton *button : {topButton, bottomButton, bothButton})
        form.addWidget(button);
}

DepositSide PVDOptionsDialog::getDepositSide() const
{
    if (bottomButton->isChecked())
        return DepositSide::Bottom;
    return bothButton->isChecked() ? DepositSide::Both : DepositSide::Top;
}

void PVDOptionsDialog::loadParameters(const QMap<QString, QVariant> &parameters)
{
    DirectionalFilmOptionsDialog::loadParameters(parameters);
    bool ok = false;
    const int side = parameters.value(QStringLiteral("DepositOn")).toInt(&ok);
    if (!ok)
        return;
    if (side == int(DepositSide::Top))
        topButton->setChecked(true);
    else if (side == int(DepositSide::Bottom))
        bottomButton->setChecked(true);
    else if (side == int(DepositSide::Both))
        bothButton->setChecked(true);
}

} // namespace Ui::Operations
