// The board as every device reaches it: the pure steps from a position or a key to a cell,
// the keyboard, touch, and what a screen reader gets through Qt's accessibility.
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "engine/best_time_table.h"
#include "platform/fake_platform.h"
#include "platform/pointer_pixels.h"
#include "support/mine_draws.h"
#include "ui/board/board_widget.h"
#include "ui/images/pictures.h"

using namespace kestravon;

namespace {

// A board of 4 rows and 9 columns with one mine in its last cell (row 3, column 8), drawn
// without a window around it. It records each press the game takes as "cell press" (L: open,
// R: mark).
struct Board final : GameObserver {
    Board(int rows = 4, int columns = 9) {
        game.SetObserver(this);
        platform.QueueDraws(MineDraws(rows, columns, {{columns - 1, rows - 1}}));
        game.AnswerBoardChange(
            {BoardChangeAnswer::Ending::Accepted,
             {static_cast<std::int16_t>(rows), static_cast<std::int16_t>(columns), 1}});
        board.activateWindow();
    }
    void GameChanged(const GameChanges& changes) override { board.ShowChanges(changes); }
    QRect CellRect(int cell) const { return board.cellGeometry().CellRect(cell); }
    QImage Shown(int cell) {
        return board.grab(CellRect(cell)).toImage().convertToFormat(QImage::Format_RGB32);
    }

    FakePlatform platform;
    BestTimeTable bestTimes;
    Pictures pictures;
    Game game{platform, bestTimes};
    QStringList presses;
    BoardWidget board{
        game, pictures, [this](int cell, Press press) {
            if (game.PressCell(cell, press)) {
                presses << QStringLiteral("%1%2").arg(cell).arg(press == Press::Open ? 'L' : 'R');
            }
        }};
};

QImage Picture(const QPixmap& tile) {
    return tile.toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class TestBoardInput : public QObject {
    Q_OBJECT

  private slots:
    // Each step on its own: snapping a screen position at a whole scale (position in the
    // window, scale), the pixel under a fractional position (in the widget, in the window),
    // the cell under a pixel of a 4 x 9 board, and the cursor's moves at its edges (the keys'
    // table below has the others).
    void inputSteps_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QVariantList>("input");
        QTest::addColumn<int>("expected");
        const auto row = [](const char* name, const char* step, QVariantList input, int expected) {
            QTest::newRow(name) << QString(step) << input << expected;
        };
        row("scale 1 keeps", "snap", {7, 1}, 7);
        row("scale 2, second screen pixel", "snap", {7, 2}, 6);
        row("scale 3, third screen pixel", "snap", {8, 3}, 6);
        row("scale 2, left of the window", "snap", {-1, 2}, -2);
        row("scale 3, left of the window", "snap", {-4, 3}, -6);
        row("whole position", "pixel", {5.0, 11.0}, 5);
        row("half a pixel on, rounded up by Qt", "pixel", {5.0, 10.5}, 4);
        row("half a pixel before the window, rounded down by Qt", "pixel", {-1.0, -0.5}, -1);
        row("a fraction Qt handed over", "pixel", {4.5, 10.5}, 4);
        row("last pixel of the first cell", "cell", {14, 14}, 0);
        row("next row", "cell", {14, 15}, 9);
        row("last pixel of the board", "cell", {134, 59}, 35);
        row("right of the board", "cell", {135, 0}, -1);
        row("below the board", "cell", {0, 60}, -1);
        row("left of the board", "cell", {-1, 0}, -1);
        row("left at the left edge", "cursor", {9, int(CursorMove::Left)}, 9);
        row("right at the right edge", "cursor", {17, int(CursorMove::Right)}, 17);
        row("up at the top", "cursor", {4, int(CursorMove::Up)}, 4);
        row("down at the bottom", "cursor", {31, int(CursorMove::Down)}, 31);
    }
    void inputSteps() {
        QFETCH(QString, step);
        QFETCH(QVariantList, input);
        QFETCH(int, expected);
        if (step == "snap") {
            const SnappedPosition snapped =
                Snap(input[0].toInt(), input[0].toInt() + 100, input[1].toInt());
            QCOMPARE(snapped.local, expected);
            QCOMPARE(snapped.global, expected + 100);
        } else if (step == "pixel") {
            const QPointF position(input[0].toDouble(), 3.0);
            const QPointF inWindow(input[1].toDouble(), 13.0);
            QCOMPARE(PixelUnder(position, inWindow), QPoint(expected, 3));
        } else if (step == "cell") {
            QCOMPARE(BoardGeometry(4, 9).CellAt(QPoint(input[0].toInt(), input[1].toInt())),
                     expected);
        } else {
            QCOMPARE(BoardGeometry(4, 9).Step(input[0].toInt(), CursorMove(input[1].toInt())),
                     expected);
        }
    }

    // Keys on the board, and the presses the game receives. "Key*" is a held key's repeat.
    void keys_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("presses");
        const auto row = [](const char* name, const char* keys, const char* presses) {
            QTest::newRow(name) << QString(keys) << QString(presses);
        };
        row("Return on the first cell", "Return", "0L");
        row("arrows, keypad Enter", "Left Up Right Right Down Enter", "11L");
        row("stops at the right edge",
            "Right Right Right Right Right Right Right Right Right Space", "8L");
        row("End, Menu, Home, Shift+F10", "Down End Menu Home Shift+F10", "17R 9R");
        row("Ctrl+End, Ctrl+Home", "Ctrl+End Menu Ctrl+Home Menu", "35R 0R");
        row("a held key presses once", "Space Space* Space*", "0L");
        row("only a held key's repeats", "Menu*", "");
        row("nothing after the game ended", "Space Right Space Menu", "0L");
    }
    void keys() {
        QFETCH(QString, keys);
        QFETCH(QString, presses);
        Board b;
        for (const QString& key : keys.split(' ')) {
            const QKeyCombination combination = QKeySequence(QString(key).remove('*'))[0];
            if (key.endsWith('*')) {
                QKeyEvent repeat(QEvent::KeyPress, combination.key(),
                                 combination.keyboardModifiers(), QString(), true);
                QApplication::sendEvent(&b.board, &repeat);
            } else {
                QTest::keyClick(&b.board, combination.key(), combination.keyboardModifiers());
            }
        }
        QCOMPARE(b.presses.join(' '), presses);
    }

    // Until a key is used on the board it shows exactly its tiles; a mouse press hides the
    // cursor again and moves it to the cell pressed.
    void cursorShowsOnlyAfterAKey() {
        Board b;
        QVERIFY(QTest::qWaitForWindowActive(&b.board));
        const QImage closed = Picture(b.pictures.tile(Tile::None));
        for (int cell = 0; cell < 36; ++cell) {
            QCOMPARE(b.Shown(cell), closed);
        }
        QTest::keyClick(&b.board, Qt::Key_Right);
        QVERIFY(b.Shown(1) != closed);
        QCOMPARE(b.Shown(0), closed);
        QTest::mouseClick(&b.board, Qt::RightButton, {}, b.CellRect(2).center());
        QCOMPARE(b.Shown(1), closed);
        QCOMPARE(b.Shown(2), Picture(b.pictures.tile(Tile::Flag)));
        QCOMPARE(b.board.cursor(), 2);
    }

    void touch_data() {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<QString>("presses");
        QTest::newRow("a tap opens") << "tap"
                                     << "0L";
        QTest::newRow("a hold marks, and lifting does no more") << "hold"
                                                                << "0R";
        QTest::newRow("a touch that moves off its cell presses nothing") << "slide"
                                                                         << "";
    }
    void touch() {
        QFETCH(QString, gesture);
        QFETCH(QString, presses);
        Board b;
        QVERIFY(QTest::qWaitForWindowExposed(&b.board));
        static QPointingDevice* const device = QTest::createTouchDevice();
        const QPoint first = b.CellRect(0).center();
        QTest::touchEvent(&b.board, device).press(0, first, &b.board);
        if (gesture == "hold") {
            QTRY_COMPARE(b.presses.join(' '), presses);
        } else if (gesture == "slide") {
            QTest::touchEvent(&b.board, device).move(0, b.CellRect(1).center(), &b.board);
        }
        QTest::touchEvent(&b.board, device).release(0, first, &b.board);
        QTest::qWait(600);  // past the hold's half second
        QCOMPARE(b.presses.join(' '), presses);
    }

    // The board as a table of named cells with two actions each, whose focus is the cursor;
    // a press that opens thousands of cells is told in a few notices.
    void screenReader() {
        Board b;
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&b.board);
        QCOMPARE(table->role(), QAccessible::Table);
        QAccessibleTableInterface* cells = table->tableInterface();
        QCOMPARE(QSize(cells->columnCount(), cells->rowCount()), QSize(9, 4));
        QCOMPARE(table->childCount(), 36);

        QAccessibleInterface* nextToMine = cells->cellAt(2, 8);
        QAccessibleInterface* marked = cells->cellAt(2, 7);
        QCOMPARE(nextToMine->text(QAccessible::Name), "未開");
        QAccessibleActionInterface* mark = marked->actionInterface();
        QCOMPARE(mark->actionNames(), (QStringList{QAccessibleActionInterface::pressAction(),
                                                   QAccessibleActionInterface::showMenuAction()}));
        mark->doAction(QAccessibleActionInterface::showMenuAction());
        cells->cellAt(0, 0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(b.presses.join(' '), "25R 0L");
        QCOMPARE(marked->text(QAccessible::Name), "旗");
        QCOMPARE(nextToMine->text(QAccessible::Name), "1");
        QCOMPARE(cells->cellAt(0, 0)->text(QAccessible::Name), "空白");

        QVERIFY(QTest::qWaitForWindowActive(&b.board));
        QTest::keyClick(&b.board, Qt::Key_Down);
        QCOMPARE(table->focusChild(), cells->cellAt(1, 0));
        QVERIFY(cells->cellAt(1, 0)->state().focused);

        // As Qt's own accessibility tests do: a listener on this platform.
        static int notices = 0;
        QAccessible::installUpdateHandler([](QAccessibleEvent*) { ++notices; });
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        Board hell(60, 84);
        QApplication::processEvents();
        notices = 0;
        hell.board.PressCell(0, Press::Open);
        QAccessible::installUpdateHandler(nullptr);
        QCOMPARE(hell.game.phase(), GamePhase::Won);
        QVERIFY2(notices <= 4, qPrintable(QString::number(notices)));
    }
};

QTEST_MAIN(TestBoardInput)
#include "test_board_input.moc"
