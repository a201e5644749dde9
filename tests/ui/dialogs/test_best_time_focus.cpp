// The best-time window on a real desktop (Xvfb with openbox, or Windows under Wine): it
// opens active with the focus on クリアボタン初, so that a key pressed at once reaches that
// button. Nothing here activates the window; the window system decides.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "engine/best_time_table.h"
#include "ui/dialogs/best_time_window.h"
#include "ui/images/pictures.h"

#include "support/system_input.h"
#ifndef Q_OS_WIN
#include "support/real_desktop.h"
#endif

using namespace kestravon;

namespace {

constexpr int kTimeoutMs = 10000;

}  // namespace

class TestBestTimeFocus : public QObject {
    Q_OBJECT

  private slots:
    void keyRightAfterOpeningClearsBeginner_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("menu, Enter") << true << Qt::Key_Return;
        QTest::newRow("after a win, Space") << false << Qt::Key_Space;
    }

    void keyRightAfterOpeningClearsBeginner() {
        QFETCH(bool, fromMenu);
        QFETCH(Qt::Key, key);
        // The main window, active as the player left it.
        QWidget mainWindow;
        mainWindow.resize(300, 200);
        mainWindow.show();
        mainWindow.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&mainWindow));

        BestTimeTable bestTimes;
        bestTimes.SetEntry(0, 5);
        const Pictures pictures;
        BestTimeWindowOpener opener(bestTimes, pictures, mainWindow);
        // Where the focus was once the window had opened, and what the key did.
        QString seen = QStringLiteral("never opened");
        const auto pressAtOnce = [&] {
            BestTimeWindow* window = opener.window();
            if (window == nullptr) {
                return;
            }
            if (QTest::qWaitFor([&] { return QApplication::activeWindow() == window; },
                                kTimeoutMs)) {
                seen = QApplication::focusWidget()->objectName();
                QVERIFY(PressKey(key));
                const bool cleared =
                    QTest::qWaitFor([&] { return bestTimes.Entry(0) == 999; }, kTimeoutMs);
                seen += cleared ? QStringLiteral(" cleared") : QStringLiteral(" kept");
            } else {
                seen = QStringLiteral("not active");
            }
            window->close();
        };
        if (fromMenu) {
            QTimer::singleShot(0, pressAtOnce);
            opener.OpenModal();
        } else {
            opener.ShowAfterWin();
            pressAtOnce();
        }
        QCOMPARE(seen, QStringLiteral("クリアボタン初 cleared"));
    }
};

int main(int argc, char** argv) {
#ifndef Q_OS_WIN
    const RealDesktop desktop(QSize(1366, 768), DesktopKind::Openbox);
    if (!desktop.ready()) {
        qCritical("%s", qPrintable(desktop.error()));
        return 1;
    }
#endif
    QApplication app(argc, argv);
    TestBestTimeFocus tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "test_best_time_focus.moc"
