#include "UI/Operations/CutCellVolumeDialog.h"

#include "UI/Operations/OptionsForm.h"
#include "UI/Operations/SpinBoxCoupling.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

namespace Ui::Operations {

using Model::Automaton::CutBox;

namespace {

constexpr int kSliderWidth = 220;
const char *const kAxisNames[3] = {"X", "Y", "Z"};
const char *const kLowerTips[3] = {"Lower X cutoff limit.", "Lower Y cutoff limit.", "Lower Z cuttoff limit"};
const char *const kUpperTips[3] = {"Upper X cutoff limit.", "Upper Y cutoff limit.", "Upper Z cutoff limit."};

} // namespace

void CutCellVolumeDialog::Limit::show(int value) const
{
    const QSignalBlocker blockSlider(slider);
    const QSignalBlocker blockBox(box);
    slider->setValue(value);
    box->setValue(value);
}

CutCellVolumeDialog::CutCellVolumeDialog(QWidget *parent) : QDialog(parent)
{
    OptionsForm form(this, QStringLiteral("CutCellVolumeBaseDialog"), QStringLiteral("Cut Cell Volume"));
    for (int axis = 0; axis < 3; ++axis) {
        auto *group =
            new QGroupBox(QStringLiteral("%1 Axis Limits").arg(QLatin1String(kAxisNames[axis])), this);
        auto *grid = new QGridLayout(group);
        axes[size_t(axis)] = {createLimit(axis, false), createLimit(axis, true)};
        const Axis &controls = axes[size_t(axis)];
        grid->addWidget(new QLabel(QStringLiteral("Lower Limit"), group), 0, 0);
        grid->addWidget(controls.lower.slider, 0, 1);
        grid->addWidget(controls.lower.box, 0, 2);
        grid->addWidget(new QLabel(QStringLiteral("Upper Limit"), group), 1, 0);
        grid->addWidget(controls.upper.slider, 1, 1);
        grid->addWidget(controls.upper.box, 1, 2);
        form.addWidget(group);
    }
    auto *resetButton = new QPushButton(QStringLiteral("Reset"), this);
    resetButton->setObjectName(QStringLiteral("btnReset"));
    resetButton->setToolTip(QStringLiteral("Reset to original values."));
    previewBox = new QCheckBox(QStringLiteral("Preview"), this);
    previewBox->setObjectName(QStringLiteral("chkPreview"));
    previewBox->setToolTip(
        QStringLiteral("Check to preview changes, it might be slow for large structures."));
    auto *row = new QWidget(this);
    auto *rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->addWidget(resetButton);
    rowLayout->addStretch();
    rowLayout->addWidget(previewBox);
    form.addWidget(row);
    connect(previewBox, &QCheckBox::toggled, this, &CutCellVolumeDialog::announce);
    QMetaObject::connectSlotsByName(this);
    setVolume(sizes, CutBox{{0, 0, 0}, sizes});
}

CutCellVolumeDialog::Limit CutCellVolumeDialog::createLimit(int axis, bool upper)
{
    const QString name = QLatin1String(kAxisNames[axis])
                         + (upper ? QStringLiteral("UpperLimit") : QStringLiteral("LowerLimit"));
    const QString tip = QLatin1String(upper ? kUpperTips[axis] : kLowerTips[axis]);
    Limit limit;
    limit.slider = new QSlider(Qt::Horizontal, this);
    limit.slider->setObjectName(QStringLiteral("sld") + name);
    limit.slider->setToolTip(tip);
    limit.slider->setMinimumWidth(kSliderWidth);
    limit.box = new QSpinBox(this);
    limit.box->setObjectName(QStringLiteral("sbx") + name);
    limit.box->setToolTip(tip);
    connect(limit.slider, &QSlider::valueChanged, limit.box, &QSpinBox::setValue);
    connect(limit.box, QOverload<int>::of(&QSpinBox::valueChanged), limit.slider, &QSlider::setValue);
    coupleSpinBox(limit.box, this, [this, axis, upper](int value) {
        if (upper)
            upperChanged(axis, value);
        else
            lowerChanged(axis, value);
    });
    return limit;
}

void CutCellVolumeDialog::setVolume(const std::array<uint32_t, 3> &axisSizes, const CutBox &box)
{
    for (int axis = 0; axis < 3; ++axis) {
        const int size = int(std::max<uint32_t>(axisSizes[size_t(axis)], 1));
        sizes[size_t(axis)] = uint32_t(size);
        const Axis &controls = axes[size_t(axis)];
        for (const Limit *limit : {&controls.lower, &controls.upper}) {
            const QSignalBlocker blockSlider(limit->slider);
            const QSignalBlocker blockBox(limit->box);
            const bool upper = limit == &controls.upper;
            limit->slider->setRange(upper ? 1 : 0, upper ? size : size - 1);
            limit->box->setRange(upper ? 1 : 0, upper ? size : size - 1);
        }
        const int upper = qBound(1, int(box.upper[size_t(axis)]), size);
        controls.upper.show(upper);
        controls.lower.show(qBound(0, int(box.lower[size_t(axis)]), upper - 1));
    }
}

CutBox CutCellVolumeDialog::getCutBox() const
{
    CutBox box;
    for (size_t axis = 0; axis < 3; ++axis) {
        axes[axis].lower.box->interpretText();
        axes[axis].upper.box->interpretText();
        box.lower[axis] = uint32_t(axes[axis].lower.box->value());
        box.upper[axis] = uint32_t(axes[axis].upper.box->value());
    }
    return box;
}

bool CutCellVolumeDialog::isPreviewing() const
{
    return previewBox->isChecked();
}

void CutCellVolumeDialog::lowerChanged(int axis, int value)
{
    const Limit &upper = axes[size_t(axis)].upper;
    if (upper.box->value() <= value)
        upper.show(value + 1);
    announce();
}

void CutCellVolumeDialog::upperChanged(int axis, int value)
{
    const Limit &lower = axes[size_t(axis)].lower;
    if (lower.box->value() >= value)
        lower.show(value - 1);
    announce();
}

void CutCellVolumeDialog::on_btnReset_clicked()
{
    for (size_t axis = 0; axis < 3; ++axis) {
        axes[axis].lower.show(0);
        axes[axis].upper.show(int(sizes[axis]));
    }
    announce();
}

void CutCellVolumeDialog::announce()
{
    if (previewBox->isChecked())
        emit previewChanged(getCutBox());
}

} // namespace Ui::Operations
