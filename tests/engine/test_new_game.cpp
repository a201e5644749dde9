// A new game and its mines on every level.
#include <QTest>

#include "engine/random_range.h"
#include "game_fixture.h"

using namespace kestravon;

class TestNewGame : public QObject {
    Q_OBJECT

  private slots:
    void randomRangeCoversBothEnds() {
        GameFixture f;
        f.platform.QueueDraws({0.0f, 1.0f / 11 - 1e-6f, 10.0f / 11, 0x1.fffffep-1f});
        QCOMPARE(RandomRange(f.platform, 5, 15), 5);
        QCOMPARE(RandomRange(f.platform, 5, 15), 5);
        QCOMPARE(RandomRange(f.platform, 5, 15), 15);
        QCOMPARE(RandomRange(f.platform, 5, 15), 15);
    }

    void randomRangeNeverReachesPastHigh() {
        GameFixture f;
        for (int i = 0; i <= 1000; ++i) {
            f.platform.QueueDraws({std::min(i / 1000.0f, 0x1.fffffep-1f)});
            const int drawn = RandomRange(f.platform, 0, 8);
            QVERIFY(drawn >= 0 && drawn <= 8);
        }
        f.platform.QueueDraws({0x1.fffffep-1f});
        QCOMPARE(RandomRange(f.platform, 0, 8), 8);
    }

    // Each level command sets up its board from the level table; the first draw of a new
    // game picks its number of mines, both ends of the range included.
    void everyLevelStartsReady_data() {
        QTest::addColumn<Level>("level");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("fewestMines");
        QTest::addColumn<int>("mostMines");
        QTest::newRow("初級") << Level::Beginner << 9 << 9 << 5 << 15;
        QTest::newRow("中級") << Level::Intermediate << 16 << 16 << 20 << 40;
        QTest::newRow("上級") << Level::Advanced << 16 << 30 << 60 << 80;
        QTest::newRow("超上級") << Level::Expert << 40 << 40 << 250 << 350;
        QTest::newRow("地獄") << Level::Hell << 60 << 84 << 650 << 800;
    }
    void everyLevelStartsReady() {
        QFETCH(Level, level);
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(int, fewestMines);
        QFETCH(int, mostMines);
        GameFixture f;
        for (const auto& [draw, mines] :
             {std::pair{0.0f, fewestMines}, {0x1.fffffep-1f, mostMines}}) {
            f.platform.QueueDraws({draw});
            f.game.ChooseLevel(level);
            QCOMPARE(f.game.rows(), rows);
            QCOMPARE(f.game.columns(), columns);
            QCOMPARE(f.game.cells().size(), static_cast<std::size_t>(rows * columns));
            QCOMPARE(f.CountMines(), mines);
            QCOMPARE(f.game.mineCounterText(), std::to_string(mines));
            QCOMPARE(f.game.elapsedTimeText(), std::string("0"));
            QCOMPARE(f.game.face(), Face::Start);
            QCOMPARE(f.game.phase(), GamePhase::Ready);
            QCOMPARE(f.CountTiles(Tile::None), rows * columns);
        }
    }

    void customBoardTakesCustomMinesWithoutADraw() {
        GameFixture f;
        f.CustomBoard(9, 9, {{0, 0}, {8, 8}, {4, 2}});
        QCOMPARE(f.game.mineCounterText(), std::string("3"));
        QCOMPARE(f.platform.drawCount, 6);
        QVERIFY(f.Mine(4, 2));
        QVERIFY(f.Mine(8, 8));

        f.CustomBoard(9, 9, {});
        QCOMPARE(f.game.mineCounterText(), std::string("0"));
    }

    void aDrawThatHitsAMineIsRepeatedWhole() {
        GameFixture f;
        f.platform.QueueDraws({DrawFor(3, 9), DrawFor(7, 9), DrawFor(3, 9), DrawFor(7, 9),
                               DrawFor(7, 9), DrawFor(3, 9)});
        f.Accept(9, 9, 2);
        QCOMPARE(f.platform.drawCount, 6);
        QVERIFY(f.Mine(3, 7));
        QVERIFY(f.Mine(7, 3));
        QCOMPARE(f.CountMines(), 2);
    }

    // A small board after a large one plays exactly as on a freshly started program.
    void aSmallBoardAfterALargeOneIsFresh() {
        const std::vector<std::pair<int, int>> mines{{0, 0}, {1, 1}, {2, 2}, {3, 3}, {8, 8}};
        GameFixture fresh;
        fresh.LevelBoard(Level::Beginner, mines);
        GameFixture f;
        f.game.ChooseLevel(Level::Hell);
        f.LevelBoard(Level::Beginner, mines);
        for (int y = 0; y < 9; ++y) {
            for (int x = 0; x < 9; ++x) {
                QCOMPARE(f.Mine(x, y), fresh.Mine(x, y));
            }
        }
        f.Left(8, 0);
        fresh.Left(8, 0);
        QCOMPARE(f.CountTiles(Tile::Push), fresh.CountTiles(Tile::Push));
        QCOMPARE(f.CountTiles(Tile::Push), 58);
    }

    void newGameMidGameStopsTheClockAndReseeds() {
        GameFixture f;
        f.CustomBoard(9, 9, {{8, 8}});
        f.platform.steadyClock = 100.0;
        f.Right(8, 8);
        f.Left(8, 7);
        f.platform.steadyClock = 105.0;
        f.game.TickClock();
        QCOMPARE(f.game.elapsedTimeText(), std::string("5.0"));
        f.platform.timeOfDay = 43200.5;
        const std::size_t seeds = f.platform.seeds.size();
        f.game.NewGame();
        QCOMPARE(f.platform.seeds.size(), seeds + 1);
        QCOMPARE(f.platform.seeds.back(), 43200.5);
        QCOMPARE(f.game.phase(), GamePhase::Ready);
        QCOMPARE(f.game.elapsedTimeText(), std::string("0"));
        QCOMPARE(f.CountTiles(Tile::None), 81);
        f.platform.steadyClock = 200.0;
        f.game.TickClock();
        QCOMPARE(f.game.elapsedTimeText(), std::string("0"));
    }

    // A new game after a loss or a win starts afresh: the same board is won twice in a row.
    void newGameAfterAnEndStartsAfresh() {
        GameFixture f;
        f.CustomBoard(9, 9, {{0, 0}});
        f.Left(0, 0);
        QCOMPARE(f.game.face(), Face::Fail);
        for (int game = 1; game <= 2; ++game) {
            f.platform.QueueDraws({DrawFor(0, 9), DrawFor(0, 9)});
            f.game.NewGame();
            QCOMPARE(f.game.face(), Face::Start);
            QCOMPARE(f.game.phase(), GamePhase::Ready);
            f.Left(1, 1);
            QCOMPARE(f.game.phase(), GamePhase::Playing);
            f.Left(8, 8);
            QCOMPARE(f.game.phase(), GamePhase::Won);
            QCOMPARE(f.game.face(), Face::Clear);
            QCOMPARE(f.platform.messages.size(), static_cast<std::size_t>(game));
        }
    }

    void levelIsNoneUntilChosen() {
        GameFixture f;
        QVERIFY(!f.game.level().has_value());
        f.game.ChooseLevel(Level::Hell);
        QCOMPARE(f.game.level(), std::optional<Level>(Level::Hell));
    }

    // The board-change command's answers in turn, from 初級, with a flag put on (1, 1)
    // before each: the board and the level they leave, and whether a new game started.
    void boardChangeAnswers_data() {
        QTest::addColumn<QStringList>("answers");  // an accepted HxWxM, cancel or close
        QTest::addColumn<QString>("after");
        QTest::newRow("close box before any entry: nothing")
            << QStringList{"close"} << "9x9 0 flag";
        QTest::newRow("accepted") << QStringList{"10x12x7"} << "10x12 5 new";
        QTest::newRow("close box after an accepted entry: that board again")
            << QStringList{"10x12x7", "close"} << "10x12 5 new";
        QTest::newRow("cancel: nothing, nor the close box after it")
            << QStringList{"10x12x7", "cancel", "close"} << "10x12 5 flag";
    }
    void boardChangeAnswers() {
        QFETCH(QStringList, answers);
        QFETCH(QString, after);
        GameFixture f;
        f.game.ChooseLevel(Level::Beginner);
        for (const QString& answer : answers) {
            if (f.At(1, 1) == Tile::None) {
                f.Right(1, 1);
            }
            if (answer == "close" || answer == "cancel") {
                f.game.AnswerBoardChange({answer == "close" ? BoardChangeAnswer::Ending::Closed
                                                            : BoardChangeAnswer::Ending::Cancelled,
                                          {}});
            } else {
                const QStringList entry = answer.split('x');
                f.Accept(entry[0].toInt(), entry[1].toInt(), entry[2].toInt());
            }
        }
        QCOMPARE(QStringLiteral("%1x%2 %3 %4")
                     .arg(f.game.rows())
                     .arg(f.game.columns())
                     .arg(static_cast<int>(*f.game.level()))
                     .arg(f.At(1, 1) == Tile::Flag ? "flag" : "new"),
                 after);
    }

    void boardsTheGridCannotHoldAreRefused() {
        GameFixture f;
        f.CustomBoard(9, 9, {});
        for (const auto& [rows, columns] :
             {std::pair{0, 9}, {9, 0}, {-9, -9}, {102, 1}, {1, 2999}}) {
            f.game.SetupBoard(static_cast<std::int16_t>(rows), static_cast<std::int16_t>(columns));
            QCOMPARE(f.game.rows(), 9);
            QCOMPARE(f.game.cells().size(), 81);
        }
        f.game.SetupBoard(101, 101);
        QCOMPARE(f.game.cells().size(), 101 * 101);
    }

    // No command reaches these states; the game still ends its new game in them.
    void newGameEndsWhenTheMinesCannotAllBePlaced() {
        GameFixture before;
        before.Accept(0, 0, 650);
        before.game.NewGame();
        QCOMPARE(before.game.cells().size(), 0);

        GameFixture full;
        full.Accept(9, 9, 81);
        full.Accept(9, 9, 100);
        QCOMPARE(full.CountMines(), 81);
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
