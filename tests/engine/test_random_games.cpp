#include <QTest>
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
        for (int game = 0; game < 3000; ++game) {
            GameFixture f;
            f.platform.fallbackState = static_cast<std::uint32_t>(random()) | 1u;
            if (game % 4 == 0) {
                const FixedLevel& fixed =
                    kFixedLevels[static_cast<std::size_t>(game / 4) % kFixedLevels.size()];
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
            const int cells = f.game.CellCount();
            while (f.game.display().リセットボタン == Face::Start) {
                const int index = std::uniform_int_distribution(0, cells - 1)(random);
                const bool right = std::uniform_int_distribution(0, 3)(random) == 0;
                f.game.PressCell(index, right ? MouseButton::Right : MouseButton::Left);
                const bool lost = f.game.display().リセットボタン == Face::Fail;
                const QString fault = CheckInvariants(f, lost);
                QVERIFY2(fault.isEmpty(),
                         qPrintable(QStringLiteral("game %1: %2").arg(game).arg(fault)));
            }
            wins += f.game.display().リセットボタン == Face::Clear ? 1 : 0;
            losses += f.game.display().リセットボタン == Face::Fail ? 1 : 0;
        }
        QVERIFY(wins > 100);
        QVERIFY(losses > 100);
    }
};

QTEST_APPLESS_MAIN(TestRandomGames)
#include "test_random_games.moc"
