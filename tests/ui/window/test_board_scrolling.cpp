// A board larger than the screen (800 x 600 here): the window stays on the screen and the
// board scrolls under the counters.
#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <cstdlib>

#include "main_window_fixture.h"

using namespace kestravon;

namespace {

void Wheel(QWidget* target, int steps, Qt::KeyboardModifiers modifiers) {
    const QPointF centre = QRectF(target->rect()).center();
    QWheelEvent wheel(centre, target->mapToGlobal(centre), QPoint(), QPoint(0, -120 * steps),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

void ChooseHell(Window& w) {
    w.window.ChooseLevel(Level::Hell);
    QApplication::processEvents();
}

}  // namespace

class TestBoardScrolling : public QObject {
    Q_OBJECT

  private slots:
    void wheelScrollsDownAndShiftWheelSideways() {
        Window w;
        w.window.ChooseLevel(Level::Beginner);
        w.Show();
        ChooseHell(w);
        QScrollArea* area = w.BoardArea();
        Wheel(area->viewport(), 2, Qt::NoModifier);
        QVERIFY(area->verticalScrollBar()->value() > 0);
        QCOMPARE(area->horizontalScrollBar()->value(), 0);
        const int down = area->verticalScrollBar()->value();
        Wheel(area->viewport(), 2, Qt::ShiftModifier);
        QVERIFY(area->horizontalScrollBar()->value() > 0);
        QVERIFY(area->horizontalScrollBar()->value() < area->horizontalScrollBar()->maximum());
        QCOMPARE(area->verticalScrollBar()->value(), down);
        // The counters and the face stay at their places above the board, whole, and the
        // face is centred in the width the window took, not in the board's.
        w.CheckHeaderShowsWhole();
        const QRect client = w.window.centralWidget()->rect();
        const int faceCentre = w.ClientPosition("リセットボタン").x() + 12;
        QVERIFY(std::abs(faceCentre - client.width() / 2) <= 1);
        QCOMPARE(w.InClient(area), QPoint(0, 56));
        // The player makes the window narrower: the face follows the middle of what shows.
        w.window.resize(400, 300);
        QVERIFY(std::abs(w.ClientPosition("リセットボタン").x() + 12 - 200) <= 1);

        // A new board setup shows the board's top-left corner; the keyboard's cursor brings
        // its last cell into view.
        ChooseHell(w);
        QCOMPARE(area->horizontalScrollBar()->value(), 0);
        QCOMPARE(area->verticalScrollBar()->value(), 0);
        QTest::keyClick(w.Board(), Qt::Key_End, Qt::ControlModifier);
        const QRect last = w.Board()->cellGeometry().CellRect(60 * 84 - 1);
        QVERIFY(area->viewport()->rect().contains(
            QRect(w.Board()->mapTo(area->viewport(), last.topLeft()), last.size())));
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
        const QScrollArea* area = w.BoardArea();
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
        QVERIFY(!w.BoardArea()->verticalScrollBar()->isVisible());
    }
};

QTEST_MAIN(TestBoardScrolling)
#include "test_board_scrolling.moc"
