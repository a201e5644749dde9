// Engine speed: a new game on the largest level, and one press that floods a
// whole 60 x 84 board without mines.
#include <benchmark/benchmark.h>

#include "engine/best_time_table.h"
#include "engine/game.h"
#include "platform/fake_platform.h"

using namespace kestravon;

static void BM_NewGameHell(benchmark::State& state) {
    FakePlatform platform;
    BestTimeTable bestTimes;
    Game game(platform, bestTimes);
    game.ChooseLevel(Level::Hell);
    for (auto _ : state) {
        game.NewGame();
    }
}
BENCHMARK(BM_NewGameHell)->Unit(benchmark::kMicrosecond);

static void BM_FloodWholeHellBoard(benchmark::State& state) {
    FakePlatform platform;
    BestTimeTable bestTimes;
    Game game(platform, bestTimes);
    game.AnswerBoardChange({BoardChangeAnswer::Ending::Accepted, {60, 84, 0}});
    for (auto _ : state) {
        state.PauseTiming();
        game.NewGame();
        platform.messages.clear();
        state.ResumeTiming();
        game.PressCell(0, Press::Open);
    }
    if (game.phase() != GamePhase::Won) {
        state.SkipWithError("the flood did not open the whole board");
    }
}
BENCHMARK(BM_FloodWholeHellBoard)->Unit(benchmark::kMicrosecond);
