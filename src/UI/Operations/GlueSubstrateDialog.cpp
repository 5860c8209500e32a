#include "UI/Operations/GlueSubstrateDialog.h"

#include "UI/Operations/OptionsForm.h"
#include "UI/Operations/SpinBoxCoupling.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QSpinBox>

#include <algorithm>

namespace Ui::Operations {
namespace {

constexpr int kLargestSize = 100000;

QSpinBox *spinBox(QWidget *parent, const char *name, const QString &tip)
{
    auto *box = OptionsForm::spinBox(parent, QLatin1String(name), QString(), 0);
    box->setToolTip(tip);
    return box;
}

} // namespace

GlueSubstrateDialog::GlueSubstrateDialog(QWidget *parent) : QDialog(parent)
{
    OptionsForm form(this, QStringLiteral("GlueSubstrateForm"), QStringLiteral("Glue Substrate"));
    const QString sizeTip = QStringLiteral("This determines the final volume size.");
    const QString heightTip = QStringLiteral("If you wish to continue etching/depositing films on top of the "
                                             "result, you should increase the Z size accordingly.");
    sizeBoxes[0] = spinBox(this, "sbxFinalSizeX", sizeTip);
    sizeBoxes[1] = spinBox(this, "sbxFinalSizeY", sizeTip);
    sizeBoxes[2] = spinBox(this, "sbxFinalSizeZ", heightTip);
    const QString shiftTip = QStringLiteral(
        "Allows you to move the top substrate around if it is smaller than the bottom substrate.");
    shiftBoxes[0] = spinBox(this, "sbxDisplacementX", shiftTip);
    shiftBoxes[1] = spinBox(this, "sbxDisplacementY", shiftTip);
    for (QSpinBox *box : {sizeBoxes[0], sizeBoxes[1]})
        coupleSpinBox(box, this, &GlueSubstrateDialog::limitShifts);
    invertBox = new QCheckBox(QStringLiteral("Invert Top Substrate"), this);
    invertBox->setObjectName(QStringLiteral("chkInvertTopSubstrate"));
    invertBox->setToolTip(QStringLiteral("Flips the top substrate around the Y axis."));
    invertBox->setWhatsThis(QStringLiteral("Flips the top substrate around the Y axis. This is the same as "
                                           "what would happen if  you hold the base "
                                           "substrate on your left hand and the top substrate on your right "
                                           "hand and then placing your right hand "
                                           "palm down on your left."));

    auto *sizeGroup = new QGroupBox(QStringLiteral("Final Volume Size"), this);
    auto *sizeForm = new QFormLayout(sizeGroup);
    sizeForm->addRow(QStringLiteral("X"), sizeBoxes[0]);
    sizeForm->addRow(QStringLiteral("Y"), sizeBoxes[1]);
    sizeForm->addRow(QStringLiteral("Z"), sizeBoxes[2]);
    auto *shiftGroup = new QGroupBox(QStringLiteral("Top Substrate Displacement"), this);
    auto *shiftForm = new QFormLayout(shiftGroup);
    shiftForm->addRow(QStringLiteral("X"), shiftBoxes[0]);
    shiftForm->addRow(QStringLiteral("Y"), shiftBoxes[1]);
    form.addWidget(sizeGroup);
    form.addWidget(shiftGroup);
    form.addWidget(invertBox);
}

void GlueSubstrateDialog::setGluing(const Core::Operations::SubstrateGluing &measured)
{
    gluing = &measured;
    const auto minimum = measured.minimumSize();
    const auto initial = measured.defaultSize();
    const uint32_t sizes[3][2] = {{minimum.x, initial.x}, {minimum.y, initial.y}, {minimum.z, initial.z}};
    for (int axis = 0; axis < 3; ++axis) {
        sizeBoxes[axis]->setRange(int(sizes[axis][0]), std::max(kLargestSize, int(sizes[axis][1])));
        sizeBoxes[axis]->setValue(int(sizes[axis][1]));
    }
    limitShifts();
}

void GlueSubstrateDialog::limitShifts()
{
    if (!gluing)
        return;
    shiftBoxes[0]->setMaximum(int(gluing->maximumShiftX(uint32_t(sizeBoxes[0]->value()))));
    shiftBoxes[1]->setMaximum(int(gluing->maximumShiftY(uint32_t(sizeBoxes[1]->value()))));
}

Core::Operations::SubstrateGluing::Placement GlueSubstrateDialog::getPlacement() const
{
    Core::Operations::SubstrateGluing::Placement placement;
    placement.size = {uint32_t(sizeBoxes[0]->value()), uint32_t(sizeBoxes[1]->value()),
                      uint32_t(sizeBoxes[2]->value())};
    placement.dx = uint32_t(shiftBoxes[0]->value());
    placement.dy = uint32_t(shiftBoxes[1]->value());
    placement.invert = invertBox->isChecked();
    return placement;
}

} // namespace Ui::Operations
