#include "UI/View/ViewProperties.h"
#include "Support/DialogDrivers.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSpinBox>

#include <cmath>

namespace {

using TestSupport::child;
using Ui::LampRecord;
using Ui::ViewProperties;
using Ui::ViewSettings;

ViewSettings sampleSettings()
{
    ViewSettings settings;
    settings.position = Util::Vector3D(1.5, -2.25, 3.0);
    settings.rotation = {-60, 0, 30};
    settings.panX = 12.5f;
    settings.panY = -4.0f;
    settings.zoomValue = 0.5f;
    settings.lamps = {LampRecord{500.0f, 1.0471976f, 0.7853982f, true}, LampRecord{80.0f, 0.1f, -2.5f, false},
                      LampRecord{30.0f, -0.3f, 3.0f, true}};
    settings.selectedLamp = 2;
    return settings;
}

TEST(ViewProperties, UntouchedDialogGivesBackExactlyWhatItWasGiven)
{
    const ViewSettings initial = sampleSettings();
    ViewProperties dialog(initial);
    // Looking at every lamp must not round its values through the spin boxes.
    for (int i = 0; i < 3; ++i)
        dialog.lampBox()->setCurrentIndex(i);
    const ViewSettings result = dialog.settings();
    EXPECT_EQ(result.position, initial.position);
    EXPECT_EQ(result.rotation, initial.rotation);
    EXPECT_EQ(result.panX, initial.panX);
    EXPECT_EQ(result.panY, initial.panY);
    EXPECT_EQ(result.zoomValue, initial.zoomValue);
    EXPECT_EQ(result.lamps, initial.lamps);
}

// The chosen lamp's angles show in degrees; edits go to that lamp in radians.
TEST(ViewProperties, TheCurrentLampShowsInDegreesAndEditsGoToItInRadians)
{
    ViewProperties dialog(sampleSettings());
    EXPECT_EQ(dialog.lampBox()->currentIndex(), 1); // the view's selected lamp
    EXPECT_FALSE(child<QCheckBox>(dialog, "chkEnabled")->isChecked());
    dialog.lampBox()->setCurrentIndex(0);
    EXPECT_NEAR(child<QDoubleSpinBox>(dialog, "dblAngleTeta")->value(), 60.0, 0.05);
    EXPECT_NEAR(child<QDoubleSpinBox>(dialog, "dblAngleFi")->value(), 45.0, 0.05);
    EXPECT_EQ(child<QDoubleSpinBox>(dialog, "dblRadius")->value(), 500.0);
    EXPECT_TRUE(child<QCheckBox>(dialog, "chkEnabled")->isChecked());

    dialog.lampBox()->setCurrentIndex(2);
    child<QDoubleSpinBox>(dialog, "dblAngleTeta")->setValue(30.0);
    child<QDoubleSpinBox>(dialog, "dblAngleFi")->setValue(-120.0);
    child<QDoubleSpinBox>(dialog, "dblRadius")->setValue(75.0);
    child<QCheckBox>(dialog, "chkEnabled")->setChecked(false);
    child<QSpinBox>(dialog, "sbxRotationY")->setValue(15);
    child<QDoubleSpinBox>(dialog, "dblZoom")->setValue(2.0);

    const ViewSettings result = dialog.settings();
    EXPECT_FLOAT_EQ(result.lamps[2].elevation, float(30.0 * M_PI / 180.0));
    EXPECT_FLOAT_EQ(result.lamps[2].azimuth, float(-120.0 * M_PI / 180.0));
    EXPECT_EQ(result.lamps[2].radius, 75.0f);
    EXPECT_FALSE(result.lamps[2].enabled);
    EXPECT_EQ(result.lamps[0], sampleSettings().lamps[0]);
    EXPECT_EQ(result.rotation[1], 15);
    EXPECT_EQ(result.zoomValue, 2.0f);
}

// Deleting removes the current lamp and renumbers the rest; lamps are added up to eight and the
// last one is never deleted.
TEST(ViewProperties, DeletesTheCurrentLampAddsUpToEightAndNeverDeletesTheLast)
{
    ViewProperties dialog(sampleSettings());
    dialog.lampBox()->setCurrentIndex(1);
    dialog.deleteLamp();
    const ViewSettings result = dialog.settings();
    ASSERT_EQ(result.lamps.size(), 2u);
    EXPECT_EQ(result.lamps[0], sampleSettings().lamps[0]);
    EXPECT_EQ(result.lamps[1], sampleSettings().lamps[2]);
    EXPECT_EQ(child<QDoubleSpinBox>(dialog, "dblRadius")->value(), 30.0);

    for (int i = 0; i < 10; ++i)
        dialog.addLamp();
    ASSERT_EQ(dialog.settings().lamps.size(), 8u);
    EXPECT_TRUE(dialog.settings().lamps[7].enabled);
    EXPECT_EQ(dialog.lampBox()->currentIndex(), 7);
    EXPECT_FALSE(child<QPushButton>(dialog, "btnAddLamp")->isEnabled());
    for (int i = 0; i < 10; ++i)
        dialog.deleteLamp();
    EXPECT_EQ(dialog.settings().lamps.size(), 1u);
    EXPECT_FALSE(child<QPushButton>(dialog, "btnDelete")->isEnabled());
}

} // namespace
