// The main window on real desktops of a 1366 x 768 laptop, driven through the window system
// as a player's mouse would drive it: an X11 window manager, or (KESTRAVON_DESKTOP=wayland)
// a Wayland compositor.
#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

#include "main_window_fixture.h"
#include "platform/pointer_pixels.h"
#include "support/real_desktop.h"
#include "ui/window/main_window_layout.h"

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
        auto* area = w.BoardArea();
        QScrollBar* bar = area->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        const QPoint middle = area->viewport()->mapToGlobal(area->viewport()->rect().center());
        QVERIFY(Xdotool({"mousemove", Number(middle.x()), Number(middle.y())}));
        QVERIFY(Xdotool({"click", "--repeat", "20", "--delay", "20", "5"}));
        QTRY_COMPARE_WITH_TIMEOUT(bar->value(), bar->maximum(), kTimeoutMs);

        const QRect last = w.Board()->cellGeometry().CellRect(60 * 84 - 1);
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
        w.CheckHeaderShowsWhole();
    }
};

// A Wayland compositor places every window itself, and reports the whole output as free:
// weston's desktop shell keeps the top 32 rows for its panel.
class TestWaylandDesktop : public QObject {
    Q_OBJECT

  private slots:
    void hellIsMaximisedAndBeginnerRestored() {
        constexpr QSize kBelowPanel(1366, 768 - 32);
        Window w;
        w.window.ChooseLevel(Level::Beginner);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        w.window.ChooseLevel(Level::Hell);
        // Maximised by the compositor: all of the output below the panel.
        QTRY_COMPARE_WITH_TIMEOUT(w.window.frameGeometry().size(), kBelowPanel, kTimeoutMs);
        CheckHeaderOverHell(w);

        // The title bar's restore button asks the compositor for the normal state: the window
        // comes back as large as the board asks, within what the panel leaves (the board is
        // higher, and scrolls).
        w.window.showNormal();
        QTRY_VERIFY_WITH_TIMEOUT(w.window.isVisible() && !w.window.isMaximized() &&
                                     w.window.frameGeometry().width() < kBelowPanel.width(),
                                 kTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(w.window.frameGeometry().height(), kBelowPanel.height(),
                                  kTimeoutMs);
        CheckHeaderOverHell(w);

        w.window.ChooseLevel(Level::Beginner);
        QTRY_VERIFY_WITH_TIMEOUT(w.window.isVisible() && !w.window.isMaximized(), kTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(w.window.centralWidget()->size(), QSize(148, 197), kTimeoutMs);
    }

  private:
    // 地獄's board shows whole across, with a vertical scroll bar, and the header where its
    // setup puts it: the face centred in a window 85 cells and 100 twips wide (1281 pixels),
    // 50 twips to the left.
    static void CheckHeaderOverHell(const Window& w) {
        w.CheckHeaderShowsWhole();
        QCOMPARE(w.ClientPosition("リセットボタン"), QPoint(624, 12));
        QVERIFY(w.BoardArea()->verticalScrollBar()->isVisible());
    }
};

int main(int argc, char** argv) {
    const QByteArray kind = qgetenv("KESTRAVON_DESKTOP");
    std::unique_ptr<QObject> tests;
    std::unique_ptr<RealDesktop> desktop;
    if (kind == "wayland") {
        desktop = std::make_unique<RealDesktop>(QSize(1366, 768), DesktopKind::Weston);
        tests = std::make_unique<TestWaylandDesktop>();
    } else {
        desktop = std::make_unique<RealDesktop>(QSize(1366, 768), DesktopKind::Openbox);
        tests = std::make_unique<TestRealDesktop>();
    }
    if (!desktop->ready()) {
        qCritical("%s", qPrintable(desktop->error()));
        return 1;
    }
    // As the game does.
    UseWholeScreenScales();
    QApplication app(argc, argv);
    SnapPointerToLogicalPixels();
    const int result = QTest::qExec(tests.get(), argc, argv);
    // Qt 6.4's Wayland client can deadlock while it ends its connection, its event threads
    // waiting for each other. The results are in: an end that hangs ends the desktop and
    // the process.
    std::thread([&desktop, result] {
        std::this_thread::sleep_for(std::chrono::seconds(20));
        desktop->Kill();
        std::_Exit(result);
    }).detach();
    return result;
}

#include "test_real_desktop.moc"
