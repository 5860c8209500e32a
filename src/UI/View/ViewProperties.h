#pragma once

#include "UI/View/ViewSettings.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace Ui {

// "Set vew and lighting": the camera's position, rotation, pan and zoom as numbers on the first
// tab, and the lamps on the second. The lamps are edited as a copy; nothing reaches the view
// before the caller takes `settings()` of an accepted dialog.
class ViewProperties : public QDialog {
    Q_OBJECT
public:
    enum Tab { ViewTab = 0, LightingTab = 1 };

    explicit ViewProperties(const ViewSettings &initial, QWidget *parent = nullptr);

    void setCurrentTab(int tab);
    ViewSettings settings() const;

    QComboBox *lampBox() const { return cbxLamp; }

public slots:
    // At most eight lamps; the new lamp is enabled and becomes the current one.
    void addLamp();
    // Removes the current lamp; the only lamp is never removed.
    void deleteLamp();
    void lampchanged(int index);
    void radiusChanged(double radius);
    void angletetaChanged(double degrees);
    void anglefiChanged(double degrees);
    void visibleChanged(bool enabled);

private:
    void buildForm();
    QWidget *buildViewTab();
    QWidget *buildLightingTab();
    void showSettings(const ViewSettings &initial);
    void refillLampBox(int current);
    void updateLampButtons();
    LampRecord *currentLamp();

    std::vector<LampRecord> lampList;
    int lampIndex = 0;

    QTabWidget *tabWidget = nullptr;
    QDoubleSpinBox *dblDistanceX = nullptr;
    QDoubleSpinBox *dblDistanceY = nullptr;
    QDoubleSpinBox *dblDistanceZ = nullptr;
    QSpinBox *sbxRotationX = nullptr;
    QSpinBox *sbxRotationY = nullptr;
    QSpinBox *sbxRotationZ = nullptr;
    QDoubleSpinBox *dblPositionX = nullptr;
    QDoubleSpinBox *dblPositionY = nullptr;
    QDoubleSpinBox *dblZoom = nullptr;
    QComboBox *cbxLamp = nullptr;
    QCheckBox *chkEnabled = nullptr;
    QPushButton *btnDelete = nullptr;
    QPushButton *btnAddLamp = nullptr;
    QDoubleSpinBox *dblAngleTeta = nullptr;
    QDoubleSpinBox *dblAngleFi = nullptr;
    QDoubleSpinBox *dblRadius = nullptr;
};

} // namespace Ui
