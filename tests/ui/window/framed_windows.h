// Windows on a real desktop, once its window system has placed and framed them: a window shown,
// and the modal windows that an action opens.
#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <functional>

namespace kestravon {

// How long a window system may take to do what is asked of it.
constexpr int kTimeoutMs = 10000;

// Shows the window and waits until the window manager has framed it.
inline void ShowFramed(QWidget& window) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY_WITH_TIMEOUT(window.frameGeometry() != window.geometry(), kTimeoutMs);
}

// Runs `act`, and hands `inspect` each modal window that it opens, one after the other, once
// the window system has placed and framed it (the window shows, and Qt knows its frame); then
// closes that window.
inline void InspectModalWindows(const std::function<void()>& act,
                                const std::function<void(QWidget&)>& inspect) {
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* shown = QApplication::activeModalWidget();
        if (shown == nullptr) {
            return;
        }
        watch.stop();
        QWindow* native = shown->windowHandle();
        if (QTest::qWaitForWindowExposed(native) &&
            QTest::qWaitFor([native] { return !native->frameMargins().isNull(); }, kTimeoutMs)) {
            inspect(*shown);
        }
        shown->close();
        watch.start();
    });
    watch.start(20);
    act();
}

}  // namespace kestravon
