// Engine speed: a new game on the largest level, and one press that floods a
// whole 60 x 84 board without mines.
#include <benchmark/benchmark.h>

#include "engine/game.h"
#include "platform/fake_platform.h"

using namespace kestravon;

static void BM_NewGameHell(benchmark::State& state) {
    FakePlatform platform;
    Module1 module1(platform);
    Game game(platform, module1);
    game.SelectLevel(Level::地獄);
    game.SetupBoard(60, 84);
    for (auto _ : state) {
        game.NewGame();
    }
}
BENCHMARK(BM_NewGameHell)->Unit(benchmark::kMicrosecond);

static void BM_FloodWholeHellBoard(benchmark::State& state) {
    FakePlatform platform;
    platform.whileMessageOpen = nullptr;
    Module1 module1(platform);
    Game game(platform, module1);
    game.SelectLevel(Level::盤面の変更);
    game.SetupBoard(60, 84);
    for (auto _ : state) {
        state.PauseTiming();
        game.NewGame();
        platform.messages.clear();
        state.ResumeTiming();
        game.PressCell(0, MouseButton::Left);
    }
    if (game.board().BlankOpenCount != 60 * 84) {
        state.SkipWithError("the flood did not open the whole board");
    }
}
BENCHMARK(BM_FloodWholeHellBoard)->Unit(benchmark::kMicrosecond);
