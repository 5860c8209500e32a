// Frames per second of the 3-D view while the camera turns around a 200 × 200 × 100 solid block
// drawn with direct cubic faces. Needs an X display (run under xvfb-run); with Mesa's software
// renderer this is the worst case users meet.
#include "Model/Automaton/TotalVolume.h"
#include "Model/Materials/MaterialFactory.h"
#include "UI/MainWindow.h"
#include "UI/View/GLWidget.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

Ui::MainWindow *window = nullptr;

void turningView(benchmark::State &state)
{
    Ui::GLWidget *view = window->getView();
    int angle = 0;
    for (auto _ : state) {
        view->setRotation(-60, 0, angle++ % 360);
        view->updateGL();
        glFinish();
    }
    state.counters["fps"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(turningView)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

int main(int argc, char **argv)
{
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr, "bench_viewframes needs an X display: run it under xvfb-run.\n");
        return 0;
    }
    QApplication application(argc, argv);
    Model::Materials::MaterialFactory::instance()->createDefaultMaterials();
    window = new Ui::MainWindow;
    window->resize(1280, 800);
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return 1;
    auto volume = std::make_shared<Model::Automaton::TotalVolume>(200, 200, 100, 1.0f, 1.0f, 1.0f,
                                                                  Util::Vector3D(-100, -100, -50),
                                                                  std::vector<uint32_t>(200 * 200 * 100, 1));
    volume->refreshDrawingData();
    window->getPresenter().getScene().addObject(volume);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    if (const char *picture = std::getenv("CELLFAB_BENCH_PICTURE"))
        window->getView()->renderImage().save(QString::fromLocal8Bit(picture));
    window->close();
    return 0;
}
