#pragma once

#include <QString>

#include <memory>

namespace Core {
class Scene;
}

namespace Ui {
class MainWindow;
}

namespace Ui::BatchRun {

// Draws a scene without showing a window, for the headless batch command's Save Image steps:
// a main window that never goes on the screen draws it with its view, framed to fit.
class SceneImageRenderer {
public:
    SceneImageRenderer();
    ~SceneImageRenderer();
    SceneImageRenderer(const SceneImageRenderer &) = delete;
    SceneImageRenderer &operator=(const SceneImageRenderer &) = delete;

    // Whether an X display is named, so that a QApplication with OpenGL can be created.
    static bool displayAvailable();
    // Draws the scene and saves it to `filename` (format from the suffix). False, with the
    // reason, when it cannot. Needs a QApplication.
    bool render(Core::Scene &scene, const QString &filename, QString &error);

private:
    MainWindow &offscreenWindow();

    std::unique_ptr<MainWindow> window;
};

} // namespace Ui::BatchRun
