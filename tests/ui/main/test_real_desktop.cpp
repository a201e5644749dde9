// The main window on real desktops, driven through the window system as a player's mouse
// would drive it: an X11 window manager on a 1366 x 768 laptop screen, at 100 % and (on a
// 1920 x 1080 screen) at 150 %, and a Wayland compositor on a 1366 x 768 output. Each runs in
// a process of its own: KESTRAVON_DESKTOP names it.
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
#include "platform/screen_scale.h"
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

// Checks that the face button and both counters show whole in the client area.
void CheckHeaderShowsWhole(const Window& w) {
    const QRect client = w.window.centralWidget()->rect();
    for (const char* name : {"爆弾の数", "リセットボタン", "経過時間"}) {
        QVERIFY2(client.contains(QRect(w.ClientPosition(name), w.Child(name)->size())), name);
    }
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
        CheckHeaderShowsWhole(w);
    }
};

// At 150 % the program runs at the whole scale 2.
namespace {

constexpr int kScale = 2;

// Each pixel of a design picture as a block of kScale x kScale screen pixels.
QImage Blocks(const QPixmap& design) {
    const QImage image = design.toImage().convertToFormat(QImage::Format_RGB32);
    QImage blocks(image.size() * kScale, QImage::Format_RGB32);
    for (int y = 0; y < blocks.height(); ++y) {
        for (int x = 0; x < blocks.width(); ++x) {
            blocks.setPixel(x, y, image.pixel(x / kScale, y / kScale));
        }
    }
    return blocks;
}

// What the screen shows of a widget's top-left `size`, in screen pixels.
QImage Shown(const QWidget& widget, QSize size) {
    const QPoint origin = widget.mapTo(widget.window(), QPoint(0, 0));
    QImage shown = widget.screen()
                       ->grabWindow(widget.window()->winId(), origin.x(), origin.y(), size.width(),
                                    size.height())
                       .toImage()
                       .convertToFormat(QImage::Format_RGB32);
    shown.setDevicePixelRatio(1);
    return shown;
}

// Presses a button with the real pointer at a screen pixel given from a widget's top-left
// corner, counted in screen pixels.
void ClickAt(const QWidget& widget, QPoint screenPixels, const char* button) {
    const QPoint origin = widget.mapToGlobal(QPoint(0, 0)) * kScale + screenPixels;
    QVERIFY(QProcess::execute(QStringLiteral("xdotool"),
                              {"mousemove", QString::number(origin.x()),
                               QString::number(origin.y()), "click", button}) == 0);
}

}  // namespace

class TestScaledDesktop : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        w_ = std::make_unique<Window>();
        w_->window.ChooseLevel(Level::Beginner);
        w_->window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w_->window));
        QTRY_VERIFY_WITH_TIMEOUT(w_->window.frameGeometry() != w_->window.geometry(), kTimeoutMs);
        QCOMPARE(w_->window.devicePixelRatio(), kScale);
    }
    void cleanup() { w_.reset(); }

    void picturesShowAsWholeBlocks() {
        const Pictures& pictures = w_->pictures;
        QApplication::processEvents();
        const QImage board = Shown(*w_->Board(), QSize(9 * 15, 9 * 15));
        QCOMPARE(board.size(), QSize(270, 270));
        const QImage closed = Blocks(pictures.tile(Tile::None));
        for (int cell = 0; cell < 81; ++cell) {
            QCOMPARE(board.copy((cell % 9) * 30, (cell / 9) * 30, 30, 30), closed);
        }
        QCOMPARE(Shown(*w_->Child("リセットボタン"), QSize(25, 23)),
                 Blocks(pictures.face(Face::Start)));
        // The icon's sizes as the window system is handed them.
        const QIcon& icon = w_->window.windowIcon();
        QCOMPARE(icon.pixmap(QSize(30, 30), 1.0).toImage().convertToFormat(QImage::Format_RGB32),
                 Blocks(icon.pixmap(QSize(15, 15), 1.0)));
    }

    // A right press at a screen pixel of the board's first row, from its left edge.
    void pressActsOnTheCellUnderThePointer_data() {
        QTest::addColumn<int>("screenPixel");
        QTest::addColumn<int>("flaggedColumn");  // -1: none
        QTest::newRow("first pixel of the first cell") << 0 << 0;
        QTest::newRow("last pixel of the first cell") << 29 << 0;
        QTest::newRow("first pixel of the second cell") << 30 << 1;
        QTest::newRow("last pixel of the board") << 269 << 8;
        QTest::newRow("one past the board") << 270 << -1;
        QTest::newRow("one before the board") << -1 << -1;
    }
    void pressActsOnTheCellUnderThePointer() {
        QFETCH(int, screenPixel);
        QFETCH(int, flaggedColumn);
        ClickAt(*w_->Board(), QPoint(screenPixel, 29), "3");
        // A press in the middle of the board shows that the first one has been handled.
        ClickAt(*w_->Board(), QPoint(135, 135), "3");
        QTRY_COMPARE_WITH_TIMEOUT(w_->At(4, 4), Tile::Flag, kTimeoutMs);
        for (int column = 0; column < 9; ++column) {
            QCOMPARE(w_->At(column, 0), column == flaggedColumn ? Tile::Flag : Tile::None);
        }
    }

    void theFaceTakesAClickOnItsLastScreenPixel() {
        QWidget& face = *w_->Child("リセットボタン");
        ClickAt(*w_->Board(), QPoint(15, 15), "3");
        QTRY_COMPARE_WITH_TIMEOUT(w_->At(0, 0), Tile::Flag, kTimeoutMs);
        // One past the face's bottom-right corner starts nothing; its last pixel does.
        ClickAt(face, QPoint(50, 45), "1");
        ClickAt(face, QPoint(49, 45), "1");
        QTRY_COMPARE_WITH_TIMEOUT(w_->At(0, 0), Tile::None, kTimeoutMs);
    }

  private:
    std::unique_ptr<Window> w_;
};

// A Wayland compositor places every window itself, and reports the whole output as free.
class TestWaylandDesktop : public QObject {
    Q_OBJECT

  private slots:
    void hellIsMaximisedAndBeginnerRestored() {
        Window w;
        w.window.ChooseLevel(Level::Beginner);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        w.window.ChooseLevel(Level::Hell);
        // Maximised by the compositor: as wide as the output, and no higher (its panel may
        // take some of the height).
        QTRY_COMPARE_WITH_TIMEOUT(w.window.frameGeometry().width(), 1366, kTimeoutMs);
        QVERIFY(w.window.frameGeometry().height() <= 768);
        CheckHeaderShowsWhole(w);
        const int faceCentre = w.ClientPosition("リセットボタン").x() + 12;
        QVERIFY(std::abs(faceCentre - w.window.centralWidget()->width() / 2) <= 4);
        QVERIFY(w.window.findChild<QScrollArea*>()->verticalScrollBar()->isVisible());

        w.window.ChooseLevel(Level::Beginner);
        QTRY_VERIFY_WITH_TIMEOUT(w.window.isVisible() && !w.window.isMaximized(), kTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(w.window.centralWidget()->size(), QSize(148, 197), kTimeoutMs);
    }
};

int main(int argc, char** argv) {
    const QByteArray kind = qgetenv("KESTRAVON_DESKTOP");
    std::unique_ptr<QObject> tests;
    std::unique_ptr<RealDesktop> desktop;
    if (kind == "scaled") {
        desktop = std::make_unique<RealDesktop>(QSize(1920, 1080), DesktopKind::ScaledOpenbox);
        tests = std::make_unique<TestScaledDesktop>();
    } else if (kind == "wayland") {
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
