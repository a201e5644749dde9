// The board on screen (offscreen platform): building the largest board with the
// first paint of the whole window, and a press that floods a large region. On the
// offscreen platform's own 800 x 800 screen the largest board scrolls.
#include <benchmark/benchmark.h>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>

#include "platform/fake_platform.h"
#include "ui/board/board_widget.h"
#include "ui/images/pictures.h"
#include "ui/window/main_window.h"

using namespace kestravon;

namespace {

struct Window {
    Window() {
        window.ChooseLevel(Level::Beginner);
        window.show();
        QApplication::processEvents();
    }
    FakePlatform platform;
    BestTimeTable bestTimes;
    Pictures pictures;
    MainWindow window{platform, bestTimes, pictures};
};

void BM_SetupHellWithFirstPaint(benchmark::State& state) {
    Window w;
    for (auto _ : state) {
        w.window.SetUpBoard(60, 84);
        benchmark::DoNotOptimize(w.window.grab());
    }
}
BENCHMARK(BM_SetupHellWithFirstPaint)->Unit(benchmark::kMillisecond);

// Assistive technology listening, as Qt's own accessibility tests make it: every notice
// reaches a handler that does nothing with it.
void ListenAsAssistiveTechnology(bool listen) {
    QAccessible::installUpdateHandler(listen ? +[](QAccessibleEvent*) {} : nullptr);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(listen);
}

// 地獄 with its 650 mines on the bottom rows: a press at the top-left corner
// opens the rest of the board, and only what it changed is repainted. Argument 1: with
// assistive technology listening.
void BM_FloodPressWithRepaint(benchmark::State& state) {
    ListenAsAssistiveTechnology(state.range(0) == 1);
    Window w;
    auto* boardWidget = w.window.findChild<BoardWidget*>(QStringLiteral("ImageMap"));
    const QPointF corner(1, 1);
    for (auto _ : state) {
        state.PauseTiming();
        w.platform.QueueDraws({0.0f});
        for (int cell = 60 * 84 - 650; cell < 60 * 84; ++cell) {
            w.platform.QueueDraws({(cell % 84 + 0.5f) / 84, (cell / 84 + 0.5f) / 60});
        }
        w.window.ChooseLevel(Level::Hell);
        QApplication::processEvents();
        state.ResumeTiming();
        QMouseEvent press(QEvent::MouseButtonPress, corner, boardWidget->mapToGlobal(corner),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(boardWidget, &press);
        QApplication::processEvents();
    }
    ListenAsAssistiveTechnology(false);
    if (w.window.game().phase() != GamePhase::Won) {
        state.SkipWithError("the press did not open the board");
    }
}
BENCHMARK(BM_FloodPressWithRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // Offscreen unless told otherwise, e.g. offscreen:configfile=... for a screen of a size.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
