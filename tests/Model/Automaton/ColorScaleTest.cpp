#include "Model/Automaton/ColorScale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using Model::Automaton::ColorScale;
using Model::Materials::RgbaColor;

TEST(ColorScale, RampsRunBetweenTheirEndColoursAndUnknownTypesAreGrey)
{
    ColorScale scale;
    EXPECT_EQ(scale.entry(0), (RgbaColor{0.0f, 0.0f, 0.0f, 1.0f}));
    EXPECT_EQ(scale.entry(255), (RgbaColor{1.0f, 1.0f, 1.0f, 1.0f}));
    scale.setType(1);
    EXPECT_EQ(scale.entry(0), (RgbaColor{1.0f, 0.0f, 0.0f, 1.0f}));
    EXPECT_EQ(scale.entry(255), (RgbaColor{0.0f, 0.0f, 1.0f, 1.0f}));
    EXPECT_EQ(scale.entry(51), (RgbaColor{204.0f / 255.0f, 0.0f, 51.0f / 255.0f, 1.0f}));
    scale.setType(2);
    EXPECT_EQ(scale.entry(0), (RgbaColor{1.0f, 1.0f, 0.0f, 1.0f}));
    EXPECT_EQ(scale.entry(255), (RgbaColor{0.0f, 0.0f, 1.0f, 1.0f}));
    scale.setType(7);
    EXPECT_EQ(scale.getType(), 0u);
    EXPECT_EQ(scale.entry(128), (RgbaColor{128.0f / 255.0f, 128.0f / 255.0f, 128.0f / 255.0f, 1.0f}));
}

TEST(ColorScale, LookupTruncatesAndClampsToTheTableAndSurvivesAnEmptyRange)
{
    ColorScale scale;
    scale.setRange(-10.0f, 10.0f);
    EXPECT_EQ(scale.indexOf(-11.0f), 0);
    EXPECT_EQ(scale.indexOf(-10.0f), 0);
    EXPECT_EQ(scale.indexOf(0.0f), 127);  // 0.5 · 255 = 127.5
    EXPECT_EQ(scale.indexOf(9.99f), 254); // just below the maximum
    EXPECT_EQ(scale.indexOf(10.0f), 255);
    EXPECT_EQ(scale.indexOf(1e30f), 255);
    EXPECT_EQ(scale.indexOf(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(scale.colorAt(10.0f), scale.entry(255));
    scale.setRange(3.0f, 3.0f); // an empty range does not divide by zero
    EXPECT_EQ(scale.indexOf(2.0f), 0);
    EXPECT_EQ(scale.indexOf(3.0f), 255);
    EXPECT_EQ(scale.indexOf(4.0f), 255);
}
