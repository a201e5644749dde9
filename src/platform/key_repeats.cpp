// Held keys flagged as repeats, in the focus window, on every platform.
#include "platform/key_repeats.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWindow>
#include <set>

namespace kestravon {

#ifndef Q_OS_WIN
// Asks the X server, where the program runs on one, for a key's repeats without the releases
// between them (key_repeats_xcb.cpp). Windows flags repeats itself.
void AskForDetectableAutoRepeat();
#endif

namespace {

// Watches the focus window, the one that receives the keys. A window's own filter sees each key
// event once, after the application's filters: the screen reader's bridge holds the keys back
// until the screen reader has seen them, then hands on copies.
class HeldKeyFlagger final : public QObject {
  public:
    HeldKeyFlagger() : QObject(qGuiApp) {
        Watch(QGuiApplication::focusWindow());
        connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &HeldKeyFlagger::Watch);
        // A key let go while another program had the focus never comes up here.
        connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
                [this](Qt::ApplicationState state) {
                    if (state != Qt::ApplicationActive) {
                        down_.clear();
                    }
                });
    }

  protected:
    bool eventFilter(QObject* window, QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
            return false;
        }
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat()) {
            return false;
        }
        if (event->type() == QEvent::KeyRelease) {
            down_.erase(key->key());
            return false;
        }
        if (down_.insert(key->key()).second) {
            return false;
        }
        QKeyEvent repeat(QEvent::KeyPress, key->key(), key->modifiers(), key->nativeScanCode(),
                         key->nativeVirtualKey(), key->nativeModifiers(), key->text(), true,
                         key->count(), key->device());
        repeat.setTimestamp(key->timestamp());
        QCoreApplication::sendEvent(window, &repeat);
        key->setAccepted(repeat.isAccepted());
        return true;
    }

  private:
    void Watch(QWindow* window) {
        if (watched_) {
            watched_->removeEventFilter(this);
        }
        watched_ = window;
        if (window != nullptr) {
            window->installEventFilter(this);
        }
    }

    QPointer<QWindow> watched_;
    std::set<int> down_;
};

}  // namespace

void FlagHeldKeyRepeats() {
#ifndef Q_OS_WIN
    AskForDetectableAutoRepeat();
#endif
    // A child of the application, it lives as long as the application.
    new HeldKeyFlagger;
}

}  // namespace kestravon
