#include <QTest>

#include "engine/best_time_table.h"

using namespace kestravon;

namespace {

BestTimeTable AdvancedPlaces(double first, double second, double third) {
    BestTimeTable table;
    table.SetEntry(6, first);
    table.SetEntry(7, second);
    table.SetEntry(8, third);
    return table;
}

}  // namespace

class TestBestTimeTable : public QObject {
    Q_OBJECT

  private slots:
    void levelsHaveTheirOwnThreePlaces() {
        QCOMPARE(BestTimeTable::BaseOf(Level::Beginner), std::optional<int>(0));
        QCOMPARE(BestTimeTable::BaseOf(Level::Intermediate), std::optional<int>(3));
        QCOMPARE(BestTimeTable::BaseOf(Level::Advanced), std::optional<int>(6));
        QCOMPARE(BestTimeTable::BaseOf(Level::Expert), std::optional<int>(9));
        for (const Level unranked : {Level::Hell, Level::Custom}) {
            QVERIFY(!BestTimeTable::BaseOf(unranked));
            BestTimeTable table;
            QVERIFY(!table.PlaceFor(unranked, 1.0));
            table.Enter(unranked, 0, 1.0);
            table.ClearLevel(unranked);
            QCOMPARE(table, BestTimeTable());
        }
    }

    // Each place is compared in turn, also when the stored places are out of order; the
    // places below the new time move down and the last drops out.
    void aTimeTakesTheFirstPlaceNotBetterThanIt_data() {
        QTest::addColumn<QList<double>>("places");
        QTest::addColumn<double>("time");
        QTest::addColumn<int>("place");  // -1: none
        QTest::addColumn<QList<double>>("after");
        QTest::newRow("best") << QList<double>{10, 20, 30} << 5.0 << 0 << QList<double>{5, 10, 20};
        QTest::newRow("equal to the first")
            << QList<double>{10, 20, 30} << 10.0 << 0 << QList<double>{10, 10, 20};
        QTest::newRow("third") << QList<double>{10, 20, 30} << 30.0 << 2
                               << QList<double>{10, 20, 30};
        QTest::newRow("worse than all")
            << QList<double>{10, 20, 30} << 30.5 << -1 << QList<double>{10, 20, 30};
        QTest::newRow("out of order")
            << QList<double>{10, 30, 20} << 25.0 << 1 << QList<double>{10, 25, 30};
        QTest::newRow("empty places take up to 999")
            << QList<double>{999, 999, 999} << 999.0 << 0 << QList<double>{999, 999, 999};
        QTest::newRow("but nothing above")
            << QList<double>{999, 999, 999} << 999.1 << -1 << QList<double>{999, 999, 999};
    }
    void aTimeTakesTheFirstPlaceNotBetterThanIt() {
        QFETCH(QList<double>, places);
        QFETCH(double, time);
        QFETCH(int, place);
        QFETCH(QList<double>, after);
        BestTimeTable table = AdvancedPlaces(places[0], places[1], places[2]);
        const std::optional<int> found = table.PlaceFor(Level::Advanced, time);
        QCOMPARE(found.value_or(-1), place);
        if (found) {
            table.Enter(Level::Advanced, *found, time);
        }
        QCOMPARE(table, AdvancedPlaces(after[0], after[1], after[2]));
    }

    void clearingALevelEmptiesOnlyItsPlaces() {
        BestTimeTable table;
        for (int i = 0; i < BestTimeTable::kEntryCount; ++i) {
            table.SetEntry(i, i + 1.5);
        }
        table.ClearLevel(Level::Intermediate);
        for (int i = 0; i < BestTimeTable::kEntryCount; ++i) {
            QCOMPARE(table.Entry(i), i >= 3 && i < 6 ? 999.0 : i + 1.5);
        }
    }
};

QTEST_APPLESS_MAIN(TestBestTimeTable)
#include "test_best_time_table.moc"
