#include "UI/BatchRun/SceneImageRenderer.h"

#include "Core/Workspace/Scene.h"

namespace Ui::BatchRun {

bool SceneImageRenderer::displayAvailable()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY");
}

bool SceneImageRenderer::render(Core::Scene &, const QString &, QString &error)
{
    // Drawing hook for the headless command: to be filled with the main view's offscreen
    // drawing (refresh each volume's drawing data, draw the scene from the default camera,
    // grab the frame buffer and save it).
    error = QStringLiteral("this build cannot draw the scene without a window yet");
    return false;
}

} // namespace Ui::BatchRun
