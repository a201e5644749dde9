// Where windows go: the fit to a screen and the move within it, as pure steps.
#include <QTest>

#include "ui/screen/screen_fit.h"
#include "ui/screen/window_placement.h"

using namespace kestravon;

Q_DECLARE_METATYPE(QMargins)

class TestScreenFit : public QObject {
    Q_OBJECT

  private slots:
    void fitOnScreen_data() {
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("movedTo");
        const QRect laptop(0, 0, 1366, 768);
        const QSize hell(1274, 982);
        QTest::newRow("fits: stays as it is")
            << QSize(148, 217) << QPoint(100, 100) << laptop << QSize(148, 217) << QPoint(100, 100);
        QTest::newRow("fits, past the bottom-right corner: moves just enough")
            << QSize(300, 300) << QPoint(1200, 600) << laptop << QSize(300, 300)
            << QPoint(1064, 447);
        QTest::newRow("too tall: full height, room for the vertical bar")
            << hell << QPoint(50, 0) << laptop << QSize(1289, 747) << QPoint(50, 0);
        QTest::newRow("too tall near the right edge: moves left")
            << hell << QPoint(200, 10) << laptop << QSize(1289, 747) << QPoint(75, 0);
        QTest::newRow("the vertical bar makes it too wide as well")
            << QSize(1290, 982) << QPoint(0, 0) << QRect(0, 0, 1300, 768) << QSize(1298, 747)
            << QPoint(0, 0);
        QTest::newRow("too wide: full width, room for the horizontal bar")
            << QSize(1500, 400) << QPoint(0, 0) << laptop << QSize(1364, 415) << QPoint(0, 0);
        QTest::newRow("twice the scale: both ways")
            << hell << QPoint(30, 30) << QRect(0, 0, 683, 384) << QSize(681, 363) << QPoint(0, 0);
        QTest::newRow("a task bar at the left: never moves onto it")
            << hell << QPoint(48, 0) << QRect(48, 0, 1318, 740) << QSize(1289, 719)
            << QPoint(48, 0);
        QTest::newRow("left of the available area: stays there")
            << QSize(148, 217) << QPoint(0, 0) << QRect(48, 0, 1318, 740) << QSize(148, 217)
            << QPoint(0, 0);
    }
    void fitOnScreen() {
        QFETCH(QSize, wanted);
        QFETCH(QPoint, origin);
        QFETCH(QRect, available);
        QFETCH(QSize, size);
        QFETCH(QPoint, movedTo);
        const QMargins frame(1, 20, 1, 1);
        const ScreenFit fit = FitOnScreen(wanted, origin, frame, available, QSize(15, 15));
        QCOMPARE(fit.size, size);
        QCOMPARE(fit.frameOrigin, movedTo);
    }

    // A secondary window's frame at its designed place, moved onto the main window's screen.
    void movedInside_data() {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("movedTo");
        const QRect laptop150(0, 0, 960, 540);
        QTest::newRow("fits: stays") << QRect(183, 240, 252, 174) << laptop150 << QPoint(183, 240);
        QTest::newRow("past the bottom: up just enough")
            << QRect(322, 354, 544, 276) << laptop150 << QPoint(322, 264);
        QTest::newRow("left of a second screen: right just enough")
            << QRect(322, 354, 544, 276) << QRect(1366, 0, 1920, 1040) << QPoint(1366, 354);
        QTest::newRow("larger than the area: its top-left corner")
            << QRect(-5, 300, 544, 276) << QRect(0, 0, 400, 200) << QPoint(0, 0);
    }
    void movedInside() {
        QFETCH(QRect, frame);
        QFETCH(QRect, available);
        QFETCH(QPoint, movedTo);
        QCOMPARE(MovedInside(frame, available), movedTo);
    }
};

QTEST_APPLESS_MAIN(TestScreenFit)
#include "test_screen_fit.moc"
