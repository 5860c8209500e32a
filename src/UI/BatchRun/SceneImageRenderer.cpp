#include "UI/BatchRun/SceneImageRenderer.h"

#include "Core/Workspace/Scene.h"
#include "Model/Automaton/TotalVolume.h"
#include "UI/MainWindow.h"
#include "UI/View/GLWidget.h"
#include "UI/View/ViewSettings.h"

#include <QCoreApplication>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace Ui::BatchRun {
namespace {

// Centres the view on the scene's cell volumes and zooms so that they fill most of it.
void frameScene(GLWidget &view, const Core::Scene &scene)
{
    const auto volumes = scene.getCellVolumes();
    if (volumes.empty())
        return;
    Util::Vector3D low(std::numeric_limits<double>::max());
    Util::Vector3D high(std::numeric_limits<double>::lowest());
    for (const auto &volume : volumes) {
        const Util::Vector3D corner = volume->getPosition();
        const Util::Vector3D extent(volume->getSizeX() * double(volume->getCellSizeX()),
                                    volume->getSizeY() * double(volume->getCellSizeY()),
                                    volume->getSizeZ() * double(volume->getCellSizeZ()));
        for (int axis = 0; axis < 3; ++axis) {
            low[axis] = std::min(low[axis], corner[axis]);
            high[axis] = std::max(high[axis], corner[axis] + extent[axis]);
        }
    }
    const Util::Vector3D size = high - low;
    const double diagonal = std::sqrt(size.x * size.x + size.y * size.y + size.z * size.z);
    ViewSettings settings = view.viewSettings();
    settings.position = (low + high) * -0.5;
    // The zoom value is world units per pixel.
    if (diagonal > 0)
        settings.zoomValue = float(diagonal / (0.9 * std::min(view.width(), view.height())));
    view.applyViewSettings(settings);
}

} // namespace

SceneImageRenderer::SceneImageRenderer() = default;

SceneImageRenderer::~SceneImageRenderer() = default;

// Created on first use; its view draws from the desktop program's default camera direction.
MainWindow &SceneImageRenderer::offscreenWindow()
{
    if (!window) {
        window = std::make_unique<MainWindow>();
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->setAttribute(Qt::WA_DontShowOnScreen);
        window->getPresenter().showConsole(false);
        window->resize(1024, 768);
        window->show();
        // Lets the window lay out its view before the first frame.
        QCoreApplication::processEvents();
    }
    return *window;
}

bool SceneImageRenderer::displayAvailable()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY");
}

bool SceneImageRenderer::render(Core::Scene &scene, const QString &filename, QString &error)
{
    MainWindow &window = offscreenWindow();
    Core::Scene &shown = window.getPresenter().getScene();
    shown.clear();
    for (const auto &object : scene.getObjects()) {
        object->refreshDrawingData();
        shown.addObject(object);
    }
    GLWidget *view = window.getView();
    if (view)
        frameScene(*view, shown);
    const QImage image = view ? view->renderImage() : QImage();
    shown.clear();
    if (image.isNull()) {
        error = QStringLiteral("no OpenGL context could be made on this display");
        return false;
    }
    if (!image.save(filename)) {
        error =
            QStringLiteral("the file cannot be written (its suffix must name an image format, e.g. .png)");
        return false;
    }
    return true;
}

} // namespace Ui::BatchRun
