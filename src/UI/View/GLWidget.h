#pragma once

#include "UI/View/Camera.h"
#include "UI/View/ColorScaleLegend.h"
#include "UI/View/LampSet.h"
#include "UI/View/MouseHandler.h"
#include "UI/View/ViewColors.h"
#include "UI/View/ViewGrid.h"
#include "UI/View/ViewSettings.h"
#include "Util/Vector4D.h"

#include <QGLWidget>
#include <QImage>
#include <QPoint>

#include <optional>
#include <vector>

Q_DECLARE_METATYPE(std::vector<float>)

namespace Ui {

class MainWindowPresenter;

// The 3-D view of the scene: draws every scene object with the fixed-function pipeline, turns
// mouse, wheel and keys into camera changes, picks objects for the selection and feeds clicked
// points to an operation that asked for them.
class GLWidget : public QGLWidget {
    Q_OBJECT
public:
    GLWidget(QWidget *parent, MainWindowPresenter *presenter);
    ~GLWidget() override;

    bool objectsShown() const { return solidsShown; }
    bool edgesShown() const { return objectEdgesShown; }
    bool lightingEnabled() const { return lighting; }
    bool gridShown() const { return gridVisible; }
    bool snapToGrid() const { return snapping; }
    bool axesShown() const { return axesVisible; }
    bool lampsShown() const { return lampsVisible; }

    float getZoom() const { return zoom; }
    double getGridSpacing() const { return grid.getSpacing(); }
    // Refuses spacings that are not finite and positive.
    bool setGridSpacing(double spacing);
    const ViewGrid &getGrid() const { return grid; }
    const Camera &getCamera() const { return camera; }
    const LampSet &getLamps() const { return lamps; }
    const ViewColors &getColors() const { return colors; }
    void setColors(const ViewColors &newColors);

    // The standard views "front", "back", "left", "right", "top" and "bottom"; any other name
    // changes nothing and gives false.
    bool setView(const QString &viewAngle);

    ViewSettings viewSettings() const;
    void applyViewSettings(const ViewSettings &settings);
    // Shows the view and lamp dialog on tab 0 (view) or 1 (lighting) and applies it when
    // accepted.
    void editViewProperties(int tab);

    // Renders the scene now and returns the frame without alpha; a null image when the view
    // has no valid OpenGL context.
    QImage renderImage();

    // The eye position handed to the objects' draw calls (w = 1).
    Util::Vector4D eyePosition() const;
    // The world point on the plane z = 0 under widget pixel (x, y), snapped to the grid when
    // snapping is on.
    Util::Vector3D groundPointAt(int x, int y) const;

signals:
    void rotationChanged(std::vector<float> angles);
    void axisPositionChanged(std::vector<float> position);
    void viewPositionChanged(std::vector<float> pan);
    void zoomChanged(float zoom);
    void lampPositionChanged(std::vector<float> lamp);

public slots:
    void increaseTranslateX();
    void increaseTranslateY();
    void increaseTranslateZ();
    void decreaseTranslateX();
    void decreaseTranslateY();
    void decreaseTranslateZ();
    void swithActiveLamp();

    void setObjectsShown(bool on);
    void setEdgesShown(bool on);
    void setLightingEnabled(bool on);
    void setGridShown(bool on);
    void setSnapToGrid(bool on);
    void setAxesShown(bool on);
    void setLampsShown(bool on);
    // Whole degrees about x, y and z.
    void setRotation(int x, int y, int z);
    // The zoom factor becomes 1/value; values that are not finite and positive are ignored.
    void setZoom(float value);

protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void createShortcuts();
    void setFlag(bool &flag, bool on);
    void translateBy(const Util::Vector3D &offset);
    void setZoomFactor(float factor);
    void applyProjection();
    double sceneReach() const;
    void syncLamps();
    void drawObjects(const Util::Vector4D &eye, bool named);
    void drawAxes();
    void drawColorScaleLegend();
    std::optional<ColorScaleLegend::Scale> activeColorScale() const;
    QColor legendTextColor() const;
    bool pickAt(int x, int y);
    bool deliverPoint(int x, int y, bool final);
    Util::Vector3D objectPointAt(int x, int y);
    Util::Vector3D dragPointAt(int x, int y, const Util::Vector3D &anchor) const;
    // Widget pixel coordinates in eye space.
    float eyeX(int x) const;
    float eyeY(int y) const;
    void placeSelectedLamp(const MouseHandler::Parameters &angles);
    static void warnAboutFormat(const QGLFormat &format);

    void emitRotation();
    void emitAxisPosition();
    void emitViewPosition();
    void emitLamp();

    MainWindowPresenter *presenter;
    Camera camera;
    MouseHandler mouse;
    LampSet lamps;
    ViewGrid grid;
    ViewColors colors = ViewColors::defaultScheme();
    float zoom = 1.0f;
    int viewportWidth = 0;
    int viewportHeight = 0;
    int depth = 0;          // the unzoomed view's depth extent
    double halfDepth = 0.0; // half the projection's depth range
    bool solidsShown = true;
    bool objectEdgesShown = false;
    bool lighting = true;
    bool gridVisible = false;
    bool snapping = false;
    bool axesVisible = true;
    bool lampsVisible = false;
    bool buttonHeld = false;
    bool clickPending = false;
    QPoint lastMousePosition;
    bool glReady = false;
    uint64_t loadedLampRevision = 0;
};

} // namespace Ui
