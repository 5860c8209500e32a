#include "UI/View/GLWidget.h"
#include "Model/Automaton/TotalVolume.h"
#include "Model/Automaton/TotalVolumePainter.h"
#include "Support/OperationTestSupport.h"
#include "Support/RecordingOperation.h"
#include "UI/MainWindow.h"
#include "UI/MainWindowPresenter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <array>
#include <cmath>

namespace {

// A flat square in the plane z = height in one colour, unlit unless asked; it remembers the eye
// position of its last draw.
class SquareObject : public Model::Object {
public:
    SquareObject(float half, QColor color, bool lit = false, float height = 0.0f)
        : half(half), color(color), lit(lit), height(height)
    {
    }
    uint32_t getType() const override { return 99; }
    void draw(bool solidsShown, bool, const Util::Vector4D &eye) override
    {
        lastEye = eye;
        if (!solidsShown)
            return;
        // The colour is left current, as drawing code commonly does.
        glPushAttrib(GL_ENABLE_BIT);
        if (!lit)
            glDisable(GL_LIGHTING);
        glDisable(GL_CULL_FACE);
        glColor3f(float(color.redF()), float(color.greenF()), float(color.blueF()));
        glNormal3f(0.0f, 0.0f, 1.0f);
        glBegin(GL_QUADS);
        glVertex3f(-half, -half, height);
        glVertex3f(half, -half, height);
        glVertex3f(half, half, height);
        glVertex3f(-half, half, height);
        glEnd();
        glPopAttrib();
    }
    void refreshDrawingData() override {}
    std::shared_ptr<Object> clone() const override
    {
        return std::make_shared<SquareObject>(half, color, lit, height);
    }
    void translate(const Util::Vector3D &) override {}

    Util::Vector4D lastEye;

private:
    float half;
    QColor color;
    bool lit;
    float height;
};

const QColor kSquareColor = QColor::fromRgb(40, 220, 90);
constexpr int kSize = 200;

class GLWidgetTest : public ::testing::Test {
protected:
    GLWidgetTest() : window(new Ui::MainWindow), presenter(window->getPresenter())
    {
        view = new Ui::GLWidget(nullptr, &presenter);
        view->resize(kSize, kSize);
        view->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view));
        view->setAxesShown(false);
        view->setView(QStringLiteral("top"));
        square = std::make_shared<SquareObject>(20.0f, kSquareColor);
        presenter.getScene().addObject(square);
    }
    ~GLWidgetTest() override
    {
        delete view;
        window->close();
        delete window;
    }

    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QMouseEvent event(type, at, view->mapToGlobal(at), button, held, modifiers);
        QApplication::sendEvent(view, &event);
    }
    void click(QPoint at)
    {
        send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
    void drag(QPoint from, QPoint to, Qt::MouseButton button,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        send(QEvent::MouseButtonPress, from, button, button, modifiers);
        send(QEvent::MouseMove, to, Qt::NoButton, button, modifiers);
        send(QEvent::MouseButtonRelease, to, button, Qt::NoButton, modifiers);
    }
    void wheel(int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const QPoint centre(kSize / 2, kSize / 2);
        QWheelEvent event(centre, view->mapToGlobal(centre), QPoint(), QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &event);
    }

    static bool near(QRgb pixel, const QColor &expected)
    {
        return std::abs(qRed(pixel) - expected.red()) <= 2 && std::abs(qGreen(pixel) - expected.green()) <= 2
               && std::abs(qBlue(pixel) - expected.blue()) <= 2;
    }

    Ui::MainWindow *window;
    Ui::MainWindowPresenter &presenter;
    Ui::GLWidget *view = nullptr;
    std::shared_ptr<SquareObject> square;
};

TEST_F(GLWidgetTest, DrawsTheSceneOverTheBackgroundWhereZoomAndPanPutIt)
{
    QImage image = view->renderImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(kSize, kSize));
    EXPECT_FALSE(image.hasAlphaChannel());
    // Top view at zoom 1: one world unit per pixel, the world origin in the middle.
    EXPECT_TRUE(near(image.pixel(100, 100), kSquareColor));
    EXPECT_TRUE(near(image.pixel(10, 10), view->getColors().background));
    EXPECT_TRUE(near(image.pixel(100, 130), view->getColors().background));

    // The eye sits on the view axis, half the larger side times the zoom away.
    EXPECT_EQ(square->lastEye, Util::Vector4D(0.0, 0.0, 100.0, 1.0));

    view->setObjectsShown(false);
    EXPECT_TRUE(near(view->renderImage().pixel(100, 100), view->getColors().background));
    view->setObjectsShown(true);

    view->setZoom(0.5f); // zoom factor 2: the square covers 60..140
    EXPECT_TRUE(near(view->renderImage().pixel(65, 100), kSquareColor));
    EXPECT_EQ(view->getZoom(), 2.0f);
    view->setZoom(1.0f);
    drag(QPoint(100, 100), QPoint(150, 100), Qt::RightButton); // pan 50 pixels to the right
    image = view->renderImage();
    EXPECT_TRUE(near(image.pixel(150, 100), kSquareColor));
    EXPECT_TRUE(near(image.pixel(100, 100), view->getColors().background));
    EXPECT_FLOAT_EQ(view->getCamera().panX(), 50.0f);
}

TEST_F(GLWidgetTest, OverlayColoursNeverLeakIntoTheMaterialOfLitObjects)
{
    presenter.getScene().removeObject(square);
    presenter.getScene().addObject(std::make_shared<SquareObject>(20.0f, kSquareColor, true));
    view->setGridShown(true);
    view->setLampsShown(true);
    view->setAxesShown(true);
    const QRgb first = view->renderImage().pixel(90, 90);
    EXPECT_GT(qRed(first) + qGreen(first) + qBlue(first), 30); // lit, not black
    for (int frame = 0; frame < 3; ++frame)
        EXPECT_EQ(view->renderImage().pixel(90, 90), first) << "frame " << frame;
}

// A click picks only in selection mode, and toggles the object in front under the cursor, not the
// one drawn first; a click on nothing keeps the selection; a drag turns the scene instead (by how
// much is MouseHandler's and Camera's test).
TEST_F(GLWidgetTest, AClickPicksTheObjectInFrontNotTheOneDrawnFirst)
{
    auto nearer = std::make_shared<SquareObject>(10.0f, Qt::red, false, 10.0f); // above: nearer the eye
    presenter.getScene().addObject(nearer);
    click(QPoint(100, 100));
    EXPECT_FALSE(nearer->isSelected());
    presenter.setSelectionMode(true);
    click(QPoint(100, 100));
    EXPECT_TRUE(nearer->isSelected());
    EXPECT_FALSE(square->isSelected());
    ASSERT_EQ(presenter.getSelection().getObjects().size(), 1u);
    EXPECT_EQ(presenter.getWorkspace().getPickState().getSelectedObjects().front(), nearer);

    click(QPoint(10, 10)); // nothing there
    EXPECT_TRUE(nearer->isSelected());

    drag(QPoint(100, 100), QPoint(104, 100), Qt::LeftButton);
    EXPECT_TRUE(nearer->isSelected()) << "a drag turns, it does not pick";
    EXPECT_GT(view->getCamera().rotationY(), 0.5f) << "a drag to the right turns about the eye's y axis";
    EXPECT_NEAR(view->getCamera().rotationX(), 0.0, 1e-4);
}

// The wheel zooms; with Shift it moves the selected lamp (by WheelStep's rule) instead. Shift and
// the right button move the camera; Shift and the left button place the lamp under the cursor.
TEST_F(GLWidgetTest, WheelAndShiftDragsZoomOrMoveTheCameraAndTheLamp)
{
    QSignalSpy zooms(view, &Ui::GLWidget::zoomChanged);
    wheel(120);
    EXPECT_FLOAT_EQ(view->getZoom(), 1.1f);
    ASSERT_EQ(zooms.count(), 1);
    EXPECT_FLOAT_EQ(zooms.at(0).at(0).toFloat(), 110.0f);
    wheel(-120);
    EXPECT_NEAR(view->getZoom(), 1.0f, 1e-6);

    const float radius = view->getLamps().radius(1);
    wheel(120, Qt::ShiftModifier);
    EXPECT_FLOAT_EQ(view->getLamps().radius(1), radius * 1.1f);
    EXPECT_NEAR(view->getZoom(), 1.0f, 1e-6);

    QSignalSpy positions(view, &Ui::GLWidget::axisPositionChanged);
    drag(QPoint(100, 100), QPoint(110, 80), Qt::RightButton, Qt::ShiftModifier);
    EXPECT_NEAR(view->getCamera().position().x, 10.0, 1e-4);
    EXPECT_NEAR(view->getCamera().position().y, 20.0, 1e-4);
    ASSERT_FALSE(positions.isEmpty());
    EXPECT_EQ(positions.back().at(0).value<std::vector<float>>(), (std::vector<float>{10.0f, 20.0f, 0.0f}));

    drag(QPoint(100, 100), QPoint(100, 50), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_NEAR(view->getLamps().azimuth(1), M_PI / 2.0, 1e-5);
    EXPECT_NEAR(view->getLamps().elevation(1), M_PI / 3.0, 1e-5); // 50 up on a sphere of radius 100
}

TEST_F(GLWidgetTest, LampsBecomeLightsFixedToTheEye)
{
    Ui::ViewSettings settings = view->viewSettings();
    settings.lamps = {Ui::LampRecord{300.0f, 0.5f, 1.0f, false},
                      Ui::LampRecord{200.0f, float(M_PI / 2.0), 2.0f, true}};
    view->applyViewSettings(settings);
    view->setRotation(-60, 0, 30); // lamps do not turn with the scene
    view->renderImage();
    view->makeCurrent();
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    for (GLenum light = GL_LIGHT2; light <= GL_LIGHT7; ++light)
        EXPECT_FALSE(glIsEnabled(light));
    GLfloat position[4];
    glGetLightfv(GL_LIGHT1, GL_POSITION, position);
    EXPECT_NEAR(position[0], 0.0f, 1e-3);
    EXPECT_NEAR(position[1], 0.0f, 1e-3);
    EXPECT_NEAR(position[2], 200.0f, 1e-3);
    EXPECT_EQ(position[3], 1.0f);
}

// A lamp on the view axis, 100 units in front: its yellow marker stays drawn however far the
// view is zoomed in.
TEST_F(GLWidgetTest, LampMarkersStayVisibleWhenZoomedIn)
{
    Ui::ViewSettings settings = view->viewSettings();
    settings.lamps = {Ui::LampRecord{100.0f, float(M_PI / 2.0), 0.0f, true}};
    view->applyViewSettings(settings);
    view->setLampsShown(true);
    for (float zoomValue : {1.0f, 0.5f, 0.2f}) {
        view->setZoom(zoomValue);
        const QImage image = view->renderImage().convertToFormat(QImage::Format_RGB32);
        const auto *pixels = reinterpret_cast<const QRgb *>(image.constBits());
        EXPECT_GT(std::count(pixels, pixels + image.width() * image.height(), qRgb(255, 255, 0)), 20)
            << "zoom " << 1.0f / zoomValue;
    }
}

// Zoomed far in and turned any way, the depth range holds every corner of a tall volume that
// stands away from the rotation centre.
TEST_F(GLWidgetTest, DepthRangeHoldsTheWholeSceneAtAnyZoomAndRotation)
{
    const Util::Vector3D lower(30.0, -20.0, 5.0);
    const Util::Vector3D size(40.0, 40.0, 100.0);
    presenter.getScene().addObject(std::make_shared<Model::Automaton::TotalVolume>(
        4, 4, 4, 10.0f, 10.0f, 25.0f, lower, std::vector<uint32_t>(64, 1)));
    Ui::ViewSettings settings = view->viewSettings();
    settings.position = Util::Vector3D(-10.0, 15.0, -40.0);
    for (const std::array<int, 3> &rotation : {std::array<int, 3>{0, 0, 0}, {-60, 0, 30}, {37, 81, -140}}) {
        for (float zoomValue : {1.0f, 0.1f, 0.001f}) {
            settings.rotation = rotation;
            settings.zoomValue = zoomValue;
            view->applyViewSettings(settings);
            view->renderImage();
            GLdouble projection[16];
            glGetDoublev(GL_PROJECTION_MATRIX, projection);
            for (int corner = 0; corner < 8; ++corner) {
                const QVector3D at(lower.x + size.x * (corner & 1), lower.y + size.y * (corner >> 1 & 1),
                                   lower.z + size.z * (corner >> 2));
                const float eyeZ = view->getCamera().modelViewMatrix().map(at).z();
                EXPECT_LE(std::fabs(projection[10] * eyeZ + projection[14]), 1.0)
                    << "zoom " << 1.0f / zoomValue << ", corner " << corner;
            }
        }
    }
}

// The legend explains the particle-count view: with a volume in that view a grey ramp over the
// counts 0..63 runs along the bottom (x 10..190, rows 170..190 of the 200 × 200 view).
TEST_F(GLWidgetTest, ColourScaleLegendFollowsTheParticleCountView)
{
    auto volume = std::make_shared<Model::Automaton::TotalVolume>(
        4, 4, 4, 1.0f, 1.0f, 1.0f, Util::Vector3D(-50, -50, 0), std::vector<uint32_t>(64, 1));
    auto counts = std::make_shared<Model::Automaton::ParticleCountField>(64);
    for (size_t cell = 0; cell < 64; ++cell)
        (*counts)[cell].counts[0] = uint32_t(cell);
    volume->setParticleCounts(QStringLiteral("Random Walk Particle Count Type N"), counts);
    presenter.getScene().addObject(volume);
    volume->refreshDrawingData();
    const QColor background = view->getColors().background;
    EXPECT_TRUE(near(view->renderImage().pixel(100, 180), background)) << "no legend in the material view";
    volume->getPainter().setSurfaceAlgorithm(Model::Automaton::TotalVolumePainter::ParticleCountField);
    volume->refreshDrawingData();
    const QImage image = view->renderImage();
    EXPECT_TRUE(near(image.pixel(12, 180), QColor(3, 3, 3)));
    EXPECT_TRUE(near(image.pixel(188, 180), QColor(252, 252, 252)));
    EXPECT_TRUE(near(image.pixel(100, 160), background));
    EXPECT_TRUE(near(image.pixel(5, 180), background));
}

TEST_F(GLWidgetTest, ViewSettingsRoundTripWithoutDisturbingTheCamera)
{
    view->setRotation(-60, 0, 30);
    drag(QPoint(100, 100), QPoint(107, 93), Qt::LeftButton); // angles off whole degrees
    view->increaseTranslateY();
    const QMatrix4x4 before = view->getCamera().modelViewMatrix();
    const Ui::ViewSettings settings = view->viewSettings();
    view->applyViewSettings(settings);
    EXPECT_TRUE(qFuzzyCompare(view->getCamera().modelViewMatrix(), before));
    EXPECT_NEAR(view->getZoom(), 1.0f, 1e-6);

    Ui::ViewSettings changed = settings;
    changed.rotation = {10, 20, 30};
    changed.zoomValue = 0.25f;
    changed.panX = 7.0f;
    view->applyViewSettings(changed);
    EXPECT_EQ(view->getCamera().rotationY(), 20.0f);
    EXPECT_EQ(view->getCamera().panX(), 7.0f);
    EXPECT_EQ(view->getZoom(), 4.0f);
    EXPECT_EQ(view->getCamera().position(), Util::Vector3D(0.0, 5.0, 0.0));
}

// The operation that asked for a point (as Move does) gets the ground point under the click,
// snapped to the grid when asked, and is executed with it; the tracking ends.
TEST_F(GLWidgetTest, AClickFeedsThePointAnOperationAskedFor)
{
    Core::Workspace &workspace = presenter.getWorkspace();
    std::vector<std::string> log;
    auto factory = std::make_shared<TestSupport::MakerFactory>();
    factory->makers[1000] = [&] {
        return std::make_shared<TestSupport::RecordingOperation>(workspace, "Point", log);
    };
    workspace.setOperationFactory(factory);
    workspace.activate(1000);
    Util::Vector3D point(-1.0, -1.0, -1.0);
    uint32_t trackingMode = 3;
    workspace.getPickState().registerTracking(workspace.currentOperation().get(), &point, &trackingMode);
    log.clear();
    view->setSnapToGrid(true);
    click(QPoint(123, 71)); // world (23, 29), snapped to the 10-unit grid
    EXPECT_EQ(log, std::vector<std::string>{"Point.execute"});
    EXPECT_EQ(point, Util::Vector3D(20.0, 30.0, 0.0));
    EXPECT_EQ(trackingMode, 0u);
}

} // namespace
