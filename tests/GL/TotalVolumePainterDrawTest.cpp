#include "Model/Automaton/TotalVolume.h"
#include "Model/Automaton/TotalVolumePainter.h"
#include "Model/Materials/MaterialFactory.h"

#include "Support/SurfaceTestSupport.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <memory>

using Model::Automaton::TotalVolume;

namespace {

constexpr int kPixels = 64;        // the framebuffer is 64 × 64 pixels
constexpr double kViewCells = 8.0; // showing 8 × 8 cells: 8 pixels per cell
const float kBackground[3] = {0.1f, 0.2f, 0.3f};

struct Rgb {
    int r, g, b;
};

// An offscreen OpenGL context with a framebuffer, looking down the z axis at x, y in 0..8.
class PainterDrawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        SurfaceTest::installMaterials();
        QSurfaceFormat format;
        format.setRenderableType(QSurfaceFormat::OpenGL);
        format.setProfile(QSurfaceFormat::CompatibilityProfile);
        format.setVersion(2, 1);
        format.setDepthBufferSize(24);
        surface.setFormat(format);
        surface.create();
        context.setFormat(format);
        ASSERT_TRUE(context.create());
        ASSERT_TRUE(context.makeCurrent(&surface));
        framebuffer =
            std::make_unique<QOpenGLFramebufferObject>(kPixels, kPixels, QOpenGLFramebufferObject::Depth);
        ASSERT_TRUE(framebuffer->bind());
    }
    void TearDown() override
    {
        framebuffer.reset();
        context.doneCurrent();
    }

    void render(TotalVolume &volume, bool solidsShown = true, bool edgesShown = false)
    {
        glViewport(0, 0, kPixels, kPixels);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0.0, kViewCells, 0.0, kViewCells, -50.0, 50.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glClearColor(kBackground[0], kBackground[1], kBackground[2], 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_CULL_FACE);
        glCullFace(GL_BACK);
        glDisable(GL_LIGHTING);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        volume.draw(solidsShown, edgesShown, Util::Vector4D(4.0, 4.0, 100.0, 1.0));
        glFinish();
        ASSERT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }

    // The colour at the centre of cell column (x, y) as seen from above.
    Rgb pixelOverCell(int x, int y)
    {
        unsigned char rgba[4];
        glReadPixels(x * 8 + 4, y * 8 + 4, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        return {rgba[0], rgba[1], rgba[2]};
    }

    static void expectColor(const Rgb &actual, float r, float g, float b)
    {
        EXPECT_NEAR(actual.r, r * 255.0f, 2.0f);
        EXPECT_NEAR(actual.g, g * 255.0f, 2.0f);
        EXPECT_NEAR(actual.b, b * 255.0f, 2.0f);
    }

    QOffscreenSurface surface;
    QOpenGLContext context;
    std::unique_ptr<QOpenGLFramebufferObject> framebuffer;
};

} // namespace

// A 4 × 4 × 4 block of Si (grey 0.5) in the corner of the view, drawn by every algorithm.
TEST_F(PainterDrawing, OpaqueBlockShowsItsColourTheHighlightAndTheBackgroundAround)
{
    auto volume = TestSupport::makeVolume(4, 4, 4, TestSupport::block(0, 4, SurfaceTest::kOpaqueA));
    auto &painter = volume->getPainter();
    painter.setRenderEmptyVoxelOutlines(true);
    for (uint32_t algorithm = 0; algorithm < 4; ++algorithm) {
        SCOPED_TRACE(testing::Message() << "algorithm " << algorithm);
        painter.setSurfaceAlgorithm(algorithm);
        painter.update();
        render(*volume, true, true);
        expectColor(pixelOverCell(2, 2), 0.5f, 0.5f, 0.5f);
        expectColor(pixelOverCell(6, 6), kBackground[0], kBackground[1], kBackground[2]);
    }

    volume->setSelected(true); // each channel below 0.7 goes up by 0.3
    render(*volume);
    expectColor(pixelOverCell(1, 2), 0.8f, 0.8f, 0.8f);
    expectColor(pixelOverCell(5, 1), kBackground[0], kBackground[1], kBackground[2]);

    // Hidden, or solids not shown: nothing of the volume is drawn.
    render(*volume, false);
    expectColor(pixelOverCell(1, 2), kBackground[0], kBackground[1], kBackground[2]);
    volume->setSelected(false);
    painter.setHidden(true);
    render(*volume);
    expectColor(pixelOverCell(1, 2), kBackground[0], kBackground[1], kBackground[2]);
}

TEST_F(PainterDrawing, TranslucentLayerAndMaskOverlayBlendOverTheSolid)
{
    // Si below z = 3, a translucent layer at z = 3 (colour 0.2, 0.4, 0.9, alpha 0.5).
    auto volume = TestSupport::makeVolume(4, 4, 4, [](uint32_t, uint32_t, uint32_t z) {
        return z < 3 ? SurfaceTest::kOpaqueA : (z == 3 ? SurfaceTest::kTranslucentA : 0u);
    });
    QBitArray mask(16);
    mask.setBit(1 * 4 + 1); // column (1, 1) of a 4 × 4 mask
    volume->setTopMask(mask, 4, 4);
    volume->refreshDrawingData();
    render(*volume);
    // Translucent over grey: 0.5 · (0.2, 0.4, 0.9) + 0.5 · 0.5.
    const float under[3] = {0.35f, 0.45f, 0.7f};
    expectColor(pixelOverCell(2, 3), under[0], under[1], under[2]);
    // The mask quad (0.2, 0.8, 0.2, alpha 0.3) floats above the top.
    expectColor(pixelOverCell(1, 1), 0.3f * 0.2f + 0.7f * under[0], 0.3f * 0.8f + 0.7f * under[1],
                0.3f * 0.2f + 0.7f * under[2]);
}

TEST_F(PainterDrawing, SiliconAtomsShowThroughClearSilicon)
{
    // Silicon made clear, so that its lattice shows; the (100) surface atoms have two bonds.
    auto materials = Model::Materials::MaterialFactory::instance();
    Model::Materials::Material silicon = materials->getMaterialById(SurfaceTest::kOpaqueA);
    silicon.setColor({0.5f, 0.5f, 0.5f, 0.0f});
    materials->addMaterial(silicon);
    auto volume = TestSupport::makeSlab(8, 8, 4, 2, SurfaceTest::kOpaqueA);
    volume->createSiLattice();
    auto &painter = volume->getPainter();
    const auto twoBondPixels = [&] {
        std::vector<unsigned char> rgba(kPixels * kPixels * 4);
        glReadPixels(0, 0, kPixels, kPixels, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        int count = 0;
        for (size_t p = 0; p < rgba.size(); p += 4)
            count += rgba[p] == 127 && rgba[p + 1] == 255 && rgba[p + 2] == 127;
        return count;
    };
    volume->refreshDrawingData();
    render(*volume);
    EXPECT_EQ(twoBondPixels(), 0) << "atoms are drawn only when asked for";

    // Which atoms the flags and the cut box select is SiLatticePainter's test; here they are drawn.
    Model::Automaton::AtomisticRenderFlags flags;
    flags.siAtoms = true;
    painter.setAtomisticFlags(flags);
    volume->refreshDrawingData();
    render(*volume);
    EXPECT_GT(twoBondPixels(), 100);
}
