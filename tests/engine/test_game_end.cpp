// The end of a game: a loss, a win, the clock and the ranking.
#include <QTest>

#include "game_fixture.h"

using namespace kestravon;

namespace {

// Mines on the last cells of the board, so that one press at (0, 0) wins.
std::vector<std::pair<int, int>> MinesAtTheEnd(int rows, int columns, int count) {
    std::vector<std::pair<int, int>> mines;
    for (int k = 0; k < count; ++k) {
        const int index = rows * columns - 1 - k;
        mines.emplace_back(index % columns, index / columns);
    }
    return mines;
}

// Wins a game of `level` that lasts `seconds` until the congratulation box closes.
void WinLevelIn(GameFixture& f, Level level, float seconds) {
    const FixedLevel& fixed = *FindFixedLevel(level);
    f.LevelBoard(level, MinesAtTheEnd(fixed.rows, fixed.columns, fixed.fewestMines));
    f.platform.steadyClock = 1000.0;
    f.platform.whileMessageOpen = [&f, seconds](std::string_view text) {
        if (text == "Congratulations!!") {
            f.platform.steadyClock = 1000.0 + seconds;
            f.game.TickClock();
        }
    };
    f.Left(0, 0);
}

const std::string kFirst = "ベストタイム更新!!(1位)";
const std::string kSecond = "ベストタイム更新!!(2位)";
const std::string kThird = "ベストタイム更新!!(3位)";

}  // namespace

class TestGameEnd : public QObject {
    Q_OBJECT

  private slots:
    void lossShowsEveryMineAndDisablesTheBoard() {
        GameFixture f;
        f.CustomBoard(5, 5, {{0, 0}, {4, 4}, {2, 2}});
        f.Right(0, 0);  // flagged mine
        f.Right(4, 4);
        f.Right(4, 4);  // question-marked mine
        f.Right(1, 3);  // wrong flag
        f.Left(2, 2);
        QCOMPARE(f.At(2, 2), Tile::Bomb1);
        QCOMPARE(f.At(0, 0), Tile::Bomb);
        QCOMPARE(f.At(4, 4), Tile::Bomb);
        QCOMPARE(f.At(1, 3), Tile::Flag);
        QCOMPARE(f.At(3, 3), Tile::None);
        QCOMPARE(f.game.face(), Face::Fail);
        QCOMPARE(f.game.phase(), GamePhase::Lost);
        QCOMPARE(f.game.elapsedTimeText(), std::string("0"));
        QVERIFY(f.platform.messages.empty());
        for (int index = 0; index < 25; ++index) {
            QVERIFY(!f.game.cells()[index].enabled);
        }
        f.Left(3, 3);
        f.Right(3, 3);
        QCOMPARE(f.At(3, 3), Tile::None);
    }

    void winCongratulatesWhileTheClockRunsThenRanks() {
        GameFixture f;
        WinLevelIn(f, Level::Beginner, 12.34f);
        QCOMPARE(f.platform.messages, (std::vector<std::string>{"Congratulations!!", kFirst}));
        QCOMPARE(f.game.elapsedTimeText(), std::string("12.3"));
        QCOMPARE(f.bestTimes.Entry(0), 12.3);
        QCOMPARE(f.bestTimes.Entry(1), 999.0);
        QCOMPARE(f.game.face(), Face::Clear);
        QCOMPARE(f.game.phase(), GamePhase::Won);
        QVERIFY(!f.Enabled(0, 0));
        QCOMPARE(f.observer.bestTimeWindows, 0);
        // The clock stopped with the congratulation box.
        f.platform.steadyClock += 50;
        f.game.TickClock();
        QCOMPARE(f.game.elapsedTimeText(), std::string("12.3"));
    }

    void rankingTakesTheFirstPlaceNotBetter_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<float>("seconds");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QList<double>>("table");
        const QList<std::pair<Level, int>> levels{{Level::Beginner, 0},
                                                  {Level::Intermediate, 3},
                                                  {Level::Advanced, 6},
                                                  {Level::Expert, 9}};
        for (const auto& [level, base] : levels) {
            const auto row = [&](const char* name) -> QTestData& {
                return QTest::addRow("base %d: %s", base, name) << static_cast<int>(level);
            };
            row("better than all")
                << 5.0f << QString::fromStdString(kFirst) << QList<double>{5, 10, 20};
            row("equal to the first")
                << 10.0f << QString::fromStdString(kFirst) << QList<double>{10, 10, 20};
            row("second") << 15.0f << QString::fromStdString(kSecond) << QList<double>{10, 15, 20};
            row("equal to the third")
                << 30.0f << QString::fromStdString(kThird) << QList<double>{10, 20, 30};
            row("worse than all") << 30.5f << QString() << QList<double>{10, 20, 30};
        }
    }
    void rankingTakesTheFirstPlaceNotBetter() {
        QFETCH(int, level);
        QFETCH(float, seconds);
        QFETCH(QString, message);
        QFETCH(QList<double>, table);
        GameFixture f;
        const int base = *BestTimeTable::BaseOf(static_cast<Level>(level));
        f.bestTimes.SetEntry(base, 10);
        f.bestTimes.SetEntry(base + 1, 20);
        f.bestTimes.SetEntry(base + 2, 30);
        WinLevelIn(f, static_cast<Level>(level), seconds);
        std::vector<std::string> expected{"Congratulations!!"};
        if (!message.isEmpty()) {
            expected.push_back(message.toStdString());
        }
        QCOMPARE(f.platform.messages, expected);
        for (int rank = 0; rank < 3; ++rank) {
            QCOMPARE(f.bestTimes.Entry(base + rank), table[rank]);
        }
        int untouched = 0;
        for (int i = 0; i < BestTimeTable::kEntryCount; ++i) {
            untouched += f.bestTimes.Entry(i) == 999 ? 1 : 0;
        }
        QCOMPARE(untouched, 9);
        QCOMPARE(f.observer.bestTimeWindows, static_cast<Level>(level) == Level::Expert ? 1 : 0);
    }

    void emptyPlacesTakeTimesUpTo999() {
        GameFixture f;
        WinLevelIn(f, Level::Beginner, 999.0f);
        QCOMPARE(f.platform.messages.back(), kFirst);
        GameFixture g;
        WinLevelIn(g, Level::Beginner, 999.25f);
        QCOMPARE(g.platform.messages, std::vector<std::string>{"Congratulations!!"});
    }

    void unrankedLevelsOnlyCongratulate() {
        GameFixture f;
        WinLevelIn(f, Level::Hell, 3.0f);
        QCOMPARE(f.platform.messages, std::vector<std::string>{"Congratulations!!"});
        QCOMPARE(f.game.face(), Face::Clear);

        GameFixture g;
        g.CustomBoard(9, 9, {{8, 8}});
        g.Left(0, 0);
        QCOMPARE(g.platform.messages, std::vector<std::string>{"Congratulations!!"});
        QCOMPARE(g.observer.bestTimeWindows, 0);
        QCOMPARE(g.bestTimes, BestTimeTable());
    }

    void expertWinShowsTheBestTimesAlsoWithoutARecord() {
        GameFixture f;
        for (int i = 0; i < BestTimeTable::kEntryCount; ++i) {
            f.bestTimes.SetEntry(i, 1);
        }
        WinLevelIn(f, Level::Expert, 60.0f);
        QCOMPARE(f.platform.messages, std::vector<std::string>{"Congratulations!!"});
        QCOMPARE(f.observer.bestTimeWindows, 1);
    }

    void boardIsUpToDateWhileTheCongratulationBoxIsOpen() {
        GameFixture f;
        f.CustomBoard(9, 9, {{8, 8}});
        bool faceShown = false;
        f.platform.whileMessageOpen = [&](std::string_view) {
            faceShown = !f.observer.reports.empty() && f.observer.reports.back().face;
        };
        f.Left(0, 0);
        QVERIFY(faceShown);
    }

    void flagsDoNotCountTowardsAWin() {
        GameFixture f;
        f.CustomBoard(9, 9, {{8, 8}});
        f.Right(0, 5);  // a safe cell, flagged
        f.Left(0, 0);
        QVERIFY(f.platform.messages.empty());
        QCOMPARE(f.game.phase(), GamePhase::Playing);
        f.Right(0, 5);
        f.Right(0, 5);
        f.Left(0, 5);
        QCOMPARE(f.platform.messages, std::vector<std::string>{"Congratulations!!"});
        QCOMPARE(f.At(8, 8), Tile::None);  // the mine is never flagged
    }

    // The game time comes from the steady clock alone: midnight and a time of day set
    // back or forward while playing change nothing.
    void clockShowsTenthsWhateverTheTimeOfDayDoes_data() {
        QTest::addColumn<double>("timeOfDayJump");
        QTest::newRow("midnight") << -86399.0;
        QTest::newRow("an hour back") << -3600.0;
        QTest::newRow("two hours forward") << 7200.0;
    }
    void clockShowsTenthsWhateverTheTimeOfDayDoes() {
        QFETCH(double, timeOfDayJump);
        GameFixture f;
        f.CustomBoard(9, 9, {{8, 8}});
        f.game.TickClock();
        QCOMPARE(f.game.elapsedTimeText(), std::string("0"));
        f.platform.timeOfDay = 86399.5;
        f.platform.steadyClock = 5000.25;
        f.Left(8, 7);
        f.game.TickClock();
        QCOMPARE(f.game.elapsedTimeText(), std::string("0.0"));
        f.platform.timeOfDay += timeOfDayJump;
        f.platform.steadyClock += 1.0;
        f.game.TickClock();
        QCOMPARE(f.game.elapsedTimeText(), std::string("1.0"));
        f.platform.steadyClock += 1233.5;
        f.game.TickClock();
        QCOMPARE(f.game.elapsedTimeText(), std::string("1234.5"));
    }

    // Closed before the next tick, the congratulation box still counts: the ranked time
    // is the time of the win, not the "0" that the new game wrote.
    void winByTheFirstPressRanksItsRealTime() {
        GameFixture f;
        f.LevelBoard(Level::Beginner, MinesAtTheEnd(9, 9, 5));
        f.platform.steadyClock = 70.0;
        f.platform.whileMessageOpen = [&f](std::string_view) { f.platform.steadyClock = 72.47; };
        f.Left(0, 0);
        QCOMPARE(f.game.elapsedTimeText(), std::string("2.5"));
        QCOMPARE(f.bestTimes.Entry(0), 2.5);
    }

    // The clock's start and stop are reported, so that a view ticks only while it runs.
    void clockChangesAreReported() {
        GameFixture f;
        f.CustomBoard(9, 9, {{8, 8}});
        const auto clockReports = [&f] {
            int count = 0;
            for (const GameChanges& changes : f.observer.reports) {
                count += changes.clock ? 1 : 0;
            }
            return count;
        };
        QCOMPARE(clockReports(), 0);
        f.Right(0, 0);
        f.Left(0, 0);  // a left press on a flag starts the clock, though nothing opens
        QCOMPARE(clockReports(), 1);
        QCOMPARE(f.observer.reports.back().clock, true);
        f.Left(8, 8);
        QCOMPARE(clockReports(), 2);
        QCOMPARE(f.game.phase(), GamePhase::Lost);
    }
};

QTEST_APPLESS_MAIN(TestGameEnd)
#include "test_game_end.moc"
