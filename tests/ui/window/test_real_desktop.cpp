// The main window on real desktops of a 1366 x 768 laptop, driven through the window system
// as a player's mouse would drive it: an X11 window manager, or (KESTRAVON_DESKTOP=wayland)
// a Wayland compositor.
#include <QApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

#include "framed_windows.h"
#include "main_window_fixture.h"
#include "platform/key_repeats.h"
#include "platform/pointer_pixels.h"
#include "platform/qt_platform.h"
#include "support/real_desktop.h"
#include "ui/window/main_window_layout.h"

using namespace kestravon;

namespace {

bool Xdotool(const QStringList& arguments) {
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

// Counts a key's presses flagged as repeats, and its releases, that reach a widget.
class KeyCounter final : public QObject {
  public:
    explicit KeyCounter(Qt::Key key) : key_(key) {}
    int repeats = 0;
    int releases = 0;

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        const bool press = event->type() == QEvent::KeyPress;
        if ((press || event->type() == QEvent::KeyRelease) &&
            static_cast<QKeyEvent*>(event)->key() == key_) {
            repeats += press && static_cast<QKeyEvent*>(event)->isAutoRepeat() ? 1 : 0;
            releases += press ? 0 : 1;
        }
        return false;
    }

  private:
    Qt::Key key_;
};

QString Number(int value) {
    return QString::number(value);
}

// A property of a shown window as the window manager reads it.
QString WindowProperty(const QWidget& window, const char* property) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-id"), Number(window.winId()), QString::fromLatin1(property)});
    if (!xprop.waitForFinished(kTimeoutMs)) {
        qWarning("xprop did not run (is x11-utils installed?)");
    }
    return QString::fromLatin1(xprop.readAllStandardOutput());
}

}  // namespace

class TestRealDesktop : public QObject {
    Q_OBJECT

  private slots:
    void beginnerKeepsItsGeometry() {
        Window w;
        w.window.ChooseLevel(Level::Beginner);
        ShowFramed(w.window);
        QApplication::processEvents();
        QCOMPARE(w.window.centralWidget()->size(), QSize(148, 197));
        QCOMPARE(w.InClient(w.Board()), QPoint(7, 56));
        QCOMPARE(w.ClientPosition("リセットボタン"), QPoint(62, 12));
        QVERIFY(w.window.screen()->availableGeometry().contains(w.window.frameGeometry()));
    }

    void hellStaysOnTheScreenAndItsLastCellCanBeReached() {
        Window w;
        w.window.ChooseLevel(Level::Beginner);
        ShowFramed(w.window);
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

    // The board-change dialog and the best-time window offer closing, and neither minimising
    // nor maximising, in the Motif hints that window managers follow (functions: close, move,
    // resize); openbox follows them but for minimising, which it offers every dialog.
    void secondaryWindowsOfferOnlyClosing_data() {
        QTest::addColumn<QByteArray>("command");
        QTest::newRow("盤面の変更") << QByteArray("mn盤面の変更");
        QTest::newRow("ベストタイム") << QByteArray("mnベストタイム");
    }
    void secondaryWindowsOfferOnlyClosing() {
        QFETCH(QByteArray, command);
        Window w;
        w.window.ChooseLevel(Level::Beginner);
        ShowFramed(w.window);
        QString actions;
        QString hints;
        InspectModalWindows([&] { w.Action(command.constData())->trigger(); },
                            [&](QWidget& shown) {
                                actions = WindowProperty(shown, "_NET_WM_ALLOWED_ACTIONS");
                                hints = WindowProperty(shown, "_MOTIF_WM_HINTS");
                            });
        QVERIFY2(actions.contains(QLatin1String("_NET_WM_ACTION_CLOSE")) &&
                     !actions.contains(QLatin1String("MAXIMIZE")),
                 qPrintable(actions));
        QVERIFY2(hints.contains(QLatin1String("= 0x3, 0x26,")), qPrintable(hints));
    }

    // A win's boxes, one after the other, each over the game where it stands (near the
    // screen's bottom-right corner), with the game's icon (15 x 15) for the window manager.
    void winBoxesOpenOverTheGame() {
        QtPlatform platform;
        BestTimeTable bestTimes;
        const Pictures pictures;
        MainWindow window(platform, bestTimes, pictures);
        platform.ShowMessagesOver(window);
        window.ChooseLevel(Level::Beginner);
        window.move(1100, 450);
        ShowFramed(window);

        QStringList boxes;
        const auto win = [&window] {
            const Game& game = window.game();
            BoardWidget* board = window.findChild<BoardWidget*>(QStringLiteral("ImageMap"));
            for (int cell = 0; cell < 81 && game.phase() != GamePhase::Won; ++cell) {
                if (!game.HasMine(cell) && game.cells()[cell].tile == Tile::None) {
                    QTest::mouseClick(board, Qt::LeftButton, {},
                                      board->cellGeometry().CellRect(cell).center());
                }
            }
        };
        InspectModalWindows(win, [&](QWidget& shown) {
            const bool over = window.frameGeometry().contains(shown.frameGeometry().center());
            const bool icon =
                WindowProperty(shown, "_NET_WM_ICON").contains(QLatin1String("15 x 15"));
            boxes << QStringLiteral("%1 %2 %3")
                         .arg(shown.property("text").toString(),
                              over ? "over the game" : "elsewhere",
                              icon ? "with its icon" : "without it");
        });
        QCOMPARE(boxes, (QStringList{"Congratulations!! over the game with its icon",
                                     "ベストタイム更新!!(1位) over the game with its icon"}));
    }

    void bothCountersShowOnAFiveColumnBoard() {
        Window w;
        w.window.ChooseLevel(Level::Beginner);
        ShowFramed(w.window);
        w.window.SetUpBoard(20, 5);
        QTRY_COMPARE_WITH_TIMEOUT(w.window.centralWidget()->width(), layout::kNarrowClientWidth,
                                  kTimeoutMs);
        w.CheckHeaderShowsWhole();
    }

    // Keys held down as a player holds them: the X server repeats them without a release
    // between the repeats, and a mark and the face's Space act once.
    void heldKeysActOnce() {
        Window w;
        w.window.ChooseLevel(Level::Beginner);
        ShowFramed(w.window);
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        const auto hold = [](QWidget& receiver, const char* key, Qt::Key counted) {
            KeyCounter keys(counted);
            receiver.installEventFilter(&keys);
            QVERIFY(Xdotool({"keydown", key}));
            QTRY_VERIFY_WITH_TIMEOUT(keys.repeats >= 3, kTimeoutMs);
            QCOMPARE(keys.releases, 0);
            QVERIFY(Xdotool({"keyup", key}));
            QTRY_COMPARE_WITH_TIMEOUT(keys.releases, 1, kTimeoutMs);
        };
        const int mines = w.Text("爆弾の数").toInt();
        hold(*w.Board(), "shift+F10", Qt::Key_F10);
        QCOMPARE(w.At(0, 0), Tile::Flag);
        QCOMPARE(w.Text("爆弾の数").toInt(), mines - 1);
        QVERIFY(Xdotool({"key", "Tab"}));
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), w.Child("リセットボタン"),
                                  kTimeoutMs);
        const std::size_t games = w.platform.seeds.size();
        hold(*w.Child("リセットボタン"), "space", Qt::Key_Space);
        QCOMPARE(w.platform.seeds.size(), games + 1);
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
        // The keys still reach the board, through the compositor, once it has made the window
        // shown anew active again: keys before that go to no window. (Qt's Wayland platform
        // reports no activation capability, so QTest would not wait for it.)
        QTRY_VERIFY_WITH_TIMEOUT(w.window.isActiveWindow(), kTimeoutMs);
        QVERIFY(Xdotool({"key", "ctrl+End", "shift+F10"}));
        QTRY_COMPARE_WITH_TIMEOUT(w.At(83, 59), Tile::Flag, kTimeoutMs);

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
    FlagHeldKeyRepeats();
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
