// The board-change dialog's OK tests apart from the dialog. An entry gives either the
// refusal's message or the stored values as "height x width x mines".

#include <QtTest>
#include <cmath>
#include <string>
#include <variant>

#include "engine/board_entry.h"
#include "engine/number_format.h"

using kestravon::BoardEntry;
using kestravon::CheckBoardEntry;

class TestBoardEntry : public QObject {
    Q_OBJECT

  private slots:
    void check_data();
    void check();
    void acceptedEntriesFitTheBoard();
};

void TestBoardEntry::check_data() {
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("mines");
    QTest::addColumn<QString>("outcome");

    const QString small = QStringLiteral("盤面の範囲が小さすぎます(81以上)");
    const QString large = QStringLiteral("盤面の範囲が大きすぎます(3000未満)");
    const QString side = QStringLiteral("高さと幅は1以上101以下にしてください");
    const QString tooBig = QStringLiteral("数値が大きすぎます");
    const auto row = [](const char* name, const char* height, const char* width, const char* mines,
                        const QString& outcome) {
        QTest::newRow(name) << QString(height) << QString(width) << QString(mines) << outcome;
    };
    const auto most = [](const char* limit) {
        return QStringLiteral("爆弾の数が多すぎです(%1以下)").arg(QLatin1String(limit));
    };

    row("empty boxes", "", "", "", small);
    row("area 80", "10", "8", "0", small);
    row("area 3000", "50", "60", "0", large);
    row("area tested first", "50", "60", "9999", large);
    row("area 81", "9", "9", "21", most("20.25"));
    row("area 100", "10", "10", "26", most("25"));
    row("area 999", "27", "37", "250", most("249.75"));
    row("area 1000", "40", "25", "182", most("181.818181818182"));
    row("area 1999", "1999", "1", "364", most("363.454545454545"));
    row("area 2000", "40", "50", "308", most("307.692307692308"));
    row("area 2999", "2999", "1", "462", most("461.384615384615"));
    row("unrounded area", "9.4", "9", "21.2", most("21.15"));
    // Entries that pass the area and density tests but that no board can hold.
    row("one row", "1", "2999", "0", side);
    row("102 columns", "1", "101.5", "0", side);
    row("negative sides", "-9", "-9", "0", side);
    row("height -1 = cancel", "-0.6", "-150", "0", side);
    row("half rounds to 0", "0.5", "162", "0", side);
    row("negative mines", "9", "9", "-1", "地雷の数は0以上にしてください");
    row("infinity x 0", "1e999", "0", "0", tooBig);
    row("beyond 16 bits", "40000", "0.05", "0", tooBig);
    row("mines beyond 16 bits", "9", "9", "-40000", tooBig);

    row("area 81, full", "9", "9", "20", "9x9x20");
    row("area 1000, full", "40", "25", "181", "40x25x181");
    row("widest", "29", "101", "450", "29x101x450");
    row("height rounded", "9.4", "9", "21", "9x9x21");
    row("mines at the limit", "9", "9", "20.25", "9x9x20");
    row("halves to even", "9.5", "10.5", "2.5", "10x10x2");
    row("mines round to 0", "9", "9", "-0.4", "9x9x0");
    row("trailing letters", "12abc", "9", "0", "12x9x0");
}

void TestBoardEntry::check() {
    QFETCH(QString, height);
    QFETCH(QString, width);
    QFETCH(QString, mines);
    QFETCH(QString, outcome);

    const auto checked =
        CheckBoardEntry(height.toStdString(), width.toStdString(), mines.toStdString());
    if (const auto* entry = std::get_if<BoardEntry>(&checked)) {
        QCOMPARE(QStringLiteral("%1x%2x%3").arg(entry->height).arg(entry->width).arg(entry->mines),
                 outcome);
    } else {
        QCOMPARE(QString::fromStdString(std::get<std::string>(checked)), outcome);
    }
}

// The engine trusts every accepted entry: sides 1..101 and fewer mines than cells, also
// when the numbers sit at the density limit and rounding shrinks the board.
void TestBoardEntry::acceptedEntriesFitTheBoard() {
    int accepted = 0;
    for (double h = 0.25; h <= 110; h += 0.25) {
        for (double w = 0.25; w <= 110; w += 0.25) {
            const double area = h * w;
            if (area < 81 || area >= 3000) {
                continue;
            }
            const double limit = area / (area < 1000 ? 4.0 : area < 2000 ? 5.5 : 6.5);
            for (double m : {limit, std::floor(limit) + 0.5, std::floor(limit)}) {
                using kestravon::FormatGeneral;
                const auto checked =
                    CheckBoardEntry(FormatGeneral(h), FormatGeneral(w), FormatGeneral(m));
                if (const auto* entry = std::get_if<BoardEntry>(&checked)) {
                    ++accepted;
                    QVERIFY(entry->height >= 1 && entry->height <= 101);
                    QVERIFY(entry->width >= 1 && entry->width <= 101);
                    QVERIFY(entry->mines >= 0 && entry->mines < entry->height * entry->width);
                }
            }
        }
    }
    QVERIFY(accepted > 10000);
}

QTEST_APPLESS_MAIN(TestBoardEntry)
#include "test_board_entry.moc"
