// The main window on a real X server with a real window manager, driven through the X
// server as a player's mouse would drive it, on a 1366 x 768 laptop screen.
#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "main_window_fixture.h"
#include "real_desktop.h"
#include "ui/main/board_layout.h"

using namespace kestravon;

namespace {

constexpr int kTimeoutMs = 10000;

bool Xdotool(const QStringList& arguments) {
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

QString Number(int value) {
    return QString::number(value);
}

// Shows the window and waits until the window manager has framed it.
void ShowFramed(Window& w) {
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QTRY_VERIFY_WITH_TIMEOUT(w.window.frameGeometry() != w.window.geometry(), kTimeoutMs);
}

}  // namespace

class TestRealDesktop : public QObject {
    Q_OBJECT

  private slots:
    void beginnerKeepsItsGeometry() {
        Window w;
        w.window.ChooseLevel(Level::Beginner);
        ShowFramed(w);
        QApplication::processEvents();
        QCOMPARE(w.window.centralWidget()->size(), QSize(148, 197));
        QCOMPARE(w.InClient(w.Board()), QPoint(7, 56));
        QCOMPARE(w.ClientPosition("リセットボタン"), QPoint(62, 12));
        QVERIFY(w.window.screen()->availableGeometry().contains(w.window.frameGeometry()));
    }

    void hellStaysOnTheScreenAndItsLastCellCanBeReached() {
        Window w;
        w.window.ChooseLevel(Level::Beginner);
        ShowFramed(w);
        w.window.ChooseLevel(Level::Hell);
        const QRect screen = w.window.screen()->availableGeometry();
        QTRY_VERIFY_WITH_TIMEOUT(screen.contains(w.window.frameGeometry()), kTimeoutMs);

        // The wheel over the board brings its last row into view.
        auto* area = w.window.findChild<QScrollArea*>();
        QScrollBar* bar = area->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        const QPoint middle = area->viewport()->mapToGlobal(area->viewport()->rect().center());
        QVERIFY(Xdotool({"mousemove", Number(middle.x()), Number(middle.y())}));
        QVERIFY(Xdotool({"click", "--repeat", "20", "--delay", "20", "5"}));
        QTRY_COMPARE_WITH_TIMEOUT(bar->value(), bar->maximum(), kTimeoutMs);

        const QRect last = w.Board()->CellRect(60 * 84 - 1);
        const QPoint target = w.Board()->mapToGlobal(last.center());
        QVERIFY(screen.contains(target));
        QVERIFY(Xdotool({"mousemove", Number(target.x()), Number(target.y()), "click", "1"}));
        // Opened, or the mine that was hit.
        QTRY_VERIFY_WITH_TIMEOUT(w.At(83, 59) != Tile::None, kTimeoutMs);
        // The counters stayed where they were, above the board.
        QCOMPARE(w.ClientPosition("経過時間").y(), 11);
    }

    void bothCountersShowOnAFiveColumnBoard() {
        Window w;
        w.window.ChooseLevel(Level::Beginner);
        ShowFramed(w);
        w.window.SetUpBoard(20, 5);
        QTRY_COMPARE_WITH_TIMEOUT(w.window.centralWidget()->width(), layout::kNarrowClientWidth,
                                  kTimeoutMs);
        const QRect client = w.window.centralWidget()->rect();
        for (const char* name : {"爆弾の数", "リセットボタン", "経過時間"}) {
            QVERIFY2(client.contains(QRect(w.ClientPosition(name), w.Child(name)->size())), name);
        }
    }
};

int main(int argc, char** argv) {
    const RealDesktop desktop(QSize(1366, 768));
    if (!desktop.ready()) {
        qCritical("%s", qPrintable(desktop.error()));
        return 1;
    }
    QApplication app(argc, argv);
    TestRealDesktop tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "test_real_desktop.moc"
