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

// Calls `visit(i, j)` for each neighbour of (x, y) on the board.
template <typename Visit>
void ForEachNeighbour(const BoardFields& board, int x, int y, Visit visit) {
    for (int i = x - 1; i <= x + 1; ++i) {
        for (int j = y - 1; j <= y + 1; ++j) {
            if ((i != x || j != y) && i >= 0 && j >= 0 && i < board.ColCount &&
                j < board.RowCount) {
                visit(i, j);
            }
        }
    }
}

// What an open cell must show, and which cells may be open: the left-pressed ones and
// the neighbours of open blank cells. A blank cell opens every closed neighbour, so one
// that is closed now can only have been marked when the blank cell opened.
QString CheckOpenedRegion(const GameFixture& f, const std::vector<bool>& pressed,
                          const std::vector<bool>& marked) {
    const BoardFields& board = f.game.board();
    for (int y = 0; y < board.RowCount; ++y) {
        for (int x = 0; x < board.ColCount; ++x) {
            const Tile tile = f.At(x, y);
            if (!IsOpen(tile)) {
                continue;
            }
            int mines = 0;
            bool besideBlank = false;
            bool closedNeighbour = false;
            ForEachNeighbour(board, x, y, [&](int i, int j) {
                mines += board.Cells[i][j];
                besideBlank = besideBlank || f.At(i, j) == Tile::Push;
                closedNeighbour =
                    closedNeighbour ||
                    (f.At(i, j) == Tile::None && !marked[static_cast<std::size_t>(f.Index(i, j))]);
            });
            if (tile != (mines == 0 ? Tile::Push : NumberTile(mines))) {
                return QStringLiteral("%1,%2 shows the wrong tile").arg(x).arg(y);
            }
            if (!besideBlank && !pressed[static_cast<std::size_t>(f.Index(x, y))]) {
                return QStringLiteral("%1,%2 was opened from nowhere").arg(x).arg(y);
            }
            if (tile == Tile::Push && closedNeighbour) {
                return QStringLiteral("the blank cell %1,%2 left a neighbour closed").arg(x).arg(y);
            }
        }
    }
    return {};
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
            std::vector<bool> pressed(static_cast<std::size_t>(cells), false);
            std::vector<bool> marked(static_cast<std::size_t>(cells), false);
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
                (right ? marked : pressed)[static_cast<std::size_t>(index)] = true;
                QString fault = CheckInvariants(f, f.game.display().リセットボタン == Face::Fail);
                // The region check walks every neighbourhood: after each press on small
                // boards, at the end of the game on large ones.
                const bool ended = f.game.display().リセットボタン != Face::Start;
                if (fault.isEmpty() && (cells <= 400 || ended)) {
                    fault = CheckOpenedRegion(f, pressed, marked);
                }
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
