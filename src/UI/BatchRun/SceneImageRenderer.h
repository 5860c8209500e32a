#pragma once

#include <QString>

namespace Core {
class Scene;
}

namespace Ui::BatchRun {

// Draws a scene without a window for the headless batch command's Save Image steps.
class SceneImageRenderer {
public:
    // Whether an X display is named, so that a QApplication with OpenGL can be created.
    static bool displayAvailable();
    // Draws the scene as the main view would and saves it to `filename` (format from the
    // suffix). False, with the reason, when it cannot.
    static bool render(Core::Scene &scene, const QString &filename, QString &error);
};

} // namespace Ui::BatchRun
