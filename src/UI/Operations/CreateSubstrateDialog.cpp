#include "UI/Operations/CreateSubstrateDialog.h"
#include "UI/DialogButtons.h"

#include "UI/Operations/MaterialComboBox.h"
#include "UI/Operations/SpinBoxCoupling.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace Ui::Operations {
namespace {

QSpinBox *spinBox(const char *name, int minimum, int maximum, int value, const char *toolTip)
{
    auto *box = new QSpinBox;
    box->setObjectName(QString::fromUtf8(name));
    box->setRange(minimum, maximum);
    box->setValue(value);
    box->setToolTip(QString::fromUtf8(toolTip));
    return box;
}

QDoubleSpinBox *positionBox(const char *name)
{
    auto *box = new QDoubleSpinBox;
    box->setObjectName(QString::fromUtf8(name));
    box->setRange(-1e9, 1e9);
    box->setValue(0.0);
    box->setToolTip(QStringLiteral("Define the position of the volume in the viewing space."));
    return box;
}

QLabel *label(const char *text)
{
    return new QLabel(QString::fromUtf8(text));
}

// One row of a grid: `lead` in the first column (left empty when null), then x, y and z.
void addRow(QGridLayout *grid, int row, QWidget *lead, QWidget *x, QWidget *y, QWidget *z)
{
    if (lead)
        grid->addWidget(lead, row, 0);
    grid->addWidget(x, row, 1);
    grid->addWidget(y, row, 2);
    grid->addWidget(z, row, 3);
}

const char *const kTotalTip = "Define the size of the total volume.";
const char *const kSizeTip = "Size of the substrate in cells.";
const char *const kDisplacementTip = "Location of the substrate relative to the total volume in cells.";
const char *const kCenterTip =
    "Define the center position of the substrate relative to the total volume in cells.";

} // namespace

CreateSubstrateDialog::CreateSubstrateDialog(QWidget *parent) : QDialog(parent)
{
    buildForm();
    updateLimitX(sbxTotalWidth->value());
    updateLimitY(sbxTotalLength->value());
    updateLimitZ(sbxTotalHeight->value());
    connectLimits();
    toggleSubsShape(false);
}

void CreateSubstrateDialog::buildForm()
{
    setObjectName(QStringLiteral("CreateSubstrateDialogForm"));
    setWindowTitle(QStringLiteral("Create Substrate"));

    sbxTotalWidth = spinBox("sbxTotalWidth", 1, 10000, 100, kTotalTip);
    sbxTotalLength = spinBox("sbxTotalLength", 1, 10000, 100, kTotalTip);
    sbxTotalHeight = spinBox("sbxTotalHeight", 1, 10000, 80, kTotalTip);
    sbxSubsWidth = spinBox("sbxSubsWidth", 1, 100, 100, kSizeTip);
    sbxSubsLength = spinBox("sbxSubsLength", 1, 100, 100, kSizeTip);
    sbxSubsHeight = spinBox("sbxSubsHeight", 1, 80, 30, kSizeTip);
    sbxSubsX = spinBox("sbxSubsX", 0, 0, 0, kDisplacementTip);
    sbxSubsY = spinBox("sbxSubsY", 0, 0, 0, kDisplacementTip);
    sbxSubsZ = spinBox("sbxSubsZ", 0, 0, 0, kDisplacementTip);
    sbxSubsRadius = spinBox("sbxSubsRadius", 1, 999999999, 50, "Define the radius of the substrate.");
    sbxSubsCenterX = spinBox("sbxSubsCenterX", 0, 0, 0, kCenterTip);
    sbxSubsCenterY = spinBox("sbxSubsCenterY", 0, 0, 0, kCenterTip);
    sbxSubsCenterZ = spinBox("sbxSubsCenterZ", 0, 0, 0, kCenterTip);
    cbxSubsSphere = new QCheckBox(QStringLiteral("Spherical Substrate"));
    cbxSubsSphere->setObjectName(QStringLiteral("cbxSubsSphere"));
    cbxSubsSphere->setToolTip(QStringLiteral("Create a spherical substrate."));
    cbxFilm = new QComboBox;
    cbxFilm->setObjectName(QStringLiteral("cbxFilm"));
    cbxFilm->setToolTip(QStringLiteral("Material the substrate will be composed of."));
    dblVolumeX = positionBox("dblVolumeX");
    dblVolumeY = positionBox("dblVolumeY");
    dblVolumeZ = positionBox("dblVolumeZ");

    auto *totalGroup = new QGroupBox(QStringLiteral("Total Volume Dimensions and Position"));
    totalGroup->setWhatsThis(QStringLiteral("The simulation is run on a volume of cells. This is the total "
                                            "size of the volume. Substrate and aditional "
                                            "deposited films must fit inside this volume."));
    auto *total = new QGridLayout(totalGroup);
    addRow(total, 0, nullptr, label("Width"), label("Length"), label("Height"));
    addRow(total, 1, label("Size"), sbxTotalWidth, sbxTotalLength, sbxTotalHeight);
    auto *cornerLabel = label("Lower Left Front Corner");
    cornerLabel->setWhatsThis(QStringLiteral(
        "This allows you to change where the volume will be placed. This is to avoid creating superimposed "
        "volumes. "
        "The coordinates indicate where the lower left front corner of the volume will be located."));
    addRow(total, 2, cornerLabel, dblVolumeX, dblVolumeY, dblVolumeZ);

    auto *substrateGroup = new QGroupBox(QStringLiteral("Substrate Dimensions and position"));
    substrateGroup->setWhatsThis(QStringLiteral(
        "This allows you to displace the substrate inside the final volume. This might be desirable to, for "
        "example, "
        "etch the substrate from both sides. This can be done by increasing the Z displacement."));
    auto *substrate = new QGridLayout(substrateGroup);
    auto *sizeLabel = label("Size");
    auto *displacementLabel = label("Location");
    addRow(substrate, 0, nullptr, label("Width"), label("Length"), label("Height"));
    addRow(substrate, 1, sizeLabel, sbxSubsWidth, sbxSubsLength, sbxSubsHeight);
    addRow(substrate, 2, displacementLabel, sbxSubsX, sbxSubsY, sbxSubsZ);
    substrate->addWidget(cbxSubsSphere, 3, 0, 1, 4);
    auto *radiusLabel = label("Radius");
    auto *centerXLabel = label("Center X");
    auto *centerYLabel = label("Center Y");
    auto *centerZLabel = label("Center Z");
    substrate->addWidget(radiusLabel, 4, 0);
    substrate->addWidget(sbxSubsRadius, 4, 1);
    addRow(substrate, 5, nullptr, centerXLabel, centerYLabel, centerZLabel);
    addRow(substrate, 6, nullptr, sbxSubsCenterX, sbxSubsCenterY, sbxSubsCenterZ);
    blockControls = {sizeLabel,     displacementLabel, sbxSubsWidth, sbxSubsLength,
                     sbxSubsHeight, sbxSubsX,          sbxSubsY,     sbxSubsZ};
    ballControls = {radiusLabel,   centerXLabel,   centerYLabel,   centerZLabel,
                    sbxSubsRadius, sbxSubsCenterX, sbxSubsCenterY, sbxSubsCenterZ};

    auto *materialGroup = new QGroupBox(QStringLiteral("Substrate Material"));
    auto *material = new QVBoxLayout(materialGroup);
    material->addWidget(cbxFilm);

    buttonBox = okCancelButtons(this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(totalGroup);
    layout->addWidget(substrateGroup);
    layout->addWidget(materialGroup);
    layout->addWidget(buttonBox);
}

void CreateSubstrateDialog::connectLimits()
{
    coupleSpinBox(sbxTotalWidth, this, &CreateSubstrateDialog::updateLimitX);
    coupleSpinBox(sbxTotalLength, this, &CreateSubstrateDialog::updateLimitY);
    coupleSpinBox(sbxTotalHeight, this, &CreateSubstrateDialog::updateLimitZ);
    coupleSpinBox(sbxSubsWidth, this, &CreateSubstrateDialog::updateSubstrateDispX);
    coupleSpinBox(sbxSubsLength, this, &CreateSubstrateDialog::updateSubstrateDispY);
    coupleSpinBox(sbxSubsHeight, this, &CreateSubstrateDialog::updateSubstrateDispZ);
    connect(cbxSubsSphere, &QCheckBox::toggled, this, &CreateSubstrateDialog::toggleSubsShape);
}

// Along x and y the block starts as wide as the volume; it can move only once made smaller.
void CreateSubstrateDialog::updateLimitX(int newValue)
{
    sbxSubsWidth->setMaximum(newValue);
    sbxSubsWidth->setValue(newValue);
    sbxSubsX->setMaximum(0);
    sbxSubsCenterX->setMaximum(newValue - 1);
}

void CreateSubstrateDialog::updateLimitY(int newValue)
{
    sbxSubsLength->setMaximum(newValue);
    sbxSubsLength->setValue(newValue);
    sbxSubsY->setMaximum(0);
    sbxSubsCenterY->setMaximum(newValue - 1);
}

// Along z the block keeps its height and may be lifted.
void CreateSubstrateDialog::updateLimitZ(int newValue)
{
    sbxSubsHeight->setMaximum(newValue);
    sbxSubsZ->setMaximum(newValue - sbxSubsHeight->value());
    sbxSubsCenterZ->setMaximum(newValue - 1);
}

void CreateSubstrateDialog::updateSubstrateDispX(int newValue)
{
    sbxSubsX->setMaximum(sbxTotalWidth->value() - newValue);
}

void CreateSubstrateDialog::updateSubstrateDispY(int newValue)
{
    sbxSubsY->setMaximum(sbxTotalLength->value() - newValue);
}

void CreateSubstrateDialog::updateSubstrateDispZ(int newValue)
{
    sbxSubsZ->setMaximum(sbxTotalHeight->value() - newValue);
}

void CreateSubstrateDialog::toggleSubsShape(bool checked)
{
    for (QWidget *widget : blockControls)
        widget->setEnabled(!checked);
    for (QWidget *widget : ballControls)
        widget->setEnabled(checked);
}

void CreateSubstrateDialog::setMaterials(const std::vector<Model::Materials::Material> &materials)
{
    MaterialComboBox::fill(cbxFilm, materials);
}

void CreateSubstrateDialog::loadParameters(const QVariantMap &parameters)
{
    const QVariant corner = parameters.value(QStringLiteral("Lower Left Front Corner"));
    if (corner.canConvert<Util::Vector3D>()) {
        const auto position = corner.value<Util::Vector3D>();
        dblVolumeX->setValue(position.x);
        dblVolumeY->setValue(position.y);
        dblVolumeZ->setValue(position.z);
    }
    const std::pair<const char *, QSpinBox *> boxes[] = {
        {"Volume Size X", sbxTotalWidth},       {"Volume Size Y", sbxTotalLength},
        {"Volume Size Z", sbxTotalHeight},      {"Substrate Size X", sbxSubsWidth},
        {"Substrate Size Y", sbxSubsLength},    {"Substrate Size Z", sbxSubsHeight},
        {"Substrate Delta X", sbxSubsX},        {"Substrate Delta Y", sbxSubsY},
        {"Substrate Delta Z", sbxSubsZ},        {"Substrate Center X", sbxSubsCenterX},
        {"Substrate Center Y", sbxSubsCenterY}, {"Substrate Center Z", sbxSubsCenterZ},
        {"Substrate Radius", sbxSubsRadius},
    };
    for (const auto &[key, box] : boxes) {
        const QVariant value = parameters.value(QString::fromUtf8(key));
        if (value.isValid())
            box->setValue(int(std::min<uint>(value.toUInt(), uint(box->maximum()))));
    }
    const QVariant spherical = parameters.value(QStringLiteral("SphericalSubstrate"));
    if (spherical.isValid())
        cbxSubsSphere->setChecked(spherical.toBool());
    MaterialComboBox::selectStored(cbxFilm, parameters, QStringLiteral("Material"));
}

uint32_t CreateSubstrateDialog::getMaterial() const
{
    return MaterialComboBox::selectedMaterialId(cbxFilm);
}
uint32_t CreateSubstrateDialog::getTotalWidth() const
{
    return uint32_t(sbxTotalWidth->value());
}
uint32_t CreateSubstrateDialog::getTotalLength() const
{
    return uint32_t(sbxTotalLength->value());
}
uint32_t CreateSubstrateDialog::getTotalHeight() const
{
    return uint32_t(sbxTotalHeight->value());
}
uint32_t CreateSubstrateDialog::getSubstrateX() const
{
    return uint32_t(sbxSubsX->value());
}
uint32_t CreateSubstrateDialog::getSubstrateY() const
{
    return uint32_t(sbxSubsY->value());
}
uint32_t CreateSubstrateDialog::getSubstrateZ() const
{
    return uint32_t(sbxSubsZ->value());
}
uint32_t CreateSubstrateDialog::getSubstrateWidth() const
{
    return uint32_t(sbxSubsWidth->value());
}
uint32_t CreateSubstrateDialog::getSubstrateLength() const
{
    return uint32_t(sbxSubsLength->value());
}
uint32_t CreateSubstrateDialog::getSubstrateHeight() const
{
    return uint32_t(sbxSubsHeight->value());
}
uint32_t CreateSubstrateDialog::getRadius() const
{
    return uint32_t(sbxSubsRadius->value());
}
uint32_t CreateSubstrateDialog::getCenterX() const
{
    return uint32_t(sbxSubsCenterX->value());
}
uint32_t CreateSubstrateDialog::getCenterY() const
{
    return uint32_t(sbxSubsCenterY->value());
}
uint32_t CreateSubstrateDialog::getCenterZ() const
{
    return uint32_t(sbxSubsCenterZ->value());
}
bool CreateSubstrateDialog::isSpherical() const
{
    return cbxSubsSphere->isChecked();
}

Util::Vector3D CreateSubstrateDialog::getPosition() const
{
    return Util::Vector3D(dblVolumeX->value(), dblVolumeY->value(), dblVolumeZ->value());
}

} // namespace Ui::Operations
