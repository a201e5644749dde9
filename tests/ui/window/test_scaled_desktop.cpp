// The main window on a desktop at 150 %, as many laptops have (Xft.dpi 144 on Linux, LogPixels
// 144 on Windows): the program runs at the whole scale 2, shows every picture as blocks of
// 2 x 2 screen pixels, and a press acts on the cell that holds the pointer's screen pixel.
// On Linux the test brings its own X server; on Windows it runs on the desktop it is given.
#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <memory>

#include "framed_windows.h"
#include "main_window_fixture.h"
#include "platform/key_repeats.h"
#include "platform/pointer_pixels.h"

#include "support/system_input.h"
#ifdef Q_OS_WIN
#include <windows.h>
#include <cmath>
#else
#include "support/real_desktop.h"
#endif

using namespace kestravon;

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

// Where a shown window's frame lies on the screen, in logical pixels, each one it touches
// counted whole: on Windows the window's rectangle as Windows keeps it (Qt works out frames
// itself, and under Wine at 150 % it gets them wrong); elsewhere the frame that the window
// manager tells Qt.
QRect FrameOnScreen(QWindow& native) {
#ifdef Q_OS_WIN
    RECT outer{};
    GetWindowRect(reinterpret_cast<HWND>(native.winId()), &outer);
    const qreal scale = native.devicePixelRatio();
    const auto first = [scale](LONG device) {
        return static_cast<int>(std::floor(device / scale));
    };
    const auto last = [scale](LONG end) { return static_cast<int>(std::ceil(end / scale)) - 1; };
    return {QPoint(first(outer.left), first(outer.top)),
            QPoint(last(outer.right), last(outer.bottom))};
#else
    return native.frameGeometry();
#endif
}

}  // namespace

class TestScaledDesktop : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        w_ = std::make_unique<Window>();
        w_->window.ChooseLevel(Level::Beginner);
        ShowFramed(w_->window);
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
        QVERIFY(ClickAt(*w_->Board(), QPoint(screenPixel, 29), Qt::RightButton));
        // A press in the middle of the board shows that the first one has been handled.
        QVERIFY(ClickAt(*w_->Board(), QPoint(135, 135), Qt::RightButton));
        QTRY_COMPARE_WITH_TIMEOUT(w_->At(4, 4), Tile::Flag, kTimeoutMs);
        for (int column = 0; column < 9; ++column) {
            QCOMPARE(w_->At(column, 0), column == flaggedColumn ? Tile::Flag : Tile::None);
        }
    }

    void theFaceTakesAClickOnItsLastScreenPixel() {
        QWidget& face = *w_->Child("リセットボタン");
        QVERIFY(ClickAt(*w_->Board(), QPoint(15, 15), Qt::RightButton));
        QTRY_COMPARE_WITH_TIMEOUT(w_->At(0, 0), Tile::Flag, kTimeoutMs);
        // One past the face's bottom-right corner starts nothing; its last pixel does.
        QVERIFY(ClickAt(face, QPoint(50, 45), Qt::LeftButton));
        QVERIFY(ClickAt(face, QPoint(49, 45), Qt::LeftButton));
        QTRY_COMPARE_WITH_TIMEOUT(w_->At(0, 0), Tile::None, kTimeoutMs);
    }

    // The best-time window's designed place, its client area at (323, 364) and 265 pixels
    // high, reaches below the screen (540 logical pixels high here, 600 under Wine): it opens
    // moved up just enough.
    void bestTimesOpenWhollyOnTheScreen() {
        QRect frame;
        InspectModalWindows(
            [this] { w_->Action("mnベストタイム")->trigger(); },
            [&frame](QWidget& shown) { frame = FrameOnScreen(*shown.windowHandle()); });
        const QRect screen = w_->window.screen()->availableGeometry();
        QVERIFY(screen.contains(frame));
        QCOMPARE(frame.bottom(), screen.bottom());
    }

  private:
    std::unique_ptr<Window> w_;
};

int main(int argc, char** argv) {
#ifndef Q_OS_WIN
    const RealDesktop desktop(QSize(1920, 1080), DesktopKind::ScaledOpenbox);
    if (!desktop.ready()) {
        qCritical("%s", qPrintable(desktop.error()));
        return 1;
    }
#endif
    // As the game does.
    UseWholeScreenScales();
    QApplication app(argc, argv);
    SnapPointerToLogicalPixels();
    FlagHeldKeyRepeats();
    TestScaledDesktop tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "test_scaled_desktop.moc"
