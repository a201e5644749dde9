// The board as every device reaches it: the pure steps from a position or a key to a cell,
// the keyboard and its cursor, touch, and what a screen reader gets and says through Qt's
// accessibility.
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>
#include <array>
#include <initializer_list>
#include <map>

#include "engine/best_time_table.h"
#include "platform/fake_platform.h"
#include "platform/key_repeats.h"
#include "platform/pointer_pixels.h"
#include "support/mine_draws.h"
#include "ui/board/announcement.h"
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
        LayOut(rows, columns);
        board.activateWindow();
    }
    void LayOut(int rows, int columns) {
        platform.QueueDraws(MineDraws(rows, columns, {{columns - 1, rows - 1}}));
        game.AnswerBoardChange(
            {BoardChangeAnswer::Ending::Accepted,
             {static_cast<std::int16_t>(rows), static_cast<std::int16_t>(columns), 1}});
    }
    void GameChanged(const GameChanges& changes) override { board.ShowChanges(changes); }
    QRect CellRect(int cell) const { return board.cellGeometry().CellRect(cell); }
    // What a screen whose pixels are `scale` x `scale` blocks shows of a cell.
    QImage Shown(int cell, int scale = 1) {
        QImage shown(QSize(kCellPixels, kCellPixels) * scale, QImage::Format_RGB32);
        shown.setDevicePixelRatio(scale);
        board.render(&shown, QPoint(), QRegion(CellRect(cell)));
        shown.setDevicePixelRatio(1);
        return shown;
    }
    // Moves the keyboard's cursor to a cell, as a player does.
    void MoveCursorTo(int cell) {
        QTest::keyClick(&board, Qt::Key_Home, Qt::ControlModifier);
        const BoardGeometry geometry = board.cellGeometry();
        for (int step = 0; step < geometry.Column(cell) + geometry.Row(cell); ++step) {
            QTest::keyClick(&board, step < geometry.Column(cell) ? Qt::Key_Right : Qt::Key_Down);
        }
    }

    FakePlatform platform;
    BestTimeTable bestTimes;
    Pictures pictures;
    Game game{platform, bestTimes};
    QStringList presses;
    BoardWidget board{
        game, pictures, [this](int cell, Press press) {
            const PressResult result = game.PressCell(cell, press);
            if (result.taken) {
                presses << QStringLiteral("%1%2").arg(cell).arg(press == Press::Open ? 'L' : 'R');
            }
            return result;
        }};
};

QImage Picture(const QPixmap& tile) {
    return tile.toImage().convertToFormat(QImage::Format_RGB32).copy(0, 0, 15, 15);
}

// Sends a key through a window: "Key" goes down and up, "Key>" goes down (so X11 sends each
// press of a held key), "Key<" comes up, "Key*" is a held key's repeat flagged as such (so
// Wayland and Windows send it).
void SendKey(QWindow* window, const QString& token) {
    const QChar kind = token.back();
    const bool marked = QStringLiteral("<>*").contains(kind);
    const QKeyCombination key = QKeySequence(marked ? token.chopped(1) : token)[0];
    for (const bool press : {true, false}) {
        if (press ? kind != '<' : kind == '<' || !marked) {
            QTest::simulateEvent(window, press, key.key(), key.keyboardModifiers(), QString(),
                                 kind == '*');
        }
    }
}

// A table of inputs (keys, or a touch's gesture) and the presses the game takes of them.
void PressTable(std::initializer_list<std::array<const char*, 3>> rows) {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("presses");
    for (const auto& [name, input, presses] : rows) {
        QTest::newRow(name) << QString(input) << QString(presses);
    }
}

// What a screen reader is told: focus notices by cell, and words said.
QStringList notices;

void RecordNotice(QAccessibleEvent* event) {
    if (event->type() == QAccessible::Focus) {
        notices << QStringLiteral("focus %1").arg(event->child());
    } else if (const QString words = AnnouncedText(*event); !words.isEmpty()) {
        notices << words;
    }
}

}  // namespace

class TestBoardInput : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { FlagHeldKeyRepeats(); }

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

    // Keys on the board, and the presses the game takes (SendKey tells the keys' marks); "board"
    // lays out a board of 2 x 9.
    void keys_data() {
        PressTable({
            {"Return on the first cell", "Return", "0L"},
            {"arrows, keypad Enter", "Left Up Right Right Down Num+Enter", "11L"},
            {"stops at the right edge",
             "Right Right Right Right Right Right Right Right Right Space", "8L"},
            {"End, Menu, Home, Shift+F10", "Down End Menu Home Shift+F10", "17R 9R"},
            {"Ctrl+End, Ctrl+Home", "Ctrl+End Menu Ctrl+Home Menu", "35R 0R"},
            {"a held key presses once, its repeats flagged", "Space> Space* Space* Space<", "0L"},
            {"a held key presses once, its repeats unflagged", "Menu> Menu> Menu> Menu<", "0R"},
            {"a held Shift+F10 marks once", "Shift+F10> Shift+F10> Shift+F10<", "0R"},
            {"a key pressed again once it came up", "Menu> Menu< Menu> Menu<", "0R 0R"},
            {"only a held key's repeats", "Menu*", ""},
            {"nothing after the game ended", "Space Right Space Menu", "0L"},
            {"a smaller board starts at its first cell", "Ctrl+End board Space", "0L"},
        });
    }
    void keys() {
        QFETCH(QString, input);
        QFETCH(QString, presses);
        Board b;
        QVERIFY(QTest::qWaitForWindowActive(&b.board));
        for (const QString& key : input.split(' ')) {
            if (key == "board") {
                b.LayOut(2, 9);
            } else {
                SendKey(b.board.windowHandle(), key);
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
        // Tab is a key too.
        b.board.clearFocus();
        b.board.setFocus(Qt::TabFocusReason);
        QVERIFY(b.Shown(2) != Picture(b.pictures.tile(Tile::Flag)));
    }

    // With the cursor on it, each kind of cell still shows what it is, at every scale: the
    // cursor covers only its corners, in whole design pixels; the middle of the edges (a closed
    // tile's bevel, an open one's frame) and the glyph stay.
    void cursorKeepsEachCellRecognisable() {
        Board b;
        QVERIFY(QTest::qWaitForWindowActive(&b.board));
        b.game.PressCell(1, Press::Mark);
        b.game.PressCell(2, Press::Mark);
        b.game.PressCell(2, Press::Mark);
        b.game.PressCell(0, Press::Open);
        const std::map<int, Tile> cells{{35, Tile::None},
                                        {0, Tile::Push},
                                        {25, Tile::Num1},
                                        {1, Tile::Flag},
                                        {2, Tile::Understand}};
        for (const int scale : {1, 2}) {
            for (const auto& [cell, tile] : cells) {
                QCOMPARE(b.game.cells()[cell].tile, tile);
                b.MoveCursorTo(cell);
                const QImage withCursor = b.Shown(cell, scale);
                const QImage own =
                    Picture(b.pictures.tile(tile)).scaled(withCursor.size(), Qt::IgnoreAspectRatio);
                for (int y = 0; y < withCursor.height(); ++y) {
                    for (int x = 0; x < withCursor.width(); ++x) {
                        const QPoint design(x / scale, y / scale);
                        const bool corner = std::min(design.x(), 14 - design.x()) < 5 &&
                                            std::min(design.y(), 14 - design.y()) < 5;
                        const QRgb block = withCursor.pixel(design * scale);
                        QVERIFY2(
                            withCursor.pixel(x, y) == block && (corner || block == own.pixel(x, y)),
                            qPrintable(QStringLiteral("cell %1, %2x").arg(cell).arg(scale)));
                    }
                }
            }
        }
    }

    void touch_data() {
        PressTable({
            {"a tap opens", "tap", "0L"},
            {"a hold marks after half a second, and lifting does no more", "hold", "0R"},
            {"a touch that moves off its cell presses nothing", "slide", ""},
            {"a cancelled touch presses nothing", "cancel", ""},
        });
    }
    void touch() {
        QFETCH(QString, input);
        QFETCH(QString, presses);
        Board b;
        QVERIFY(QTest::qWaitForWindowExposed(&b.board));
        static QPointingDevice* const device = QTest::createTouchDevice();
        const QPoint first = b.CellRect(0).center();
        QElapsedTimer held;
        held.start();
        QTest::touchEvent(&b.board, device).press(0, first, &b.board);
        if (input == "hold") {
            QTRY_COMPARE(b.presses.join(' '), presses);
            // Timers may fire a little early, never this early.
            QVERIFY(held.elapsed() >= 450);
        } else if (input == "slide") {
            QTest::touchEvent(&b.board, device).move(0, b.CellRect(1).center(), &b.board);
        } else if (input == "cancel") {
            QTouchEvent cancel(QEvent::TouchCancel, device);
            QApplication::sendEvent(&b.board, &cancel);
        }
        if (input != "cancel") {
            QTest::touchEvent(&b.board, device).release(0, first, &b.board);
        }
        QTest::qWait(600);  // past the hold's half second
        QCOMPARE(b.presses.join(' '), presses);
    }

    // The board as a canvas of cells named by what they show and where, in rows and columns, with
    // two actions each, whose focus is the cursor; what each press did is said in words, and a
    // press that opens thousands of cells is told in a few notices.
    void screenReader() {
        // As Qt's own accessibility tests do: a listener on this platform.
        QAccessible::installUpdateHandler(&RecordNotice);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        Board b;
        QVERIFY(QTest::qWaitForWindowActive(&b.board));
        QApplication::processEvents();
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&b.board);
        QCOMPARE(board->role(), QAccessible::Canvas);
        QAccessibleTableInterface* cells = board->tableInterface();
        QCOMPARE(QSize(cells->columnCount(), cells->rowCount()), QSize(9, 4));
        QCOMPARE(board->childCount(), 36);

        QAccessibleInterface* nextToMine = cells->cellAt(2, 8);
        QAccessibleInterface* marked = cells->cellAt(2, 7);
        QCOMPARE(nextToMine->text(QAccessible::Name), "未開、9列3行");
        QAccessibleActionInterface* mark = marked->actionInterface();
        QCOMPARE(mark->actionNames(), (QStringList{QAccessibleActionInterface::pressAction(),
                                                   QAccessibleActionInterface::showMenuAction()}));
        notices.clear();
        mark->doAction(QAccessibleActionInterface::showMenuAction());
        mark->doAction(QAccessibleActionInterface::showMenuAction());
        QCOMPARE(notices, (QStringList{"focus 25", "旗、残り爆弾0", "はてな、残り爆弾1"}));
        QCOMPARE(marked->text(QAccessible::Name), "はてな、8列3行");
        notices.clear();
        cells->cellAt(0, 0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(b.presses.join(' '), "25R 25R 0L");
        QCOMPARE(nextToMine->text(QAccessible::Name), "1、9列3行");
        QCOMPARE(cells->cellAt(0, 0)->text(QAccessible::Name), "空白、1列1行");

        // Keys: a move tells the new cell's focus, a press what it did, C the counters.
        for (const char* key : {"Down", "Space", "Ctrl+End", "Menu", "C", "Space", "Menu", "Menu",
                                "Space", "Space"}) {
            SendKey(b.board.windowHandle(), QString::fromLatin1(key));
        }
        QCOMPARE(notices,
                 (QStringList{"focus 0", "空白、34マス開きました", "focus 9", "開いています",
                              "focus 35", "旗、残り爆弾0", "残り爆弾0、経過時間0秒",
                              "旗のマスは開きません", "はてな、残り爆弾1", "印なし、残り爆弾1",
                              "爆弾を踏みました。失敗", "ゲームは終わっています"}));
        notices.clear();
        b.game.NewGame();
        QCOMPARE(notices, QStringList{"新しいゲーム、9列4行、爆弾1"});

        static int count = 0;
        QAccessible::installUpdateHandler([](QAccessibleEvent*) { ++count; });
        Board hell(60, 84);
        QApplication::processEvents();
        count = 0;
        hell.board.PressCell(0, Press::Open);
        QAccessible::installUpdateHandler(nullptr);
        QCOMPARE(hell.game.phase(), GamePhase::Won);
        QVERIFY2(count <= 4, qPrintable(QString::number(count)));
    }
};

QTEST_MAIN(TestBoardInput)
#include "test_board_input.moc"
