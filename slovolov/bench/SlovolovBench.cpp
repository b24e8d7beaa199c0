// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmarks of the word-search game: NewGame at level 2 with the shipped
// word files, and the start of the window up to its first painted board.
#include "common/core/Random.h"
#include "common/ui/AppStart.h"
#include "common/ui/Prompts.h"
#include "slovolov/core/Game.h"
#include "slovolov/ui/frmSlovolov.h"

#include <QApplication>
#include <QEvent>
#include <benchmark/benchmark.h>

namespace {

const std::string kData = std::string(DATA_SOURCE_DIR) + "/slovolov/";

void BM_NewGameLevel2(benchmark::State& state) {
    std::uint64_t seed = 1;
    for (auto _ : state) {
        smek::slovolov::GameState g;
        g.settings.Level = 2;
        smek::slovolov::resetForNewGame(g);
        smek::Random random(seed++);
        const auto result = smek::slovolov::buildBoard(g, kData, random);
        if (result.status != smek::slovolov::BuildResult::Status::Ok) state.SkipWithError("no board");
        benchmark::DoNotOptimize(g.cells.data());
    }
}
BENCHMARK(BM_NewGameLevel2)->Unit(benchmark::kMillisecond);

// Waits for the board's first paint event.
class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted = true;
        return false;
    }
};

void BM_StartToFirstPaintedBoard(benchmark::State& state) {
    const int level = static_cast<int>(state.range(0));
    for (auto _ : state) {
        smek::QtPrompts prompts(QStringLiteral("Смекалия - Словолов"));
        smek::slovolov::Settings settings;
        settings.Level = level;
        smek::slovolov::frmSlovolov w(prompts, smek::Places{kData, kData, {}, {}, {}, {}, {}}, settings);
        w.show();
        QApplication::processEvents();
        w.NewGame(0);
        PaintWatch watch;
        w.picControl->installEventFilter(&watch);
        while (!watch.painted) QApplication::processEvents(QEventLoop::AllEvents, 5);
        w.picControl->removeEventFilter(&watch);
        w.hide();
    }
}
BENCHMARK(BM_StartToFirstPaintedBoard)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    smek::setUpApplication(app, QStringLiteral("org.smekalia.Slovolov"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
