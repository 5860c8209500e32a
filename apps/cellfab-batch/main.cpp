#include "Core/Batch/BatchCommand.h"
#include "Core/Batch/BatchCommandLine.h"
#include "Model/Catalogues.h"
#include "UI/BatchRun/SceneImageRenderer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTextStream>

#include <cstdio>
#include <memory>

// The headless batch command: argument handling and wiring only.
int main(int argc, char *argv[])
{
    // A display allows Save Image steps to draw with OpenGL; without one the steps warn.
    const bool display = Ui::BatchRun::SceneImageRenderer::displayAvailable();
    std::unique_ptr<QCoreApplication> application;
    if (display)
        application = std::make_unique<QApplication>(argc, argv);
    else
        application = std::make_unique<QCoreApplication>(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));

    QTextStream out(stdout);
    QTextStream err(stderr);
    const auto line = Core::Batch::BatchCommandLine::parse(QCoreApplication::arguments());
    if (line.helpRequested) {
        out << Core::Batch::BatchCommandLine::helpText() << Qt::flush;
        return 0;
    }
    Model::initializeCatalogues();
    Core::Batch::BatchCommand command(out, err);
    Ui::BatchRun::SceneImageRenderer renderer;
    if (display)
        command.setRenderer([&renderer](Core::Scene &scene, const QString &filename, QString &error) {
            return renderer.render(scene, filename, error);
        });
    return command.run(line);
}
