// The main window as a player sees it: menus, board geometry, presses, face and counters.
#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "engine/number_format.h"
#include "main_window_fixture.h"
#include "ui/window/counter_box.h"

using namespace kestravon;

namespace {

// Answers the next modal dialog: fills its boxes (height, width, mines) and presses
// a button, or closes it by its close box when `button` is empty.
void AnswerBoardChange(QStringList boxes, const char* button) {
    QTimer::singleShot(0, [boxes, button] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog != nullptr);
        const char* names[] = {"高さ", "幅", "地雷の数"};
        for (int i = 0; i < boxes.size(); ++i) {
            dialog->findChild<QLineEdit*>(QString::fromUtf8(names[i]))->setText(boxes[i]);
        }
        if (button == nullptr) {
            dialog->close();
        } else {
            dialog->findChild<QPushButton*>(QString::fromUtf8(button))->click();
        }
    });
}

QWidget* OpenBestTimeWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QStringLiteral("ベストタイム") && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

// Compares what the screen shows of each cell with its tile's picture, which sits at the
// cell's top-left corner, clipped to the cell, on the tiles' grey.
void CompareShownCells(Window& w) {
    QApplication::processEvents();
    const QWidget* board = w.Board();
    const QPoint origin = board->mapTo(&w.window, QPoint(0, 0));
    const QImage shown =
        w.window.screen()
            ->grabWindow(w.window.winId(), origin.x(), origin.y(), board->width(), board->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), board->size());
    const std::vector<Cell>& cells = w.window.game().cells();
    for (int cell = 0; cell < static_cast<int>(cells.size()); ++cell) {
        QImage expected(15, 15, QImage::Format_RGB32);
        expected.fill(QColor(0xC6, 0xC3, 0xC6));
        QPainter painter(&expected);
        painter.drawPixmap(0, 0, w.pictures.tile(cells[static_cast<std::size_t>(cell)].tile));
        painter.end();
        const QRect block = w.Board()->cellGeometry().CellRect(cell);
        QVERIFY2(shown.copy(block) == expected, qPrintable(QStringLiteral("cell %1").arg(cell)));
    }
}

QStringList Captions(const QMenu* menu) {
    QStringList captions;
    for (const QAction* action : menu->actions()) {
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return captions;
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

  private slots:
    void menuBarAsDesigned() {
        Window w;
        const QList<QAction*> menus = w.window.menuBar()->actions();
        QCOMPARE(menus.size(), 2);
        QCOMPARE(menus[0]->text(), QStringLiteral("ゲーム(&G)"));
        QCOMPARE(menus[1]->text(), QStringLiteral("ヘルプ(&H)"));
        QCOMPARE(
            Captions(menus[0]->menu()),
            QStringList({"スタート(&N)", "初級(&B)", "中級(&I)", "上級(&E)", "超上級(&J)",
                         "地獄(&K)", "盤面の変更(&C)", "-", "ベストタイム(&T)", "-", "終了(&X)"}));
        QCOMPARE(Captions(menus[1]->menu()), QStringList({"ﾊﾞｰｼﾞｮﾝ情報(&A)"}));
        for (const char* name : {"mnゲーム", "mnスタート", "mn棒1", "mnベストタイム", "mn棒2",
                                 "mn終了", "mnヘルプ", "mnバージョン情報"}) {
            QVERIFY2(w.Action(name) != nullptr, name);
            QVERIFY(!w.Action(name)->isChecked());
            QVERIFY(w.Action(name)->shortcut().isEmpty());
        }
        QCOMPARE(w.window.windowTitle(), QStringLiteral("Kestravon"));
        QVERIFY(!w.window.windowIcon().isNull());
    }

    void accessKeysChooseFromTheMenus() {
        Window w;
        w.window.ChooseLevel(Level::Beginner);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QTest::keyClick(&w.window, Qt::Key_G, Qt::AltModifier);
        auto* game = w.window.findChild<QMenu*>(QStringLiteral("mnゲーム"));
        QTRY_VERIFY(game->isVisible());
        QTest::keyClick(game, Qt::Key_I);
        QCOMPARE(w.window.game().rows(), 16);
        QCOMPARE(w.Marks(), (std::vector<bool>{false, true, false, false, false, false}));
    }

    void startUpChecksOnlyBeginner() {
        Window w;
        QCOMPARE(w.Marks(), std::vector<bool>(6, false));
        w.window.ChooseLevel(Level::Beginner);
        QCOMPARE(w.Marks(), (std::vector<bool>{true, false, false, false, false, false}));
        QCOMPARE(w.window.game().rows(), 9);
        // Choosing the checked level again keeps its mark, though Qt toggles it.
        w.Action("mn初級")->trigger();
        QCOMPARE(w.Marks(), (std::vector<bool>{true, false, false, false, false, false}));
        w.Action("mn上級")->trigger();
        QCOMPARE(w.Marks(), (std::vector<bool>{false, false, true, false, false, false}));
        QCOMPARE(w.window.game().rows(), 16);
        QCOMPARE(w.window.game().columns(), 30);
    }

    // Worked by hand in twips, 15 to the pixel, fractions rounded down; the client area is the
    // outer size less a nominal frame of 8 x 46. 初級: outer 2350 x 3650 twips (156 x 243), the
    // face's left 156 x 15 / 2 - 375 / 2 - 50 = 932.5 twips. Up to 8 columns the client area
    // widens to hold both counters with the board's margin at each side.
    void boardGeometry_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<int>("face");
        QTest::addColumn<int>("mineCounter");
        QTest::addColumn<int>("elapsedTime");
        QTest::addColumn<QPoint>("lastCell");
        QTest::newRow("初級") << 9 << 9 << QSize(148, 197) << 62 << 5 << 95 << QPoint(127, 176);
        QTest::newRow("中級") << 16 << 16 << QSize(253, 302) << 114 << 58 << 148
                              << QPoint(232, 281);
        QTest::newRow("上級") << 16 << 30 << QSize(463, 302) << 219 << 163 << 253
                              << QPoint(442, 281);
        QTest::newRow("地獄") << 60 << 84 << QSize(1273, 962) << 624 << 568 << 658
                              << QPoint(1252, 941);
        QTest::newRow("1 x 101") << 1 << 101 << QSize(1528, 77) << 752 << 695 << 785
                                 << QPoint(1507, 56);
        QTest::newRow("16 x 8") << 16 << 8 << QSize(154, 302) << 64 << 7 << 97 << QPoint(112, 281);
        QTest::newRow("16 x 1") << 16 << 1 << QSize(154, 302) << 64 << 7 << 97 << QPoint(7, 281);
    }
    void boardGeometry() {
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(QSize, client);
        QFETCH(int, face);
        QFETCH(int, mineCounter);
        QFETCH(int, elapsedTime);
        QFETCH(QPoint, lastCell);
        Window w;
        w.window.ChooseLevel(Level::Beginner);
        w.Show();
        w.window.SetUpBoard(static_cast<std::int16_t>(rows), static_cast<std::int16_t>(columns));
        // A board that fits needs no scroll bars, also after a smaller one, from the first
        // paint on.
        const auto* area = w.BoardArea();
        QVERIFY(!area->horizontalScrollBar()->isVisible());
        QVERIFY(!area->verticalScrollBar()->isVisible());
        QApplication::processEvents();
        QCOMPARE(w.window.centralWidget()->size(), client);
        QCOMPARE(w.ClientPosition("リセットボタン"), QPoint(face, 12));
        QCOMPARE(w.ClientPosition("爆弾の数"), QPoint(mineCounter, 11));
        QCOMPARE(w.ClientPosition("経過時間"), QPoint(elapsedTime, 11));
        const BoardWidget* board = w.Board();
        QCOMPARE(w.InClient(board, board->cellGeometry().CellRect(0).topLeft()), QPoint(7, 56));
        QCOMPARE(w.InClient(board, board->cellGeometry().CellRect(rows * columns - 1).topLeft()),
                 lastCell);
        QCOMPARE(board->size(), QSize(15 * columns, 15 * rows));
        QVERIFY(!area->horizontalScrollBar()->isVisible());
        QVERIFY(!area->verticalScrollBar()->isVisible());
        QVERIFY(!w.Child("爆弾の数")->isEnabled());
        QVERIFY(!w.Child("経過時間")->isEnabled());
        QCOMPARE(w.Child("経過時間")->size(), QSize(49, 23));
    }

    // Every text either counter can show appears whole in its box, in the designed font as
    // long as it fits: up to five characters in a Gothic face whose digits take the designed
    // 8 pixels (Wine's stand-in for the Windows face draws them wider).
    void countersShowEveryTextWhole_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("designedFont");
        QTest::newRow("new game") << "0" << true;
        QTest::newRow("most mines") << "800" << true;
        QTest::newRow("fewest flags") << "-5040" << true;
        QTest::newRow("999.9 s") << "999.9" << true;
        QTest::newRow("1234.5 s") << "1234.5" << false;
        QTest::newRow("99999.9 s") << "99999.9" << false;
    }
    void countersShowEveryTextWhole() {
        QFETCH(QString, text);
        QFETCH(bool, designedFont);
        Window w;
        w.window.ChooseLevel(Level::Beginner);
        auto* box = w.window.findChild<CounterBox*>(QStringLiteral("経過時間"));
        const QFont designed = box->font();
        const bool designedDigits = QFontMetrics(designed, box).horizontalAdvance('0') == 8;
        box->ShowText(text);
        QCOMPARE(box->text(), text);
        if (designedDigits || text.size() <= 3) {
            QCOMPARE(box->font() == designed, designedFont);
        }
        // Whole: the ink of the box's text is as wide as the text's own ink.
        const QImage shown = box->grab().toImage();
        int left = shown.width();
        int right = -1;
        for (int y = 3; y < shown.height() - 3; ++y) {
            for (int x = 3; x < shown.width() - 3; ++x) {
                if (qGray(shown.pixel(x, y)) < 100) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        const int inkWidth = QFontMetrics(box->font(), box).tightBoundingRect(text).width();
        QVERIFY2(right - left + 1 >= inkWidth - 3,
                 qPrintable(QStringLiteral("%1 of %2 pixels").arg(right - left + 1).arg(inkWidth)));
        QCOMPARE(box->size(), QSize(49, 23));
        box->ShowText(QStringLiteral("0"));
        QCOMPARE(box->font(), designed);
    }

    void pressesReachTheGame() {
        Window w;
        w.QueueLevelMines(Level::Beginner, {{8, 8}, {7, 8}, {6, 8}, {8, 0}, {0, 8}});
        w.window.ChooseLevel(Level::Beginner);
        BoardWidget* board = w.Board();
        QTest::mousePress(board, Qt::MiddleButton, {}, w.CellCentre(4, 4));
        QCOMPARE(w.At(4, 4), Tile::None);
        QTest::mousePress(board, Qt::RightButton, Qt::ShiftModifier, w.CellCentre(4, 4));
        QCOMPARE(w.At(4, 4), Tile::Flag);
        QCOMPARE(w.Text("爆弾の数"), QStringLiteral("4"));
        QTest::mousePress(board, Qt::LeftButton, Qt::ControlModifier, w.CellCentre(1, 1));
        QCOMPARE(w.At(1, 1), Tile::Push);
        QCOMPARE(w.At(4, 4), Tile::Flag);
        // The cell's last pixel row and column belong to it, the next pixel does not.
        QTest::mousePress(board, Qt::LeftButton, {},
                          board->cellGeometry().CellRect(8).bottomRight());
        QCOMPARE(w.At(8, 0), Tile::Bomb1);
        QCOMPARE(w.window.game().face(), Face::Fail);
        // Disabled cells get nothing.
        QTest::mousePress(board, Qt::RightButton, {}, w.CellCentre(4, 4));
        QCOMPARE(w.At(4, 4), Tile::Flag);
    }

    // What the screen shows is what the game holds: each cell's 15 x 15 block is its tile's
    // picture, after a flood and after a loss, as the partial repaints left it.
    void boardPaintsEachCellsTile() {
        Window w;
        w.QueueLevelMines(Level::Beginner, {{8, 8}, {7, 8}, {6, 8}, {0, 4}, {4, 4}});
        w.window.ChooseLevel(Level::Beginner);
        w.Show();
        QTest::mousePress(w.Board(), Qt::RightButton, {}, w.CellCentre(8, 0));
        QTest::mousePress(w.Board(), Qt::RightButton, {}, w.CellCentre(7, 1));
        QTest::mousePress(w.Board(), Qt::RightButton, {}, w.CellCentre(7, 1));
        QTest::mousePress(w.Board(), Qt::LeftButton, {}, w.CellCentre(0, 0));
        QCOMPARE(w.At(2, 2), Tile::Push);
        CompareShownCells(w);
        if (QTest::currentTestFailed()) {
            return;
        }
        QTest::mousePress(w.Board(), Qt::LeftButton, {}, w.CellCentre(4, 4));
        QCOMPARE(w.At(4, 4), Tile::Bomb1);
        CompareShownCells(w);
    }

    void faceClickStartsANewGame() {
        Window w;
        w.QueueLevelMines(Level::Beginner, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}});
        w.window.ChooseLevel(Level::Beginner);
        w.Show();
        QTest::mousePress(w.Board(), Qt::LeftButton, {}, w.CellCentre(0, 0));
        QCOMPARE(w.window.game().face(), Face::Fail);
        QApplication::processEvents();
        QWidget* face = w.Child("リセットボタン");
        // A press that is released elsewhere is no click.
        QTest::mousePress(face, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(face, Qt::LeftButton, {}, QPoint(40, 5));
        QCOMPARE(w.window.game().face(), Face::Fail);
        w.QueueLevelMines(Level::Beginner, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}});
        QTest::mouseClick(face, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(w.window.game().face(), Face::Start);
        QCOMPARE(face->size(), QSize(25, 23));
        QCOMPARE(w.At(0, 0), Tile::None);
        QVERIFY(w.window.game().cells()[0].enabled);
        // The last game's mines are gone from the screen too.
        CompareShownCells(w);

        // Without a mouse: Space on the board's cursor, Tab to the face and Space on it, Tab
        // back; a screen reader hears the face as a button with the game's state.
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QCOMPARE(QApplication::focusWidget(), w.Board());
        QTest::keyClick(w.Board(), Qt::Key_Space);
        QAccessibleInterface* faceReader = QAccessible::queryAccessibleInterface(face);
        QCOMPARE(faceReader->role(), QAccessible::Button);
        QCOMPARE(faceReader->text(QAccessible::Description), QStringLiteral("失敗"));
        QTest::keyClick(w.Board(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), face);
        QTest::keyClick(face, Qt::Key_Space);
        QCOMPARE(w.window.game().face(), Face::Start);
        QTest::keyClick(face, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.Board());
        for (const char* counter : {"爆弾の数", "経過時間"}) {
            QCOMPARE(
                QAccessible::queryAccessibleInterface(w.Child(counter))->text(QAccessible::Name),
                QString::fromUtf8(counter));
        }
    }

    void levelCommandDropsTheRunningGame() {
        Window w;
        w.window.ChooseLevel(Level::Beginner);
        QTest::mousePress(w.Board(), Qt::RightButton, {}, w.CellCentre(2, 2));
        w.platform.steadyClock = 5;
        QTest::mousePress(w.Board(), Qt::LeftButton, {}, w.CellCentre(3, 3));
        w.Action("mn中級")->trigger();
        QCOMPARE(w.window.game().rows(), 16);
        QCOMPARE(w.window.game().phase(), GamePhase::Ready);
        QCOMPARE(w.Text("経過時間"), QStringLiteral("0"));
        QCOMPARE(w.Marks(), (std::vector<bool>{false, true, false, false, false, false}));
        int mines = 0;
        for (int cell = 0; cell < 16 * 16; ++cell) {
            mines += w.window.game().HasMine(cell) ? 1 : 0;
        }
        QVERIFY(mines >= 20 && mines <= 40);
        QCOMPARE(w.Text("爆弾の数"), QString::number(mines));
    }

    // The dialog's answer reaches the game; the level's check mark, which Qt toggles on a
    // click, stays where the game has its level.
    void boardChangeCommand() {
        Window w;
        w.window.ChooseLevel(Level::Beginner);
        AnswerBoardChange({}, "CancelButton");
        w.Action("mn盤面の変更")->trigger();
        QCOMPARE(w.Marks(), (std::vector<bool>{true, false, false, false, false, false}));
        AnswerBoardChange({"10", "12", "7"}, "OKButton");
        w.Action("mn盤面の変更")->trigger();
        QCOMPARE(w.Marks(), (std::vector<bool>{false, false, false, false, false, true}));
        QCOMPARE(w.window.game().rows(), 10);
        QCOMPARE(w.window.game().columns(), 12);
        QCOMPARE(w.Text("爆弾の数"), QStringLiteral("7"));
    }

    void expertWinShowsTheBestTimesWithoutModality() {
        Window w;
        std::vector<std::pair<int, int>> mines;
        for (int cell = 40 * 40 - 250; cell < 40 * 40; ++cell) {
            mines.emplace_back(cell % 40, cell / 40);
        }
        w.QueueLevelMines(Level::Expert, mines);
        w.window.ChooseLevel(Level::Expert);
        w.window.show();
        QTest::mousePress(w.Board(), Qt::LeftButton, {}, w.CellCentre(0, 0));
        QCOMPARE(w.platform.messages.front(), std::string("Congratulations!!"));
        QCOMPARE(w.Child("リセットボタン")->size(), QSize(25, 24));  // the cleared face, whole
        QWidget* bestTimes = OpenBestTimeWindow();
        QVERIFY(bestTimes != nullptr);
        QVERIFY(!bestTimes->isModal());
        QCOMPARE(bestTimes->parentWidget(), nullptr);
        // The menu command brings the open window to the front instead of a second one.
        w.Action("mnベストタイム")->trigger();
        QCOMPARE(OpenBestTimeWindow(), bestTimes);

        // A clear made after the main window closed is saved when the program ends.
        w.window.close();
        QCOMPARE(w.platform.settingWrites, 1);
        QCOMPARE(w.platform.settings.at({"Kestravon", "ベストタイム", "9"}), std::string("0"));
        bestTimes->findChild<QPushButton*>(QStringLiteral("クリアボタン超"))->click();
        bestTimes->close();
        w.window.SaveChangedBestTimes();
        QCOMPARE(w.platform.settingWrites, 2);
        QCOMPARE(w.platform.settings.at({"Kestravon", "ベストタイム", "9"}), std::string("999"));
        w.window.SaveChangedBestTimes();
        QCOMPARE(w.platform.settingWrites, 2);
    }

    // The timer ticks only while a game's clock runs: an idle window never wakes.
    void timerRunsOnlyWithTheClock() {
        Window w;
        w.QueueLevelMines(Level::Beginner, {{8, 8}, {7, 8}, {6, 8}, {5, 8}, {4, 8}});
        w.window.ChooseLevel(Level::Beginner);
        const auto* timer = w.window.findChild<QTimer*>(QStringLiteral("Timer1sec"));
        QVERIFY(!timer->isActive());
        QCOMPARE(timer->interval(), 100);
        w.platform.steadyClock = 10;
        QTest::mousePress(w.Board(), Qt::RightButton, {}, w.CellCentre(0, 0));
        QVERIFY(!timer->isActive());
        QTest::mousePress(w.Board(), Qt::LeftButton, {}, w.CellCentre(0, 0));
        QVERIFY(timer->isActive());
        w.platform.steadyClock = 12.25;
        QTRY_COMPARE(w.Text("経過時間"), QStringLiteral("2.3"));
        QTest::mousePress(w.Board(), Qt::LeftButton, {}, w.CellCentre(8, 8));
        QVERIFY(!timer->isActive());
        QTest::mouseClick(w.Child("リセットボタン"), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!timer->isActive());
    }

    void aboutAndExit() {
        Window w;
        w.window.ChooseLevel(Level::Beginner);
        w.Action("mnバージョン情報")->trigger();
        QCOMPARE(w.platform.messages.size(), std::size_t{1});
        QVERIFY(w.platform.messages[0].starts_with("ケストラヴォン Ver.1\r\n"));
        w.bestTimes.SetEntry(4, 87.4);
        w.window.show();
        w.Action("mn終了")->trigger();
        QVERIFY(!w.window.isVisible());
        QCOMPARE(w.platform.settings.size(), std::size_t{12});
        QCOMPARE(w.platform.settings.at({"Kestravon", "ベストタイム", "4"}), std::string("87.4"));
        // Written once, however often the window is closed.
        w.platform.settings.clear();
        w.window.close();
        QVERIFY(w.platform.settings.empty());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
