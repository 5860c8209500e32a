#include "Model/Automaton/MaterialColorMap.h"

#include "Support/SurfaceTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using Model::Automaton::AlphaClass;
using Model::Automaton::classifyAlpha;
using Model::Automaton::MaterialColorMap;

TEST(MaterialColorMap, AlphaClassesSplitAtOneAndTwoHundredFiftyFourOver255)
{
    const float low = 1.0f / 255.0f;
    const float high = 254.0f / 255.0f;
    EXPECT_EQ(classifyAlpha(0.0f), AlphaClass::Invisible);
    EXPECT_EQ(classifyAlpha(std::nextafter(low, 0.0f)), AlphaClass::Invisible);
    EXPECT_EQ(classifyAlpha(low), AlphaClass::Translucent);
    EXPECT_EQ(classifyAlpha(high), AlphaClass::Translucent);
    EXPECT_EQ(classifyAlpha(std::nextafter(high, 1.0f)), AlphaClass::Opaque);
    EXPECT_EQ(classifyAlpha(1.0f), AlphaClass::Opaque);
}

TEST(MaterialColorMap, CatalogueColoursWithEmptyAndUnknownIdsInvisible)
{
    SurfaceTest::installMaterials();
    MaterialColorMap map = MaterialColorMap::fromCatalogue();
    const auto si = Model::Materials::MaterialFactory::instance()->getMaterialById(1).getColor();
    EXPECT_EQ(map.color(1), si);
    EXPECT_EQ(map.alphaClass(1), AlphaClass::Opaque);
    EXPECT_EQ(map.alphaClass(SurfaceTest::kTranslucentA), AlphaClass::Translucent);
    EXPECT_EQ(map.alphaClass(SurfaceTest::kInvisible), AlphaClass::Invisible);
    EXPECT_TRUE(map.contains(0));
    EXPECT_EQ(map.color(0), (Model::Materials::RgbaColor{0.0f, 0.0f, 0.0f, 0.0f}));
    for (uint32_t unknown : {2u, 999u, 70000u, 4000000000u}) {
        EXPECT_FALSE(map.contains(unknown));
        EXPECT_EQ(map.alphaClass(unknown), AlphaClass::Invisible);
    }
    // Large ids, from odd files, still resolve.
    map.setColor(4000000000u, {1.0f, 0.0f, 0.0f, 1.0f});
    map.setColor(65536u, {0.0f, 1.0f, 0.0f, 0.5f});
    EXPECT_EQ(map.alphaClass(4000000000u), AlphaClass::Opaque);
    EXPECT_EQ(map.alphaClass(65536u), AlphaClass::Translucent);
    EXPECT_EQ(map.color(65536u).g, 1.0f);
    EXPECT_TRUE(map.contains(4000000000u));
}
