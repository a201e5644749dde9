// The presses on cells: opening, flooding and marking.
#include <QTest>

#include "game_fixture.h"

using namespace kestravon;

class TestPresses : public QObject {
    Q_OBJECT

  private slots:
    void cellNumbersMapToColumnAndRow() {
        GameFixture f;
        f.CustomBoard(9, 9, {{1, 1}});
        f.game.PressCell(10, Press::Mark);  // column 1 of row 1
        QCOMPARE(f.At(1, 1), Tile::Flag);
        f.game.PressCell(80, Press::Mark);
        QCOMPARE(f.At(8, 8), Tile::Flag);
        f.game.PressCell(2 * 9 - 1, Press::Mark);
        QCOMPARE(f.At(8, 1), Tile::Flag);
        f.game.PressCell(81, Press::Mark);
        f.game.PressCell(-1, Press::Open);
        QCOMPARE(f.CountTiles(Tile::Flag), 3);
    }

    void floodOpensTheBlankRegionAndItsBorder() {
        GameFixture f;
        // A wall of mines in column 4 splits the 9 x 9 board.
        std::vector<std::pair<int, int>> wall;
        for (int y = 0; y < 9; ++y) {
            wall.emplace_back(4, y);
        }
        f.CustomBoard(9, 9, wall);
        f.Left(0, 0);
        for (int y = 0; y < 9; ++y) {
            for (int x = 0; x < 3; ++x) {
                QCOMPARE(f.At(x, y), Tile::Push);
            }
            QCOMPARE(f.At(3, y), (y == 0 || y == 8) ? Tile::Num2 : Tile::Num3);
            QCOMPARE(f.At(5, y), Tile::None);
        }
        QCOMPARE(f.CountTiles(Tile::Push), 27);
        QCOMPARE(f.CountTiles(Tile::None), 45);
        QCOMPARE(f.game.face(), Face::Start);
    }

    void floodStopsAtMarksAndLeavesThem() {
        GameFixture f;
        f.CustomBoard(5, 5, {{4, 4}});
        f.Right(2, 0);  // flag
        f.Right(2, 1);
        f.Right(2, 1);  // question mark
        // Close the gap below so that column 2 is a wall of marks above row 2.
        f.Right(2, 2);
        f.Right(2, 3);
        f.Right(2, 4);
        f.Left(0, 0);
        QCOMPARE(f.At(2, 0), Tile::Flag);
        QCOMPARE(f.At(2, 1), Tile::Understand);
        QCOMPARE(f.At(3, 0), Tile::None);
        QCOMPARE(f.At(1, 4), Tile::Push);
        QCOMPARE(f.CountTiles(Tile::Push), 10);
        // A marked cell opens only after right presses bring it back to closed.
        f.Left(2, 1);
        QCOMPARE(f.At(2, 1), Tile::Understand);
        f.Right(2, 1);
        f.Left(2, 1);
        QCOMPARE(f.At(2, 1), Tile::Push);
        QCOMPARE(f.At(3, 0), Tile::Push);
    }

    void rightPressCyclesAndCountsBelowZero() {
        GameFixture f;
        f.CustomBoard(9, 9, {{8, 8}});
        QCOMPARE(f.game.mineCounterText(), std::string("1"));
        f.Right(0, 0);
        QCOMPARE(f.At(0, 0), Tile::Flag);
        QCOMPARE(f.game.mineCounterText(), std::string("0"));
        f.Right(1, 0);
        QCOMPARE(f.game.mineCounterText(), std::string("-1"));
        f.Right(0, 0);
        QCOMPARE(f.At(0, 0), Tile::Understand);
        QCOMPARE(f.game.mineCounterText(), std::string("0"));
        f.Right(0, 0);
        QCOMPARE(f.At(0, 0), Tile::None);
        QCOMPARE(f.game.mineCounterText(), std::string("0"));
        QCOMPARE(f.game.phase(), GamePhase::Ready);
    }

    void pressesOnOpenCellsChangeNothing() {
        GameFixture f;
        f.CustomBoard(9, 9, {{8, 8}});
        f.Left(7, 7);
        QCOMPARE(f.At(7, 7), Tile::Num1);
        const std::size_t reports = f.observer.reports.size();
        f.Right(7, 7);
        f.Left(7, 7);
        QCOMPARE(f.At(7, 7), Tile::Num1);
        QCOMPARE(f.game.mineCounterText(), std::string("1"));
        QCOMPARE(f.CountTiles(Tile::None), 80);
        QCOMPARE(f.observer.reports.size(), reports);
    }

    void clockStartsAtTheFirstLeftPressWhateverItOpens() {
        GameFixture f;
        f.CustomBoard(9, 9, {{8, 8}});
        f.Right(0, 0);
        QCOMPARE(f.game.phase(), GamePhase::Ready);
        f.platform.steadyClock = 50.5;
        f.Left(0, 0);  // on a flag: opens nothing
        QCOMPARE(f.At(0, 0), Tile::Flag);
        QCOMPARE(f.game.phase(), GamePhase::Playing);
        f.platform.steadyClock = 60.0;
        f.Left(7, 7);
        f.game.TickClock();
        QCOMPARE(f.game.elapsedTimeText(), std::string("9.5"));
    }

    void floodReportsOnlyTheCellsItOpened() {
        GameFixture f;
        f.CustomBoard(9, 9, {{8, 8}});
        f.observer.reports.clear();
        f.Left(7, 7);
        QCOMPARE(f.observer.reports.size(), std::size_t{1});
        QCOMPARE(f.observer.reports.front().cells, std::vector<int>{f.Index(7, 7)});
        QVERIFY(!f.observer.reports.front().allCells);
    }
};

QTEST_APPLESS_MAIN(TestPresses)
#include "test_presses.moc"
