// The ranking of winning times into the best-time table.
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

    // Each place is compared in turn, even when the stored places are out of order (a store
    // edited by hand); the places below the new time move down and the last drops out.
    void placesOutOfOrderAreComparedInTurn() {
        BestTimeTable table = AdvancedPlaces(10, 30, 20);
        QCOMPARE(table.PlaceFor(Level::Advanced, 25.0), std::optional<int>(1));
        table.Enter(Level::Advanced, 1, 25.0);
        QCOMPARE(table, AdvancedPlaces(10, 25, 30));
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
