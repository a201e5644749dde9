#include <QTest>
#include <algorithm>
#include <random>

#include "engine/number_format.h"
#include "game_fixture.h"

using namespace kestravon;

namespace {

bool IsOpen(Tile tile) {
    return tile == Tile::Push || (tile >= Tile::Num1 && tile <= Tile::Num8);
}

// Checks what must hold after every press; returns a description of the first fault.
QString CheckInvariants(const GameFixture& f, bool lost) {
    const BoardFields& board = f.game.board();
    int numbers = 0;
    int blanks = 0;
    int flags = 0;
    int closedSafe = 0;
    for (int y = 0; y < board.RowCount; ++y) {
        for (int x = 0; x < board.ColCount; ++x) {
            const Tile tile = f.At(x, y);
            const bool mine = board.Cells[x][y] == 1;
            if (IsOpen(tile) && mine) {
                return QStringLiteral("a mine was opened at %1,%2").arg(x).arg(y);
            }
            numbers += tile >= Tile::Num1 && tile <= Tile::Num8 ? 1 : 0;
            blanks += tile == Tile::Push ? 1 : 0;
            flags += tile == Tile::Flag ? 1 : 0;
            closedSafe += !mine && !IsOpen(tile) ? 1 : 0;
        }
    }
    if (numbers != board.NumberOpenCount || blanks != board.BlankOpenCount) {
        return QStringLiteral("open counters %1/%2 but tiles %3/%4")
            .arg(board.NumberOpenCount)
            .arg(board.BlankOpenCount)
            .arg(numbers)
            .arg(blanks);
    }
    const bool won = f.game.display().リセットボタン == Face::Clear;
    if (won != (closedSafe == 0 && !lost)) {
        return QStringLiteral("won is %1 with %2 safe cells closed").arg(won).arg(closedSafe);
    }
    if (!won && !lost && f.game.display().爆弾の数 != FormatGeneral(board.MineTotal - flags)) {
        return QStringLiteral("mine counter %1 with %2 flags")
            .arg(f.game.display().爆弾の数.c_str())
            .arg(flags);
    }
    return {};
}

}  // namespace

class TestRandomGames : public QObject {
    Q_OBJECT

  private slots:
    // Thousands of games on every level and on random custom boards, played to the
    // end by random presses, with the invariants checked after every press.
    void randomGamesKeepTheirInvariants() {
        std::mt19937 random(20261207);
        int wins = 0;
        int losses = 0;
        for (int game = 0; game < 10000; ++game) {
            GameFixture f;
            f.platform.fallbackState = static_cast<std::uint32_t>(random()) | 1u;
            if (game % 20 == 0) {
                const FixedLevel& fixed =
                    kFixedLevels[static_cast<std::size_t>(game / 20) % kFixedLevels.size()];
                f.game.SelectLevel(fixed.level);
                f.game.SetupBoard(fixed.rows, fixed.columns);
            } else {
                const int rows = std::uniform_int_distribution(1, 30)(random);
                const int columns = std::uniform_int_distribution(1, 30)(random);
                f.module1.CustomMines = static_cast<std::int16_t>(
                    std::uniform_int_distribution(0, rows * columns / 4)(random));
                f.game.SelectLevel(Level::盤面の変更);
                f.game.SetupBoard(static_cast<std::int16_t>(rows),
                                  static_cast<std::int16_t>(columns));
            }
            // Half the players know where the mines are and press the safe cells in a
            // random order, so that wins come on every level, not only on tiny boards.
            const bool knowing = game % 2 == 1;
            const int cells = f.game.CellCount();
            const int columns = f.game.board().ColCount;
            std::vector<int> safeCells;
            for (int index = 0; index < cells; ++index) {
                if (f.game.board().Cells[index % columns][index / columns] == 0) {
                    safeCells.push_back(index);
                }
            }
            std::shuffle(safeCells.begin(), safeCells.end(), random);
            while (f.game.display().リセットボタン == Face::Start) {
                bool right = std::uniform_int_distribution(0, 3)(random) == 0;
                int index = std::uniform_int_distribution(0, cells - 1)(random);
                if (knowing && !right) {
                    while (IsOpen(f.game.display().ImageMap[safeCells.back()].tile)) {
                        safeCells.pop_back();
                    }
                    index = safeCells.back();
                    // A marked safe cell is cycled back to closed before it is opened.
                    right = f.game.display().ImageMap[index].tile != Tile::None;
                }
                f.game.PressCell(index, right ? MouseButton::Right : MouseButton::Left);
                const QString fault =
                    CheckInvariants(f, f.game.display().リセットボタン == Face::Fail);
                if (!fault.isEmpty()) {
                    QFAIL(qPrintable(QStringLiteral("game %1: %2").arg(game).arg(fault)));
                }
            }
            wins += f.game.display().リセットボタン == Face::Clear ? 1 : 0;
            losses += f.game.display().リセットボタン == Face::Fail ? 1 : 0;
        }
        QVERIFY(wins > 4000);
        QVERIFY(losses > 1000);
    }
};

QTEST_APPLESS_MAIN(TestRandomGames)
#include "test_random_games.moc"
