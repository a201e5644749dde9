// A board larger than the screen (800 x 600 here): the window stays on the screen and the
// board scrolls under the counters.
#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "main_window_fixture.h"

using namespace kestravon;

namespace {

QScrollArea* BoardArea(const Window& w) {
    return w.window.findChild<QScrollArea*>();
}

void Wheel(QWidget* target, int steps, Qt::KeyboardModifiers modifiers) {
    const QPointF centre = QRectF(target->rect()).center();
    QWheelEvent wheel(centre, target->mapToGlobal(centre), QPoint(), QPoint(0, -120 * steps),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

// 地獄 with its mines on the top rows, so that the bottom-right cell is safe.
void ChooseHell(Window& w) {
    std::vector<std::pair<int, int>> mines;
    for (int cell = 0; cell < 650; ++cell) {
        mines.emplace_back(cell % 84, cell / 84);
    }
    w.QueueLevelMines(Level::Hell, mines);
    w.window.ChooseLevel(Level::Hell);
    QApplication::processEvents();
}

}  // namespace

class TestBoardScrolling : public QObject {
    Q_OBJECT

  private slots:
    void hellStaysOnTheScreenAndItsLastCellCanBePressed() {
        Window w;
        w.window.ChooseLevel(Level::Beginner);
        w.Show();
        ChooseHell(w);
        const QRect screen = w.window.screen()->availableGeometry();
        QVERIFY(screen.contains(w.window.frameGeometry()));
        QCOMPARE(w.window.frameGeometry().size(), screen.size());
        // The counters and the face stay at their places above the board.
        const QRect client = w.window.centralWidget()->rect();
        for (const char* name : {"爆弾の数", "リセットボタン", "経過時間"}) {
            QVERIFY2(client.contains(QRect(w.ClientPosition(name), w.Child(name)->size())), name);
        }
        QCOMPARE(w.ClientPosition("経過時間").y(), 11);

        QScrollArea* area = BoardArea(w);
        QCOMPARE(w.InClient(area), QPoint(0, 56));
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        BoardWidget* board = w.Board();
        const QRect last = board->CellRect(60 * 84 - 1);
        const QRect shown(board->mapTo(area->viewport(), last.topLeft()), last.size());
        QVERIFY(area->viewport()->rect().contains(shown));
        // A press where the player sees the cell reaches that cell.
        const QPoint centre = board->mapTo(&w.window, last.center());
        QCOMPARE(w.window.childAt(centre), board);
        QTest::mousePress(board, Qt::LeftButton, {}, last.center());
        QVERIFY(w.At(83, 59) != Tile::None);

        // A new board setup shows the board's top-left corner.
        ChooseHell(w);
        QCOMPARE(area->horizontalScrollBar()->value(), 0);
        QCOMPARE(area->verticalScrollBar()->value(), 0);
    }

    void wheelScrollsDownAndShiftWheelSideways() {
        Window w;
        w.window.ChooseLevel(Level::Beginner);
        w.Show();
        ChooseHell(w);
        QScrollArea* area = BoardArea(w);
        Wheel(area->viewport(), 2, Qt::NoModifier);
        QVERIFY(area->verticalScrollBar()->value() > 0);
        QCOMPARE(area->horizontalScrollBar()->value(), 0);
        const int down = area->verticalScrollBar()->value();
        Wheel(area->viewport(), 2, Qt::ShiftModifier);
        QVERIFY(area->horizontalScrollBar()->value() > 0);
        QVERIFY(area->horizontalScrollBar()->value() < area->horizontalScrollBar()->maximum());
        QCOMPARE(area->verticalScrollBar()->value(), down);
    }

    // A window that would reach past the right or the bottom edge moves just enough; one
    // that fits keeps its top-left corner.
    void windowMovesOnlyAsFarAsItMust() {
        Window w;
        w.window.ChooseLevel(Level::Beginner);
        w.Show();
        const QRect screen = w.window.screen()->availableGeometry();
        w.window.move(500, 200);
        QApplication::processEvents();
        w.window.ChooseLevel(Level::Intermediate);
        QCOMPARE(w.window.frameGeometry().topLeft(), QPoint(500, 200));
        w.window.ChooseLevel(Level::Advanced);
        QApplication::processEvents();
        QCOMPARE(w.window.frameGeometry().right(), screen.right());
        QCOMPARE(w.window.frameGeometry().top(), 200);
        const QScrollArea* area = BoardArea(w);
        QVERIFY(!area->horizontalScrollBar()->isVisible());
        QVERIFY(!area->verticalScrollBar()->isVisible());
        w.window.ChooseLevel(Level::Expert);
        QVERIFY(screen.contains(w.window.frameGeometry()));
        QCOMPARE(w.window.frameGeometry().top(), screen.top());
    }

    // Back on a board that fits, the window takes exactly the board's size again.
    void fittingBoardAfterAScrolledOne() {
        Window w;
        w.window.ChooseLevel(Level::Beginner);
        w.Show();
        const QSize beginner = w.window.size();
        ChooseHell(w);
        w.window.ChooseLevel(Level::Beginner);
        QApplication::processEvents();
        QCOMPARE(w.window.size(), beginner);
        QVERIFY(!BoardArea(w)->verticalScrollBar()->isVisible());
    }
};

QTEST_MAIN(TestBoardScrolling)
#include "test_board_scrolling.moc"
