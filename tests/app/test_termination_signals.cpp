// A termination signal while a handler waits on a message box: the handler finishes
// first, without further boxes, and only then do the windows close.
#include <QApplication>
#include <QCloseEvent>
#include <QTest>
#include <QTimer>
#include <csignal>

#include "app/termination_signals.h"
#include "platform/qt_platform.h"

using namespace kestravon;

namespace {

class RecordingWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit RecordingWindow(QStringList& events) : events_(events) {}

  protected:
    void closeEvent(QCloseEvent* event) override {
        events_ << QStringLiteral("window closed");
        event->accept();
    }

  private:
    QStringList& events_;
};

}  // namespace

class TestTerminationSignals : public QObject {
    Q_OBJECT

  private slots:
    void handlerWaitingOnABoxFinishesBeforeTheWindowsClose() {
        QtPlatform platform;
        CloseWindowsOnTerminationSignals(platform);
        QStringList events;
        RecordingWindow window(events);
        window.show();
        QTimer::singleShot(0, [&] {
            QTimer::singleShot(50, [] { std::raise(SIGTERM); });
            platform.ShowMessage("Congratulations!!");
            events << QStringLiteral("first box closed");
            platform.ShowMessage("ベストタイム更新!!(1位)");
            events << QStringLiteral("handler finished");
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [&] {
            events << QStringLiteral("gave up");
            QApplication::quit();
        });
        watchdog.start(10000);
        QApplication::exec();
        QCOMPARE(events, QStringList({"first box closed", "handler finished", "window closed"}));
    }
};

QTEST_MAIN(TestTerminationSignals)
#include "test_termination_signals.moc"
