#include "UI/View/ViewProperties.h"
#include "UI/DialogButtons.h"

#include "UI/View/LampSet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

namespace Ui {
namespace {
constexpr double kRadiansPerDegree = M_PI / 180.0;
constexpr double kDistanceLimit = 1.0e6;

QLabel *richLabel(const QString &text)
{
    auto *label = new QLabel(
        QStringLiteral("<html><head/><body><p><span style=\" font-size:10pt;\">%1</span></p></body></html>")
            .arg(text));
    label->setTextFormat(Qt::RichText);
    return label;
}

QDoubleSpinBox *doubleBox(const QString &name, double minimum, double maximum, double step, int decimals)
{
    auto *box = new QDoubleSpinBox;
    box->setObjectName(name);
    box->setRange(minimum, maximum);
    box->setSingleStep(step);
    box->setDecimals(decimals);
    return box;
}

QSpinBox *angleBox(const QString &name)
{
    auto *box = new QSpinBox;
    box->setObjectName(name);
    box->setRange(-360, 360);
    return box;
}

QGroupBox *group(const QString &title, const std::initializer_list<std::pair<QString, QWidget *>> &rows)
{
    auto *box = new QGroupBox(title);
    auto *layout = new QFormLayout(box);
    for (const auto &row : rows)
        layout->addRow(richLabel(row.first), row.second);
    return box;
}
} // namespace

ViewProperties::ViewProperties(const ViewSettings &initial, QWidget *parent) : QDialog(parent)
{
    buildForm();
    showSettings(initial);
}

void ViewProperties::buildForm()
{
    setObjectName(QStringLiteral("ViewPropertiesBase"));
    setWindowTitle(QStringLiteral("Set vew and lighting"));
    tabWidget = new QTabWidget(this);
    tabWidget->addTab(buildViewTab(), QStringLiteral("View"));
    tabWidget->addTab(buildLightingTab(), QStringLiteral("Lighting"));
    auto *buttons = okCancelButtons(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabWidget);
    layout->addWidget(buttons);
}

QWidget *ViewProperties::buildViewTab()
{
    dblDistanceX = doubleBox(QStringLiteral("dblDistanceX"), -kDistanceLimit, kDistanceLimit, 1.0, 2);
    dblDistanceY = doubleBox(QStringLiteral("dblDistanceY"), -kDistanceLimit, kDistanceLimit, 1.0, 2);
    dblDistanceZ = doubleBox(QStringLiteral("dblDistanceZ"), -kDistanceLimit, kDistanceLimit, 1.0, 2);
    sbxRotationX = angleBox(QStringLiteral("sbxRotationX"));
    sbxRotationY = angleBox(QStringLiteral("sbxRotationY"));
    sbxRotationZ = angleBox(QStringLiteral("sbxRotationZ"));
    dblPositionX = doubleBox(QStringLiteral("dblPositionX"), -kDistanceLimit, kDistanceLimit, 1.0, 2);
    dblPositionY = doubleBox(QStringLiteral("dblPositionY"), -kDistanceLimit, kDistanceLimit, 1.0, 2);
    // The zoom value is the inverse of the zoom factor; the view clamps factors to 1e-4..1e4.
    dblZoom = doubleBox(QStringLiteral("dblZoom"), 0.0001, 10000.0, 0.1, 4);

    auto *tab = new QWidget;
    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(group(QStringLiteral("Position in relation to the axes"),
                            {{QStringLiteral("Distance X"), dblDistanceX},
                             {QStringLiteral("Distance Y"), dblDistanceY},
                             {QStringLiteral("Dstance Z"), dblDistanceZ}}));
    layout->addWidget(group(QStringLiteral("Rotation Angles"), {{QStringLiteral("X Axis"), sbxRotationX},
                                                                {QStringLiteral("Y Axis"), sbxRotationY},
                                                                {QStringLiteral("Z axis"), sbxRotationZ}}));
    layout->addWidget(
        group(QStringLiteral("Position in relation to the screen"),
              {{QStringLiteral("Position X"), dblPositionX}, {QStringLiteral("Position Y"), dblPositionY}}));
    layout->addWidget(group(QStringLiteral("Vew zoom"), {{QStringLiteral("Zoom"), dblZoom}}));
    return tab;
}

QWidget *ViewProperties::buildLightingTab()
{
    cbxLamp = new QComboBox;
    cbxLamp->setObjectName(QStringLiteral("cbxLamp"));
    chkEnabled = new QCheckBox(QStringLiteral("Enabled"));
    chkEnabled->setObjectName(QStringLiteral("chkEnabled"));
    btnDelete = new QPushButton(QStringLiteral("Delete"));
    btnDelete->setObjectName(QStringLiteral("btnDelete"));
    btnAddLamp = new QPushButton(QStringLiteral("Add Lamp"));
    btnAddLamp->setObjectName(QStringLiteral("btnAddLamp"));
    dblAngleTeta = doubleBox(QStringLiteral("dblAngleTeta"), -90.0, 90.0, 1.0, 1);
    dblAngleFi = doubleBox(QStringLiteral("dblAngleFi"), -180.0, 180.0, 1.0, 1);
    dblAngleFi->setWrapping(true);
    dblRadius = doubleBox(QStringLiteral("dblRadius"), 0.0, kDistanceLimit, 10.0, 1);

    auto *lampRow = new QHBoxLayout;
    lampRow->addWidget(richLabel(QStringLiteral("Lamp")));
    lampRow->addWidget(cbxLamp, 1);
    lampRow->addWidget(chkEnabled);
    lampRow->addWidget(btnDelete);
    lampRow->addWidget(btnAddLamp);

    auto *tab = new QWidget;
    auto *layout = new QVBoxLayout(tab);
    layout->addLayout(lampRow);
    layout->addWidget(
        group(QStringLiteral("Relative position"), {{QString::fromUtf8("Angle θ"), dblAngleTeta},
                                                    {QString::fromUtf8("Angle φ"), dblAngleFi},
                                                    {QStringLiteral("Radius"), dblRadius}}));
    layout->addStretch(1);

    connect(btnAddLamp, &QPushButton::clicked, this, &ViewProperties::addLamp);
    connect(btnDelete, &QPushButton::clicked, this, &ViewProperties::deleteLamp);
    connect(cbxLamp, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &ViewProperties::lampchanged);
    connect(dblRadius, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &ViewProperties::radiusChanged);
    connect(dblAngleTeta, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &ViewProperties::angletetaChanged);
    connect(dblAngleFi, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &ViewProperties::anglefiChanged);
    connect(chkEnabled, &QCheckBox::toggled, this, &ViewProperties::visibleChanged);
    return tab;
}

void ViewProperties::showSettings(const ViewSettings &initial)
{
    dblDistanceX->setValue(initial.position.x);
    dblDistanceY->setValue(initial.position.y);
    dblDistanceZ->setValue(initial.position.z);
    sbxRotationX->setValue(initial.rotation[0]);
    sbxRotationY->setValue(initial.rotation[1]);
    sbxRotationZ->setValue(initial.rotation[2]);
    dblPositionX->setValue(initial.panX);
    dblPositionY->setValue(initial.panY);
    dblZoom->setValue(initial.zoomValue);

    lampList = initial.lamps;
    if (lampList.empty())
        lampList.push_back(LampRecord::standard());
    if (lampList.size() > LampSet::kMaxLamps)
        lampList.resize(LampSet::kMaxLamps);
    const int selected = int(initial.selectedLamp) - 1;
    refillLampBox(selected >= 0 && selected < int(lampList.size()) ? selected : 0);
}

void ViewProperties::setCurrentTab(int tab)
{
    if (tab >= 0 && tab < tabWidget->count())
        tabWidget->setCurrentIndex(tab);
}

ViewSettings ViewProperties::settings() const
{
    ViewSettings result;
    result.position = Util::Vector3D(dblDistanceX->value(), dblDistanceY->value(), dblDistanceZ->value());
    result.rotation = {sbxRotationX->value(), sbxRotationY->value(), sbxRotationZ->value()};
    result.panX = float(dblPositionX->value());
    result.panY = float(dblPositionY->value());
    result.zoomValue = float(dblZoom->value());
    result.lamps = lampList;
    result.selectedLamp = uint32_t(lampIndex + 1);
    return result;
}

// Refills the lamp box with the numbers 1..n and shows lamp `current`.
void ViewProperties::refillLampBox(int current)
{
    {
        const QSignalBlocker blocker(cbxLamp);
        cbxLamp->clear();
        for (size_t i = 1; i <= lampList.size(); ++i)
            cbxLamp->addItem(QString::number(i));
    }
    cbxLamp->setCurrentIndex(current);
    lampchanged(current);
}

void ViewProperties::updateLampButtons()
{
    btnAddLamp->setEnabled(lampList.size() < LampSet::kMaxLamps);
    btnDelete->setEnabled(lampList.size() > 1);
}

LampRecord *ViewProperties::currentLamp()
{
    return lampIndex >= 0 && lampIndex < int(lampList.size()) ? &lampList[size_t(lampIndex)] : nullptr;
}

void ViewProperties::addLamp()
{
    if (lampList.size() >= LampSet::kMaxLamps)
        return;
    lampList.push_back(LampRecord::standard());
    cbxLamp->addItem(QString::number(lampList.size()));
    cbxLamp->setCurrentIndex(int(lampList.size()) - 1);
    updateLampButtons();
}

void ViewProperties::deleteLamp()
{
    if (lampList.size() <= 1 || !currentLamp())
        return;
    const int removed = lampIndex;
    lampList.erase(lampList.begin() + removed);
    refillLampBox(std::min(removed, int(lampList.size()) - 1));
}

// Shows the lamp's values; the spin boxes are filled without echoing back into the copy, so
// looking at a lamp never rounds its angles.
void ViewProperties::lampchanged(int index)
{
    lampIndex = index;
    updateLampButtons();
    const LampRecord *lamp = currentLamp();
    if (!lamp)
        return;
    const QSignalBlocker blockTeta(dblAngleTeta);
    const QSignalBlocker blockFi(dblAngleFi);
    const QSignalBlocker blockRadius(dblRadius);
    const QSignalBlocker blockEnabled(chkEnabled);
    dblAngleTeta->setValue(lamp->elevation / kRadiansPerDegree);
    dblAngleFi->setValue(lamp->azimuth / kRadiansPerDegree);
    dblRadius->setValue(lamp->radius);
    chkEnabled->setChecked(lamp->enabled);
}

void ViewProperties::radiusChanged(double radius)
{
    if (LampRecord *lamp = currentLamp())
        lamp->radius = float(radius);
}

void ViewProperties::angletetaChanged(double degrees)
{
    if (LampRecord *lamp = currentLamp())
        lamp->elevation = float(degrees * kRadiansPerDegree);
}

void ViewProperties::anglefiChanged(double degrees)
{
    if (LampRecord *lamp = currentLamp())
        lamp->azimuth = float(degrees * kRadiansPerDegree);
}

void ViewProperties::visibleChanged(bool enabled)
{
    if (LampRecord *lamp = currentLamp())
        lamp->enabled = enabled;
}

} // namespace Ui
