#include "UI/View/GLWidget.h"

#include "Model/Automaton/TotalVolume.h"
#include "Model/Automaton/TotalVolumePainter.h"
#include "UI/DialogPlacement.h"
#include "UI/MainWindowPresenter.h"
#include "UI/View/DecorationPainter.h"
#include "UI/View/DepthProbe.h"
#include "UI/View/LampPainter.h"
#include "UI/View/OperationPointFeed.h"
#include "UI/View/SceneObjectPainter.h"
#include "UI/View/SelectionPicker.h"
#include "UI/View/ViewPresets.h"
#include "UI/View/ViewProperties.h"
#include "UI/View/WheelStep.h"

#include <QMouseEvent>
#include <QShortcut>
#include <QWheelEvent>
#include <QtDebug>

#include <algorithm>
#include <cmath>

namespace Ui {
namespace {
constexpr float kKeyStep = 5.0f;
// Zoom factors beyond these would make the projection degenerate.
constexpr float kMinZoom = 1e-4f;
constexpr float kMaxZoom = 1e4f;

QGLFormat requestedFormat()
{
    QGLFormat format;
    format.setDoubleBuffer(true);
    format.setAlpha(true);
    format.setDepth(true);
    format.setRgba(true);
    format.setDirectRendering(true);
    format.setStencil(true);
    return format;
}

bool isShift(const QInputEvent *event)
{
    return event->modifiers() & Qt::ShiftModifier;
}
} // namespace

GLWidget::GLWidget(QWidget *parent, MainWindowPresenter *presenter)
    : QGLWidget(requestedFormat(), parent), presenter(presenter),
      lamps(LampRecord::standard().radius, LampRecord::standard().elevation, LampRecord::standard().azimuth)
{
    qRegisterMetaType<std::vector<float>>("std::vector<float>");
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    createShortcuts();
}

GLWidget::~GLWidget() = default;

void GLWidget::createShortcuts()
{
    struct Binding {
        Qt::Key key;
        void (GLWidget::*slot)();
    };
    static const Binding bindings[] = {
        {Qt::Key_Q, &GLWidget::increaseTranslateX}, {Qt::Key_W, &GLWidget::increaseTranslateY},
        {Qt::Key_E, &GLWidget::increaseTranslateZ}, {Qt::Key_A, &GLWidget::decreaseTranslateX},
        {Qt::Key_S, &GLWidget::decreaseTranslateY}, {Qt::Key_D, &GLWidget::decreaseTranslateZ},
        {Qt::Key_L, &GLWidget::swithActiveLamp},
    };
    for (const Binding &binding : bindings) {
        auto *shortcut = new QShortcut(QKeySequence(binding.key), this);
        connect(shortcut, &QShortcut::activated, this, binding.slot);
    }
}

// ---- state ---------------------------------------------------------------------------------

void GLWidget::setFlag(bool &flag, bool on)
{
    flag = on;
    update();
}

void GLWidget::setObjectsShown(bool on)
{
    setFlag(solidsShown, on);
}

void GLWidget::setEdgesShown(bool on)
{
    setFlag(objectEdgesShown, on);
}

void GLWidget::setLightingEnabled(bool on)
{
    setFlag(lighting, on);
}

void GLWidget::setGridShown(bool on)
{
    setFlag(gridVisible, on);
}

void GLWidget::setSnapToGrid(bool on)
{
    setFlag(snapping, on);
}

void GLWidget::setAxesShown(bool on)
{
    setFlag(axesVisible, on);
}

void GLWidget::setLampsShown(bool on)
{
    setFlag(lampsVisible, on);
}

bool GLWidget::setGridSpacing(double spacing)
{
    if (!grid.setSpacing(spacing))
        return false;
    update();
    return true;
}

void GLWidget::setColors(const ViewColors &newColors)
{
    colors = newColors;
    update();
}

void GLWidget::setRotation(int x, int y, int z)
{
    camera.setRotation(float(x), float(y), float(z));
    emitRotation();
    update();
}

void GLWidget::setZoom(float value)
{
    if (!std::isfinite(value) || value <= 0.0f)
        return;
    setZoomFactor(1.0f / value);
    emit zoomChanged(zoom * 100.0f);
}

void GLWidget::setZoomFactor(float factor)
{
    zoom = std::clamp(factor, kMinZoom, kMaxZoom);
    mouse.setDivisor(zoom);
    update();
}

bool GLWidget::setView(const QString &viewAngle)
{
    const auto angles = ViewPresets::anglesFor(viewAngle);
    if (!angles)
        return false;
    setRotation((*angles)[0], (*angles)[1], (*angles)[2]);
    return true;
}

void GLWidget::translateBy(const Util::Vector3D &offset)
{
    camera.addPosition(offset);
    update();
    emitAxisPosition();
}

void GLWidget::increaseTranslateX()
{
    translateBy(Util::Vector3D(kKeyStep, 0.0, 0.0));
}

void GLWidget::increaseTranslateY()
{
    translateBy(Util::Vector3D(0.0, kKeyStep, 0.0));
}

void GLWidget::increaseTranslateZ()
{
    translateBy(Util::Vector3D(0.0, 0.0, kKeyStep));
}

void GLWidget::decreaseTranslateX()
{
    translateBy(Util::Vector3D(-kKeyStep, 0.0, 0.0));
}

void GLWidget::decreaseTranslateY()
{
    translateBy(Util::Vector3D(0.0, -kKeyStep, 0.0));
}

void GLWidget::decreaseTranslateZ()
{
    translateBy(Util::Vector3D(0.0, 0.0, -kKeyStep));
}

void GLWidget::swithActiveLamp()
{
    if (lamps.selectNext()) {
        emitLamp();
        update();
    }
}

ViewSettings GLWidget::viewSettings() const
{
    ViewSettings settings;
    settings.position = camera.position();
    settings.rotation = {int(std::lround(camera.rotationX())), int(std::lround(camera.rotationY())),
                         int(std::lround(camera.rotationZ()))};
    settings.panX = camera.panX();
    settings.panY = camera.panY();
    settings.zoomValue = 1.0f / zoom;
    settings.lamps = lamps.records();
    settings.selectedLamp = lamps.selected();
    return settings;
}

void GLWidget::applyViewSettings(const ViewSettings &settings)
{
    camera.setPosition(settings.position);
    // The dialog shows whole degrees: unchanged values keep the exact angles of a mouse turn.
    if (settings.rotation != viewSettings().rotation)
        camera.setRotation(float(settings.rotation[0]), float(settings.rotation[1]),
                           float(settings.rotation[2]));
    camera.setPan(settings.panX, settings.panY);
    lamps.assign(settings.lamps);
    setZoom(settings.zoomValue);
    emitRotation();
    emitAxisPosition();
    emitViewPosition();
    update();
}

void GLWidget::editViewProperties(int tab)
{
    ViewProperties dialog(viewSettings(), this);
    dialog.setCurrentTab(tab);
    DialogPlacement::besideScene(dialog, window());
    if (dialog.exec() == QDialog::Accepted)
        applyViewSettings(dialog.settings());
}

// ---- feedback signals -----------------------------------------------------------------------

void GLWidget::emitRotation()
{
    emit rotationChanged({camera.rotationX(), camera.rotationY(), camera.rotationZ()});
}

void GLWidget::emitAxisPosition()
{
    const Util::Vector3D p = camera.position();
    emit axisPositionChanged({float(p.x), float(p.y), float(p.z)});
}

void GLWidget::emitViewPosition()
{
    emit viewPositionChanged({camera.panX(), camera.panY()});
}

void GLWidget::emitLamp()
{
    const uint32_t lamp = lamps.selected();
    emit lampPositionChanged({float(lamp), lamps.radius(lamp), lamps.elevation(lamp), lamps.azimuth(lamp)});
}

// ---- OpenGL ----------------------------------------------------------------------------------

void GLWidget::warnAboutFormat(const QGLFormat &format)
{
    if (!format.doubleBuffer())
        qWarning("Could not get double buffer; results will be suboptimal");
    if (!format.alpha())
        qWarning("Could not get alpha channel; results will be suboptimal");
    if (!format.depth())
        qWarning("Could not get depth buffer; results will be suboptimal");
    if (!format.rgba())
        qWarning("Could not get rgba mode; results will be suboptimal");
    if (!format.directRendering())
        qWarning("Could not get direct rendering; results will be suboptimal");
}

void GLWidget::initializeGL()
{
    warnAboutFormat(format());
    glShadeModel(GL_SMOOTH);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_DEPTH_TEST);
    glCullFace(GL_BACK);
    glEnable(GL_CULL_FACE);
    LampPainter::initializeLights();
    syncLamps();
    camera.setRotation(-60.0f, 0.0f, 30.0f);

    const GLfloat white[] = {1.0f, 1.0f, 1.0f, 1.0f};
    const GLfloat black[] = {0.0f, 0.0f, 0.0f, 1.0f};
    const GLfloat ambient[] = {0.2f, 0.2f, 0.2f, 1.0f};
    glMaterialfv(GL_FRONT, GL_SPECULAR, white);
    glMaterialfv(GL_FRONT, GL_EMISSION, black);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 128.0f);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    glReady = true;
}

void GLWidget::resizeGL(int width, int height)
{
    viewportWidth = width;
    viewportHeight = height;
    mouse.setDivisor(zoom);
    mouse.setViewport(width, height);
    applyProjection();
    grid.resetExtent();
}

// Zooming scales x and y. The depth range never shrinks below the unzoomed view's (it grows when
// zoomed out) and always holds every drawn object, so no zoom or rotation clips the scene.
void GLWidget::applyProjection()
{
    const double w = viewportWidth;
    const double h = viewportHeight;
    depth = int(std::sqrt(2.0) * std::max(w, h));
    const double z = zoom;
    halfDepth = std::max(depth / 2.0 / std::min(z, 1.0), sceneReach() + 1.0);
    glViewport(0, 0, viewportWidth, viewportHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-w / z / 2.0, w / z / 2.0, -h / z / 2.0, h / z / 2.0, -halfDepth, halfDepth);
    glMatrixMode(GL_MODELVIEW);
}

// How far drawn objects reach from the rotation centre (world point −position offset). An eye
// depth is a distance along the line of sight from that centre; the pan only moves the scene
// across the screen.
double GLWidget::sceneReach() const
{
    if (!presenter)
        return 0.0;
    const Util::Vector3D centre = camera.position() * -1.0;
    return std::max(
        SceneObjectPainter::reachFrom(presenter->getScene().getObjects(), centre),
        SceneObjectPainter::reachFrom(presenter->getWorkspace().getPickState().getPreviewObjects(), centre));
}

void GLWidget::syncLamps()
{
    LampPainter::load(lamps);
    loadedLampRevision = lamps.revision();
}

void GLWidget::paintGL()
{
    applyProjection();
    if (loadedLampRevision != lamps.revision())
        syncLamps();

    glClearColor(float(colors.background.redF()), float(colors.background.greenF()),
                 float(colors.background.blueF()), 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    if (lighting)
        glEnable(GL_LIGHTING);
    else
        glDisable(GL_LIGHTING);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(camera.modelView());

    if (gridVisible) {
        glDepthMask(GL_FALSE);
        DecorationPainter::drawGrid(grid, colors.grid);
        glDepthMask(GL_TRUE);
    }
    drawObjects(eyePosition(), false);
    if (axesVisible)
        drawAxes();
    if (lampsVisible)
        LampPainter::drawMarkers(lamps, float(depth));
    drawColorScaleLegend();
}

Util::Vector4D GLWidget::eyePosition() const
{
    const Util::Vector3D direction = camera.viewDirection();
    const double distance = std::max(viewportWidth, viewportHeight) * double(zoom) * 0.5;
    return Util::Vector4D(direction.x * distance, direction.y * distance, direction.z * distance, 1.0);
}

// Copies that a Copy is placing are not in the scene yet; they are drawn but cannot be picked.
void GLWidget::drawObjects(const Util::Vector4D &eye, bool named)
{
    if (!presenter)
        return;
    SceneObjectPainter::draw(presenter->getScene().getObjects(), {solidsShown, objectEdgesShown}, eye, named);
    if (!named)
        SceneObjectPainter::draw(presenter->getWorkspace().getPickState().getPreviewObjects(),
                                 {solidsShown, objectEdgesShown}, eye, false);
}

// The axes stay at the rotation centre: the scene's position offset does not move them.
void GLWidget::drawAxes()
{
    const Util::Vector3D pivot = camera.position();
    glPushMatrix();
    glTranslated(-pivot.x, -pivot.y, -pivot.z);
    DecorationPainter::drawAxes();
    glPopMatrix();
}

void GLWidget::drawColorScaleLegend()
{
    if (const auto scale = activeColorScale())
        ColorScaleLegend::draw(*this, *scale, legendTextColor());
}

// The colour scale of the first shown cell volume whose painter shows the particle-count field:
// its minimum, maximum and colour lookup.
std::optional<ColorScaleLegend::Scale> GLWidget::activeColorScale() const
{
    if (!presenter)
        return std::nullopt;
    for (const auto &volume : presenter->getScene().getCellVolumes()) {
        const Model::Automaton::TotalVolumePainter &painter = volume->getPainter();
        if (painter.isHidden()
            || painter.getSurfaceAlgorithm() != Model::Automaton::TotalVolumePainter::ParticleCountField)
            continue;
        const Model::Automaton::ColorScale scale = painter.getFieldPainter().colorScale();
        return ColorScaleLegend::Scale{scale.getMinimum(), scale.getMaximum(), [scale](float value) {
                                           const auto &c = scale.colorAt(value);
                                           return std::array<float, 4>{c.r, c.g, c.b, c.a};
                                       }};
    }
    return std::nullopt;
}

QColor GLWidget::legendTextColor() const
{
    return colors.background.lightnessF() > 0.5 ? QColor(Qt::black) : QColor(Qt::white);
}

QImage GLWidget::renderImage()
{
    if (!isValid())
        return QImage();
    makeCurrent();
    if (!glReady) {
        glInit();
        resizeGL(width(), height());
    }
    paintGL();
    glFinish();
    return grabFrameBuffer(false);
}

// ---- mouse -----------------------------------------------------------------------------------

void GLWidget::mousePressEvent(QMouseEvent *event)
{
    const int x = event->pos().x();
    const int y = event->pos().y();
    const bool shift = isShift(event);
    const Qt::MouseButtons buttons = event->buttons();
    if ((buttons & Qt::RightButton) && !shift) {
        mouse.setFirtPosition(x, y, MouseHandler::Translation);
        emitViewPosition();
    } else if ((buttons & Qt::LeftButton) && !shift) {
        clickPending = true;
        mouse.setFirtPosition(x, y, MouseHandler::EllipsoidRotation);
        emitRotation();
    } else if (buttons & Qt::LeftButton) {
        mouse.setFirtPosition(x, y, MouseHandler::Lamp);
        if (const auto angles = mouse.parameters(MouseHandler::Lamp))
            placeSelectedLamp(*angles);
        emitLamp();
    } else if (buttons & Qt::RightButton) {
        mouse.setFirtPosition(x, y, MouseHandler::Translation);
        emitAxisPosition();
    }
    buttonHeld = true;
    lastMousePosition = event->pos();
}

void GLWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (!buttonHeld) {
        deliverPoint(event->pos().x(), event->pos().y(), false);
        return;
    }
    if (event->pos() == lastMousePosition)
        return;
    clickPending = false;
    lastMousePosition = event->pos();
    mouse.moveTo(event->pos().x(), event->pos().y());
    const bool shift = isShift(event);
    const Qt::MouseButtons buttons = event->buttons();
    if ((buttons & Qt::RightButton) && !shift) {
        if (const auto pan = mouse.parameters(MouseHandler::Translation))
            camera.addPan((*pan)[0], (*pan)[1]);
        emitViewPosition();
    } else if ((buttons & Qt::LeftButton) && !shift) {
        if (const auto turn = mouse.parameters(MouseHandler::EllipsoidRotation))
            camera.rotateAbout(Util::Vector3D((*turn)[0], (*turn)[1], (*turn)[2]), 2.0f * (*turn)[3]);
        emitRotation();
    } else if (buttons & Qt::LeftButton) {
        if (const auto angles = mouse.parameters(MouseHandler::Lamp))
            placeSelectedLamp(*angles);
        emitLamp();
    } else if (buttons & Qt::RightButton) {
        if (const auto shiftBy = mouse.parameters(MouseHandler::Translation))
            camera.moveInScreenPlane((*shiftBy)[0], (*shiftBy)[1]);
        emitAxisPosition();
    }
    update();
}

void GLWidget::mouseReleaseEvent(QMouseEvent *event)
{
    buttonHeld = false;
    if (clickPending) {
        const int x = event->pos().x();
        const int y = event->pos().y();
        if (deliverPoint(x, y, true))
            update();
        else if (presenter && presenter->getSelection().getMode() && pickAt(x, y))
            update();
    }
    clickPending = false;
}

void GLWidget::wheelEvent(QWheelEvent *event)
{
    const QPoint angle = event->angleDelta();
    const int delta = angle.y() != 0 ? angle.y() : angle.x();
    if (delta == 0)
        return;
    if (!isShift(event)) {
        setZoomFactor(float(zoom * WheelStep::factor(delta)));
        emit zoomChanged(zoom * 100.0f);
    } else {
        const uint32_t lamp = lamps.selected();
        lamps.setRadius(lamp, WheelStep::lampRadius(lamps.radius(lamp), delta));
        emitLamp();
        update();
    }
    event->accept();
}

void GLWidget::placeSelectedLamp(const MouseHandler::Parameters &angles)
{
    lamps.setAngles(lamps.selected(), angles[0], angles[1]);
    update();
}

// ---- picking and points for operations ------------------------------------------------------

bool GLWidget::pickAt(int x, int y)
{
    if (!isValid() || !glReady)
        return false;
    makeCurrent();
    applyProjection();
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(camera.modelView());
    const Util::Vector4D eye = eyePosition();
    const std::vector<uint32_t> names = SelectionPicker::pick(x, y, [&] { drawObjects(eye, true); });
    Core::Scene &scene = presenter->getScene();
    Core::Selection &selection = presenter->getSelection();
    for (const uint32_t name : names)
        selection.toggle(scene.findObject(name));
    return !names.empty();
}

Util::Vector3D GLWidget::groundPointAt(int x, int y) const
{
    const Util::Vector3D point = camera.pointOnGroundPlane(eyeX(x), eyeY(y));
    return snapping ? grid.snap(point) : point;
}

// The point of the scene's surface under widget pixel (x, y); the ground point where no object
// is drawn there.
Util::Vector3D GLWidget::objectPointAt(int x, int y)
{
    if (!isValid() || !glReady)
        return groundPointAt(x, y);
    makeCurrent();
    applyProjection();
    glClear(GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(camera.modelView());
    drawObjects(eyePosition(), false);
    float eyeZ = 0.0f;
    if (!DepthProbe::eyeDepthAt(x, y, viewportHeight, halfDepth, eyeZ))
        return groundPointAt(x, y);
    const Util::Vector3D point = camera.worldPoint(eyeX(x), eyeY(y), eyeZ);
    return snapping ? grid.snap(point) : point;
}

Util::Vector3D GLWidget::dragPointAt(int x, int y, const Util::Vector3D &anchor) const
{
    const Util::Vector3D point = camera.pointOnDragPlane(eyeX(x), eyeY(y), anchor);
    return snapping ? grid.snap(point) : point;
}

float GLWidget::eyeX(int x) const
{
    return (float(x) - float(viewportWidth) / 2.0f) / zoom;
}

float GLWidget::eyeY(int y) const
{
    return (float(viewportHeight) / 2.0f - float(y)) / zoom;
}

// Clicks and tracked motion go to an operation that asked for a point (Move, Copy): the first
// click gives the origin on the object under the cursor; from then on the point under the
// mouse on the drag plane through that origin.
bool GLWidget::deliverPoint(int x, int y, bool final)
{
    if (!presenter || !OperationPointFeed::wants(presenter->getWorkspace(), final))
        return false;
    const Core::PickState::Feedback feedback = presenter->getWorkspace().getPickState().getFeedback();
    const Util::Vector3D point = feedback.origin ? dragPointAt(x, y, *feedback.origin) : objectPointAt(x, y);
    const bool delivered = OperationPointFeed::deliver(presenter->getWorkspace(), point, final);
    update();
    return delivered;
}

} // namespace Ui
