// Times what a window being resized costs: repainting the whole picture for a
// new scale (artwork and text drawn anew), and a frame shown while the size is
// still changing (the last picture scaled) or once it has rested.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <memory>

#include "Game.h"
#include "QtCanvas.h"
#include "QtHash.h"
#include "model/NewGame.h"
#include "model/Types.h"
#include "platform/Headless.h"
#include "view/Screen.h"

namespace morovan {
namespace {

// The start-up screen of a game on the brick background, drawn by the game.
struct DrawnCanvas {
  DrawnCanvas() : canvas(1.0) {
    Platform p{canvas,        headless.dialogs, headless.sound,  headless.clock, headless.timer,
               headless.menu, headless.panel,   headless.window, headless.hash};
    game = std::make_unique<Game>(p);
    game->view.BackgroundPicture = kPictureRenga;
    初期設定(*game);
    画面_再描画(*game);
  }
  HeadlessPlatform headless{qtHash()};
  QtCanvas canvas;
  std::unique_ptr<Game> game;
};

// The picture the window shows at its start size, in logical pixels.
const QSize kPicture(626, 511);

void BM_RepaintWholePictureAtNewScale(benchmark::State& state) {
  DrawnCanvas drawn;
  const double scale = static_cast<double>(state.range(0));
  bool nudge = false;
  for (auto _ : state) {
    // Every pass is a scale the artwork has not been painted for.
    drawn.canvas.rescale(nudge ? scale * 1.001 : scale);
    nudge = !nudge;
    benchmark::DoNotOptimize(drawn.canvas.image().constBits());
  }
  state.counters["drawings"] = static_cast<double>(drawn.canvas.keptDrawings());
}
BENCHMARK(BM_RepaintWholePictureAtNewScale)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// Frames of a window of `window` size showing the start-up picture painted for
// `painted`, or for the window's own size when it is 0.
void timeFrames(benchmark::State& state, QSize window, double painted) {
  DrawnCanvas drawn;
  CanvasWidget widget;
  widget.setCanvas(&drawn.canvas);
  widget.resize(kPicture);
  widget.setPictureSize(kPicture);
  widget.resize(window);
  drawn.canvas.rescale(painted > 0 ? painted : widget.fit().scale);
  QImage frame(widget.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    widget.render(&frame);
    benchmark::DoNotOptimize(frame.constBits());
  }
}

// A frame of a 1920 x 1080 screen's maximised window: range(0) 0 while the
// picture is still the start size's, scaled; 1 once it has been repainted.
void BM_FrameOfAMaximisedWindow(benchmark::State& state) {
  timeFrames(state, QSize(1920, 1059), state.range(0) == 1 ? 0 : 1);
}
BENCHMARK(BM_FrameOfAMaximisedWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A frame while a window is dragged to 3x its start size: the picture was last
// painted for range(0) / 10 and is shown scaled, the margin tiled around it
// (the window is wider than the picture's shape).
void BM_FrameOfADragTo3x(benchmark::State& state) {
  timeFrames(state, QSize(kPicture.width() * 3 + 200, kPicture.height() * 3),
             state.range(0) / 10.0);
}
BENCHMARK(BM_FrameOfADragTo3x)->Arg(10)->Arg(29)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morovan

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
