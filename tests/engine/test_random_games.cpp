// Whole random games against a model of the rules.
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
void ForEachNeighbour(const Game& game, int x, int y, Visit visit) {
    for (int i = x - 1; i <= x + 1; ++i) {
        for (int j = y - 1; j <= y + 1; ++j) {
            if ((i != x || j != y) && i >= 0 && j >= 0 && i < game.columns() && j < game.rows()) {
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
    for (int y = 0; y < f.game.rows(); ++y) {
        for (int x = 0; x < f.game.columns(); ++x) {
            const Tile tile = f.At(x, y);
            if (!IsOpen(tile)) {
                continue;
            }
            int mines = 0;
            bool besideBlank = false;
            bool closedNeighbour = false;
            ForEachNeighbour(f.game, x, y, [&](int i, int j) {
                mines += f.Mine(i, j) ? 1 : 0;
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
QString CheckInvariants(const GameFixture& f) {
    int flags = 0;
    int closedSafe = 0;
    for (int y = 0; y < f.game.rows(); ++y) {
        for (int x = 0; x < f.game.columns(); ++x) {
            const Tile tile = f.At(x, y);
            if (IsOpen(tile) && f.Mine(x, y)) {
                return QStringLiteral("a mine was opened at %1,%2").arg(x).arg(y);
            }
            flags += tile == Tile::Flag ? 1 : 0;
            closedSafe += !f.Mine(x, y) && !IsOpen(tile) ? 1 : 0;
        }
    }
    const GamePhase phase = f.game.phase();
    const bool lost = phase == GamePhase::Lost;
    const bool won = phase == GamePhase::Won;
    if (won != (closedSafe == 0 && !lost)) {
        return QStringLiteral("won is %1 with %2 safe cells closed").arg(won).arg(closedSafe);
    }
    const Face face = won ? Face::Clear : lost ? Face::Fail : Face::Start;
    if (f.game.face() != face) {
        return QStringLiteral("the face does not show the game's phase");
    }
    if (!won && !lost && f.game.mineCounterText() != FormatGeneral(f.CountMines() - flags)) {
        return QStringLiteral("mine counter %1 with %2 flags")
            .arg(f.game.mineCounterText().c_str())
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
                f.game.ChooseLevel(fixed.level);
            } else {
                const int rows = std::uniform_int_distribution(1, 30)(random);
                const int columns = std::uniform_int_distribution(1, 30)(random);
                f.Accept(rows, columns,
                         std::uniform_int_distribution(0, rows * columns / 4)(random));
            }
            // Half the players know where the mines are and press the safe cells in a
            // random order, so that wins come on every level, not only on tiny boards.
            const bool knowing = game % 2 == 1;
            const int cells = f.game.cells().size();
            std::vector<int> safeCells;
            for (int index = 0; index < cells; ++index) {
                if (!f.game.HasMine(index)) {
                    safeCells.push_back(index);
                }
            }
            std::shuffle(safeCells.begin(), safeCells.end(), random);
            std::vector<bool> pressed(static_cast<std::size_t>(cells), false);
            std::vector<bool> marked(static_cast<std::size_t>(cells), false);
            const auto ended = [&f] {
                return f.game.phase() == GamePhase::Won || f.game.phase() == GamePhase::Lost;
            };
            while (!ended()) {
                bool right = std::uniform_int_distribution(0, 3)(random) == 0;
                int index = std::uniform_int_distribution(0, cells - 1)(random);
                if (knowing && !right) {
                    while (IsOpen(f.game.cells()[safeCells.back()].tile)) {
                        safeCells.pop_back();
                    }
                    index = safeCells.back();
                    // A marked safe cell is cycled back to closed before it is opened.
                    right = f.game.cells()[index].tile != Tile::None;
                }
                f.game.PressCell(index, right ? Press::Mark : Press::Open);
                (right ? marked : pressed)[static_cast<std::size_t>(index)] = true;
                QString fault = CheckInvariants(f);
                // The region check walks every neighbourhood: after each press on small
                // boards, at the end of the game on large ones.
                if (fault.isEmpty() && (cells <= 400 || ended())) {
                    fault = CheckOpenedRegion(f, pressed, marked);
                }
                if (!fault.isEmpty()) {
                    QFAIL(qPrintable(QStringLiteral("game %1: %2").arg(game).arg(fault)));
                }
            }
            wins += f.game.phase() == GamePhase::Won ? 1 : 0;
            losses += f.game.phase() == GamePhase::Lost ? 1 : 0;
        }
        QVERIFY(wins > 4000);
        QVERIFY(losses > 1000);
    }
};

QTEST_APPLESS_MAIN(TestRandomGames)
#include "test_random_games.moc"
