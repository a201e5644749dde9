#include <QTest>

#include "engine/number_format.h"
#include "game_fixture.h"

using namespace kestravon;

class TestNewGame : public QObject {
    Q_OBJECT

  private slots:
    void randomRangeCoversBothEnds() {
        GameFixture f;
        f.platform.QueueDraws({0.0f, 1.0f / 11 - 1e-6f, 10.0f / 11, 0x1.fffffep-1f});
        QCOMPARE(f.module1.RandomRange(5, 15), 5);
        QCOMPARE(f.module1.RandomRange(5, 15), 5);
        QCOMPARE(f.module1.RandomRange(5, 15), 15);
        QCOMPARE(f.module1.RandomRange(5, 15), 15);
    }

    void randomRangeNeverReachesPastHigh() {
        GameFixture f;
        for (int i = 0; i <= 1000; ++i) {
            f.platform.QueueDraws({std::min(i / 1000.0f, 0x1.fffffep-1f)});
            const int drawn = f.module1.RandomRange(0, 8);
            QVERIFY(drawn >= 0 && drawn <= 8);
        }
        f.platform.QueueDraws({0x1.fffffep-1f});
        QCOMPARE(f.module1.RandomRange(0, 8), 8);
    }

    void everyLevelStartsReady_data() {
        QTest::addColumn<int>("level");
        for (const FixedLevel& fixed : kFixedLevels) {
            QTest::newRow(std::to_string(fixed.rows * fixed.columns).c_str())
                << static_cast<int>(fixed.level);
        }
    }
    void everyLevelStartsReady() {
        QFETCH(int, level);
        const FixedLevel& fixed = *FindFixedLevel(static_cast<Level>(level));
        GameFixture f;
        for (const float u : {0.0f, 0x1.fffffep-1f, 0.5f}) {
            f.platform.QueueDraws({u});
            f.game.SelectLevel(fixed.level);
            f.game.SetupBoard(fixed.rows, fixed.columns);
            const BoardFields& board = f.game.board();
            QCOMPARE(board.RowCount, fixed.rows);
            QCOMPARE(board.ColCount, fixed.columns);
            QCOMPARE(f.game.CellCount(), fixed.rows * fixed.columns);
            if (u == 0.0f) {
                QCOMPARE(board.MineTotal, fixed.fewestMines);
            } else if (u > 0.9f) {
                QCOMPARE(board.MineTotal, fixed.mostMines);
            }
            QVERIFY(board.MineTotal >= fixed.fewestMines && board.MineTotal <= fixed.mostMines);
            QCOMPARE(f.game.display().爆弾の数, FormatGeneral(board.MineTotal));
            QCOMPARE(f.game.display().経過時間, std::string("0"));
            QCOMPARE(f.game.display().リセットボタン, Face::Start);
            QCOMPARE(board.Playing, 0);
            QCOMPARE(board.NumberOpenCount, 0);
            QCOMPARE(board.BlankOpenCount, 0);
            QCOMPARE(f.CountTiles(Tile::None), f.game.CellCount());
            int mines = 0;
            for (int x = 0; x < fixed.columns; ++x) {
                for (int y = 0; y < fixed.rows; ++y) {
                    QVERIFY(f.Enabled(x, y));
                    mines += board.Cells[x][y];
                }
            }
            QCOMPARE(mines, board.MineTotal);
        }
    }

    void customBoardTakesCustomMinesWithoutADraw() {
        GameFixture f;
        f.CustomBoard(9, 9, {{0, 0}, {8, 8}, {4, 2}});
        QCOMPARE(f.game.board().MineTotal, 3);
        QCOMPARE(f.platform.drawCount, 6);
        QCOMPARE(f.game.board().Cells[4][2], 1);
        QCOMPARE(f.game.board().Cells[8][8], 1);

        f.CustomBoard(9, 9, {});
        QCOMPARE(f.game.display().爆弾の数, std::string("0"));
    }

    void aDrawThatHitsAMineIsRepeatedWhole() {
        GameFixture f;
        f.platform.QueueDraws({GameFixture::DrawFor(3, 9), GameFixture::DrawFor(7, 9),
                               GameFixture::DrawFor(3, 9), GameFixture::DrawFor(7, 9),
                               GameFixture::DrawFor(7, 9), GameFixture::DrawFor(3, 9)});
        f.module1.CustomMines = 2;
        f.game.SelectLevel(Level::盤面の変更);
        f.game.SetupBoard(9, 9);
        QCOMPARE(f.platform.drawCount, 6);
        QCOMPARE(f.game.board().Cells[3][7], 1);
        QCOMPARE(f.game.board().Cells[7][3], 1);
    }

    void clearsOnlyTheCurrentRectangle() {
        GameFixture f;
        f.game.SelectLevel(Level::地獄);
        f.game.SetupBoard(60, 84);
        const MineGrid before = f.game.board().Cells;
        f.LevelBoard(Level::初級, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {8, 8}});
        const MineGrid& after = f.game.board().Cells;
        int inside = 0;
        for (int x = 0; x < 84; ++x) {
            for (int y = 0; y < 60; ++y) {
                if (x < 9 && y < 9) {
                    inside += after[x][y];
                } else {
                    QCOMPARE(after[x][y], before[x][y]);
                }
            }
        }
        QCOMPARE(inside, 5);
    }

    void newGameMidGameStopsTheClockAndReseeds() {
        GameFixture f;
        f.CustomBoard(9, 9, {{8, 8}});
        f.platform.steadyClock = 100.0;
        f.Right(8, 8);
        f.Left(8, 7);
        f.platform.steadyClock = 105.0;
        f.game.Timer1sec();
        QCOMPARE(f.game.display().経過時間, std::string("5.0"));
        f.platform.timeOfDay = 43200.5;
        const std::size_t seeds = f.platform.seeds.size();
        f.game.NewGame();
        QCOMPARE(f.platform.seeds.size(), seeds + 1);
        QCOMPARE(f.platform.seeds.back(), 43200.5);
        QCOMPARE(f.game.board().Playing, 0);
        QCOMPARE(f.game.board().StartTime, 100.0);
        QCOMPARE(f.game.display().経過時間, std::string("0"));
        QCOMPARE(f.CountTiles(Tile::None), 81);
        f.platform.steadyClock = 200.0;
        f.game.Timer1sec();
        QCOMPARE(f.game.display().経過時間, std::string("0"));
    }

    void newGameAfterAnEndPutsTheStartFaceBack() {
        GameFixture f;
        f.CustomBoard(9, 9, {{0, 0}});
        f.Left(0, 0);
        QCOMPARE(f.game.display().リセットボタン, Face::Fail);
        f.game.NewGame();
        QCOMPARE(f.game.display().リセットボタン, Face::Start);
        QVERIFY(f.Enabled(0, 0));
    }

    void currentLevelIsTheFirstCheckedMark() {
        GameFixture f;
        QVERIFY(!f.game.CurrentLevel().has_value());
        f.game.SetLevelMark(Level::盤面の変更, true);
        f.game.SetLevelMark(Level::上級, true);
        QCOMPARE(f.game.CurrentLevel(), std::optional<Level>(Level::上級));
        f.game.SelectLevel(Level::地獄);
        for (int level = 0; level < kLevelCount; ++level) {
            QCOMPARE(f.game.LevelMark(static_cast<Level>(level)),
                     static_cast<Level>(level) == Level::地獄);
        }
    }

    void boardsTheGridCannotHoldAreRefused() {
        GameFixture f;
        f.CustomBoard(9, 9, {});
        for (const auto& [rows, columns] :
             {std::pair{0, 9}, {9, 0}, {-9, -9}, {102, 1}, {1, 2999}}) {
            f.game.SetupBoard(static_cast<std::int16_t>(rows), static_cast<std::int16_t>(columns));
            QCOMPARE(f.game.board().RowCount, 9);
            QCOMPARE(f.game.CellCount(), 81);
        }
        f.game.SetupBoard(101, 101);
        QCOMPARE(f.game.CellCount(), 101 * 101);
    }

    // No command reaches these states; the game still ends its new game in them.
    void newGameEndsWhenTheMinesCannotAllBePlaced() {
        GameFixture before;
        before.game.SelectLevel(Level::地獄);
        before.game.NewGame();
        QCOMPARE(before.game.CellCount(), 0);

        GameFixture full;
        full.module1.CustomMines = 81;
        full.game.SelectLevel(Level::盤面の変更);
        full.game.SetupBoard(9, 9);
        full.module1.CustomMines = 100;
        full.game.NewGame();
        int mines = 0;
        for (int x = 0; x < 9; ++x) {
            for (int y = 0; y < 9; ++y) {
                mines += full.game.board().Cells[x][y];
            }
        }
        QCOMPARE(mines, 81);
    }

    void newGameReportsAllCellsChanged() {
        GameFixture f;
        f.CustomBoard(9, 9, {});
        QVERIFY(!f.observer.reports.empty());
        const GameChanges& last = f.observer.reports.back();
        QVERIFY(last.allCells && last.face && last.mineCounter);
    }
};

QTEST_APPLESS_MAIN(TestNewGame)
#include "test_new_game.moc"
