// The board-change dialog and the best-time window as the player meets them, and the two
// ways the program opens the best-time window.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "engine/best_time_table.h"
#include "platform/fake_platform.h"
#include "ui/dialogs/best_time_window.h"
#include "ui/dialogs/board_change_dialog.h"
#include "ui/images/pictures.h"

using namespace kestravon;

namespace {

template <typename T = QWidget>
T* Child(const QWidget& window, const QString& name) {
    T* child = window.findChild<T*>(name);
    if (child == nullptr) {
        qFatal("no control %s", qPrintable(name));
    }
    return child;
}

void ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

void Type(QWidget& dialog, const QString& height, const QString& width, const QString& mines) {
    Child<QLineEdit>(dialog, "高さ")->setText(height);
    Child<QLineEdit>(dialog, "幅")->setText(width);
    Child<QLineEdit>(dialog, "地雷の数")->setText(mines);
}

QStringList Scores(const QWidget& window) {
    QStringList texts;
    for (int i = 0; i < 12; ++i) {
        texts << Child<QLabel>(window, QStringLiteral("score%1").arg(i))->text();
    }
    return texts;
}

// What the window that has the focus gets of a key held down since before it opened: the
// repeats, then the release.
void SendHeldKeyRepeats(Qt::Key key) {
    const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QString();
    for (int repeat = 0; repeat < 3; ++repeat) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text, true);
        QApplication::sendEvent(QApplication::focusWidget(), &release);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text, true);
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    }
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text, false);
    QApplication::sendEvent(QApplication::focusWidget(), &release);
}

// Where the best-time window opens: on the 960 x 540 screen its designed place would reach
// below the bottom edge, and it moves up just enough for its frame (2 pixels offscreen) to end
// there; Wine's desk screen holds it where it is designed.
#ifdef Q_OS_WIN
const QRect kBestTimesPlace(323, 364, 542, 265);
#else
const QRect kBestTimesPlace(323, 540 - 2 - 265, 542, 265);
#endif

int OpenBestTimeWindows() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += widget->objectName() == "ベストタイム" && widget->isVisible();
    }
    return count;
}

}  // namespace

class TestDialogWindows : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void layout_data();
    void layout();
    void keys_data();
    void keys();
    void leavingBoardChange_data();
    void leavingBoardChange();
    void eachBoardChangeOpensEmpty();
    void clear_data();
    void clear();
    void menuOpensModalBestTimes();
    void winShowsOneModelessWindow();
    void modelessWindowOutlivesTheMainWindow();
    void bothOpenOnTheMainWindowsScreen();

  private:
    std::unique_ptr<QDialog> Open(bool boardChange) {
        if (boardChange) {
            return std::make_unique<BoardChangeDialog>(platform_);
        }
        return std::make_unique<BestTimeWindow>(bestTimes_, pictures_);
    }

    // Runs the board-change command's dialog and lets `act` work on it once it is open
    // and active, then closes it by its close box if it is still open. Returns what the
    // player can tell: where the focus was after `act` (or "closed"), and the answer: an
    // accepted HxWxM, "cancelled" or "none".
    QString BoardChange(const std::function<void(QWidget& dialog)>& act) {
        QString focus = QStringLiteral("never opened");
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog == nullptr) {
                return;
            }
            dialog->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            act(*dialog);
            focus = dialog->isVisible() ? QApplication::focusWidget()->objectName()
                                        : QStringLiteral("closed");
            if (dialog->isVisible()) {
                dialog->close();
            }
        });
        const BoardChangeAnswer answer = BoardChangeDialog::Ask(platform_, mainWindow_);
        switch (answer.ending) {
            case BoardChangeAnswer::Ending::Accepted:
                return focus + QStringLiteral(" %1x%2x%3")
                                   .arg(answer.entry.height)
                                   .arg(answer.entry.width)
                                   .arg(answer.entry.mines);
            case BoardChangeAnswer::Ending::Cancelled:
                return focus + QStringLiteral(" cancelled");
            case BoardChangeAnswer::Ending::Closed:
                break;
        }
        return focus + QStringLiteral(" none");
    }

    // What the player can tell of the best-time window: whether it is open, where the
    // focus is, and the best 初級 time.
    QString State(const QWidget& window) const {
        const QWidget* focus = QApplication::focusWidget();
        return QStringLiteral("%1 %2")
            .arg(window.isVisible() && focus ? focus->objectName() : "closed")
            .arg(bestTimes_.Entry(0));
    }

    FakePlatform platform_;
    Pictures pictures_;
    BestTimeTable bestTimes_;
    // Never shown: its screen is the one the windows open on.
    QWidget mainWindow_;
};

void TestDialogWindows::init() {
    platform_.messages.clear();
    bestTimes_ = BestTimeTable();
    bestTimes_.SetEntry(0, 5);
    mainWindow_.move(0, 0);
}

void TestDialogWindows::layout_data() {
    QTest::addColumn<bool>("boardChange");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");
    const auto row = [](bool boardChange, const char* name, const char* text, QRect geometry) {
        QTest::newRow(name) << boardChange << QString(name) << QString(text) << geometry;
    };
    row(true, "盤面の変更", "盤面の変更", {184, 250, 250, 163});
    row(true, "CancelButton", "ｷｬﾝｾﾙ", {160, 96, 73, 25});
    row(true, "Label3", "地雷の数(&M):", {16, 104, 73, 17});
    row(true, "幅", "", {96, 72, 41, 18});
    row(false, "ベストタイム", "ベストタイム", {323, 364, 542, 265});
    row(false, "Label7", "超上級", {400, 24, 49, 17});
    row(false, "Label8", "1", {160, 56, 9, 17});
    row(false, "score10", "999.0", {416, 96, 57, 17});
    row(false, "クリアボタン上", "クリア", {280, 184, 81, 25});
    row(false, "OKボタン", "OK", {216, 224, 89, 25});
}

void TestDialogWindows::layout() {
    QFETCH(bool, boardChange);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);

    const std::unique_ptr<QDialog> window = Open(boardChange);
    QWidget* control = window->objectName() == name ? window.get() : Child(*window, name);
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->isWindow() ? control->windowTitle() : control->property("text").toString(),
             text);
    QCOMPARE(window->minimumSize(), window->maximumSize());
}

void TestDialogWindows::keys_data() {
    QTest::addColumn<bool>("boardChange");
    QTest::addColumn<QString>("focus");  // empty: where the window opens it
    QTest::addColumn<QString>("keys");   // Tab, Return, Enter, Space, Escape, Alt+H ...
                                         // Return* ...: a held key's repeats and release
    QTest::addColumn<QString>("state");
    const auto row = [](const char* name, bool boardChange, const char* focus, const char* keys,
                        const char* state) {
        QTest::newRow(name) << boardChange << QString(focus) << QString(keys) << QString(state);
    };
    // The board-change dialog holds an entry that OK would accept.
    row("tab order", true, "", "Tab Tab Tab", "幅 none");
    row("tab wraps", true, "地雷の数", "Tab", "OKButton none");
    row("Enter in a box", true, "幅", "Return", "幅 none");
    row("keypad Enter in a box", true, "地雷の数", "Enter", "地雷の数 none");
    row("Escape", true, "高さ", "Escape", "高さ none");
    row("Enter on OK", true, "", "Return", "closed 9x9x10");
    row("keypad Enter on OK", true, "", "Enter", "closed 9x9x10");
    row("Space on OK", true, "", "Space", "closed 9x9x10");
    row("Enter on Cancel", true, "CancelButton", "Return", "closed cancelled");
    row("Alt+H", true, "地雷の数", "Alt+H", "高さ none");
    row("Alt+W", true, "", "Alt+W", "高さ none");
    row("Alt+M", true, "幅", "Alt+M", "高さ none");
    row("best-time tab order", false, "", "Tab Tab Tab Tab Tab", "クリアボタン初 5");
    row("best-time tab", false, "", "Tab Tab", "クリアボタン中 5");
    row("Enter on opening", false, "", "Return", "クリアボタン初 999");
    row("Space on opening", false, "", "Space", "クリアボタン初 999");
    row("Escape on opening", false, "", "Escape", "クリアボタン初 5");
    // Held down since it closed a message box: its repeats press nothing.
    row("held Enter on opening", false, "", "Return*", "クリアボタン初 5");
    row("held Space on opening", false, "", "Space*", "クリアボタン初 5");
}

void TestDialogWindows::keys() {
    QFETCH(bool, boardChange);
    QFETCH(QString, focus);
    QFETCH(QString, keys);
    QFETCH(QString, state);

    const auto press = [&](QWidget& window) {
        if (!focus.isEmpty()) {
            Child(window, focus)->setFocus();
        }
        for (const QString& key : keys.split(' ')) {
            if (key.endsWith('*')) {
                SendHeldKeyRepeats(QKeySequence(key.chopped(1))[0].key());
            } else {
                QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
            }
        }
    };
    if (boardChange) {
        QCOMPARE(BoardChange([&](QWidget& dialog) {
                     Type(dialog, "9", "9", "10");
                     press(dialog);
                 }),
                 state);
        return;
    }
    BestTimeWindow window(bestTimes_, pictures_);
    ShowActive(window);
    press(window);
    QCOMPARE(State(window), state);
}

void TestDialogWindows::leavingBoardChange_data() {
    QTest::addColumn<QString>("mines");
    QTest::addColumn<QString>("way");  // a button, or the close box
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("message");
    const auto row = [](const char* name, const char* mines, const char* way, const char* state,
                        const char* message) {
        QTest::newRow(name) << QString(mines) << QString(way) << QString(state) << QString(message);
    };
    row("refused", "21", "OKButton", "OKButton none", "爆弾の数が多すぎです(20.25以下)");
    row("accepted", "20", "OKButton", "closed 9x9x20", "");
    row("cancelled", "20", "CancelButton", "closed cancelled", "");
    row("close box", "20", "close box", "closed none", "");
}

// A refusal leaves the dialog as the player left it: open, texts and focus unchanged.
void TestDialogWindows::leavingBoardChange() {
    QFETCH(QString, mines);
    QFETCH(QString, way);
    QFETCH(QString, state);
    QFETCH(QString, message);

    QString minesAfter;
    const QString outcome = BoardChange([&](QWidget& dialog) {
        Type(dialog, "9", "9", mines);
        if (way == "close box") {
            dialog.close();
        } else {
            QTest::mouseClick(Child(dialog, way), Qt::LeftButton);
        }
        minesAfter = Child<QLineEdit>(dialog, "地雷の数")->text();
    });
    QCOMPARE(outcome, state);
    QCOMPARE(platform_.messages.empty() ? "" : QString::fromStdString(platform_.messages.back()),
             message);
    QCOMPARE(platform_.messages.size(), message.isEmpty() ? 0u : 1u);
    QCOMPARE(minesAfter, mines);
}

// The command's dialog, twice: each time a new, application-modal one with empty boxes, at
// its designed place (it fits the 800 x 600 screen).
void TestDialogWindows::eachBoardChangeOpensEmpty() {
    QStringList seen;
    for (const char* button : {"OKButton", "CancelButton"}) {
        seen << BoardChange([&seen, button](QWidget& dialog) {
            seen << QString::number(dialog.windowModality()) << dialog.objectName();
            QCOMPARE(dialog.geometry(), QRect(184, 250, 250, 163));
            for (const char* box : {"高さ", "幅", "地雷の数"}) {
                seen << Child<QLineEdit>(dialog, box)->text();
            }
            Type(dialog, "10", "12", "30");
            Child<QPushButton>(dialog, button)->click();
        });
    }
    const QStringList opening{QString::number(Qt::ApplicationModal), "盤面の変更", "", "", ""};
    QCOMPARE(seen,
             opening + QStringList{"closed 10x12x30"} + opening + QStringList{"closed cancelled"});
}

void TestDialogWindows::clear_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("base");
    QTest::newRow("初級") << "クリアボタン初" << 0;
    QTest::newRow("中級") << "クリアボタン中" << 3;
    QTest::newRow("上級") << "クリアボタン上" << 6;
    QTest::newRow("超上級") << "クリアボタン超" << 9;
}

// Only the level's three labels and entries change, in memory only; a new window shows
// them as 999.0.
void TestDialogWindows::clear() {
    QFETCH(QString, button);
    QFETCH(int, base);
    QStringList labels;
    for (int i = 0; i < 12; ++i) {
        bestTimes_.SetEntry(i, 10.67 + i);
        labels << QStringLiteral("%1.7").arg(10 + i);
    }
    BestTimeWindow window(bestTimes_, pictures_);
    QCOMPARE(Scores(window), labels);
    QTest::mouseClick(Child(window, button), Qt::LeftButton);

    QStringList reopened = labels;
    for (int i = 0; i < 12; ++i) {
        const bool cleared = i >= base && i < base + 3;
        QCOMPARE(bestTimes_.Entry(i), cleared ? 999.0 : 10.67 + i);
        labels[i] = cleared ? "999" : labels[i];
        reopened[i] = cleared ? "999.0" : reopened[i];
    }
    QCOMPARE(Scores(window), labels);
    QVERIFY(platform_.settings.empty());
    QCOMPARE(Scores(BestTimeWindow(bestTimes_, pictures_)), reopened);
}

// The menu command: a new application-modal window showing the table as it is now, gone
// once OK has closed it, at its place on this screen.
void TestDialogWindows::menuOpensModalBestTimes() {
    BestTimeWindowOpener opener(bestTimes_, pictures_, mainWindow_);
    bestTimes_.SetEntry(6, 12.34);
    QStringList seen;
    QRect geometry;
    QTimer::singleShot(0, [&] {
        if (QWidget* shown = QApplication::activeModalWidget()) {
            seen << QString::number(shown == opener.window()) << Scores(*shown)[6]
                 << QString::number(shown->windowModality() == Qt::ApplicationModal);
            geometry = shown->geometry();
            QTest::mouseClick(Child(*shown, "OKボタン"), Qt::LeftButton);
        }
    });
    opener.OpenModal();
    QCOMPARE(seen, (QStringList{"1", "12.3", "1"}));
    QCOMPARE(geometry, kBestTimesPlace);
    QCOMPARE(OpenBestTimeWindows(), 0);
    QVERIFY(opener.window() == nullptr);
}

// After a win at 超上級: a modeless top-level window. A further win, and the menu
// command, only bring that window to the front, with the labels it had. OK destroys it.
void TestDialogWindows::winShowsOneModelessWindow() {
    BestTimeWindowOpener opener(bestTimes_, pictures_, mainWindow_);
    opener.ShowAfterWin();
    QPointer<BestTimeWindow> window = opener.window();
    QVERIFY(window && window->isVisible() && window->isWindow() && !window->parentWidget());
    QCOMPARE(window->geometry(), kBestTimesPlace);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    bestTimes_.SetEntry(9, 300);
    opener.ShowAfterWin();
    // Should the menu command open a modal window after all, this closes it again so that
    // the test fails instead of waiting.
    int modalOpened = 0;
    QTimer::singleShot(0, [&modalOpened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ++modalOpened;
            modal->close();
        }
    });
    opener.OpenModal();
    QCOMPARE(modalOpened, 0);
    QCOMPARE(opener.window(), window.data());
    QCOMPARE(OpenBestTimeWindows(), 1);
    QCOMPARE(Scores(*window)[9], "999.0");

    QTest::mouseClick(Child(*window, "OKボタン"), Qt::LeftButton);
    QTRY_VERIFY(window.isNull());
    QVERIFY(opener.window() == nullptr);
}

// The program ends when its last window closes (Qt decides that only inside exec()). The
// modeless window, shown while the main window is active, must count as one of them.
void TestDialogWindows::modelessWindowOutlivesTheMainWindow() {
    QWidget mainWindow;
    ShowActive(mainWindow);
    BestTimeWindowOpener opener(bestTimes_, pictures_, mainWindow);
    opener.ShowAfterWin();

    QStringList steps;
    QTimer afterMainClosed;
    afterMainClosed.setSingleShot(true);
    connect(&afterMainClosed, &QTimer::timeout, [&] {
        steps << "still running";
        opener.window()->close();
    });
    QTimer giveUp;
    connect(&giveUp, &QTimer::timeout, [&] {
        steps << "gave up";
        QApplication::closeAllWindows();
        QApplication::quit();
    });
    QTimer::singleShot(0, [&] {
        mainWindow.close();
        afterMainClosed.start(50);
        giveUp.start(5000);
    });
    QApplication::exec();
    QCOMPARE(steps, QStringList{"still running"});
}

// With the main window on the monitor at the laptop's right, both windows open there, moved
// right from their designed places just enough for their frames (2 pixels offscreen) to start
// at the monitor's left edge.
void TestDialogWindows::bothOpenOnTheMainWindowsScreen() {
    if (QApplication::screens().size() < 2) {
        QSKIP("one screen");
    }
    mainWindow_.move(1200, 100);
    QRect boardChange;
    BoardChange([&boardChange](QWidget& dialog) { boardChange = dialog.geometry(); });
    QCOMPARE(boardChange, QRect(962, 250, 250, 163));

    BestTimeWindowOpener opener(bestTimes_, pictures_, mainWindow_);
    opener.ShowAfterWin();
    QCOMPARE(opener.window()->geometry(), QRect(962, 364, 542, 265));
    opener.window()->close();
}

QTEST_MAIN(TestDialogWindows)
#include "test_dialog_windows.moc"
