// Words said to a screen reader at once: Qt 6.8's announcements, or a status line's notice.
#include "ui/board/announcement.h"

#include <QAccessible>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <QtGlobal>

#include "ui/board/accessible_leaf.h"

namespace kestravon {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

void Announce(QWidget& source, const QString& text) {
    if (!QAccessible::isActive() || text.isEmpty()) {
        return;
    }
    QAccessibleAnnouncementEvent announcement(&source, text);
    // The latest press's outcome is the one the player waits for.
    announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    QAccessible::updateAccessibility(&announcement);
}

QString AnnouncedText(QAccessibleEvent& event) {
    return event.type() == QAccessible::Announcement
               ? static_cast<QAccessibleAnnouncementEvent&>(event).message()
               : QString();
}

#else

namespace {

// A status line of a window, with one notice in it: an object of the accessible tree only, with
// no widget and nothing on the screen.
class AccessibleStatusLine;

class AccessibleNotice final : public AccessibleLeaf {
  public:
    explicit AccessibleNotice(AccessibleStatusLine& line) : line_(line) {}

    bool isValid() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? text_ : QString();
    }
    void setText(QAccessible::Text kind, const QString& text) override {
        if (kind == QAccessible::Name) {
            text_ = text;
        }
    }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

  private:
    AccessibleStatusLine& line_;
    QString text_;
};

class AccessibleStatusLine final : public QAccessibleInterface {
  public:
    explicit AccessibleStatusLine(QWidget& window) : window_(&window) {
        notice_ = QAccessible::registerAccessibleInterface(new AccessibleNotice(*this));
    }
    ~AccessibleStatusLine() override { QAccessible::deleteAccessibleInterface(notice_); }

    QAccessibleInterface* Notice() const { return QAccessible::accessibleInterface(notice_); }

    bool isValid() const override { return window_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_ ? window_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(window_.data());
    }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? Notice() : nullptr;
    }
    int childCount() const override { return 1; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child == Notice() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text /*kind*/) const override { return {}; }
    void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QAccessible::State state() const override { return {}; }

  private:
    QPointer<QWidget> window_;
    QAccessible::Id notice_ = 0;
};

bool AccessibleNotice::isValid() const {
    return line_.isValid();
}

QWindow* AccessibleNotice::window() const {
    return line_.window();
}

QAccessibleInterface* AccessibleNotice::parent() const {
    return &line_;
}

// The status line of the window last announced in; another window gets one of its own.
AccessibleStatusLine& StatusLineOf(QWidget& window) {
    static QPointer<QWidget> owner;
    static QAccessible::Id line = 0;
    if (owner != &window) {
        if (line != 0) {
            QAccessible::deleteAccessibleInterface(line);
        }
        owner = &window;
        line = QAccessible::registerAccessibleInterface(new AccessibleStatusLine(window));
    }
    return *static_cast<AccessibleStatusLine*>(QAccessible::accessibleInterface(line));
}

}  // namespace

void Announce(QWidget& source, const QString& text) {
    if (!QAccessible::isActive() || text.isEmpty()) {
        return;
    }
    QAccessibleInterface* notice = StatusLineOf(*source.window()).Notice();
    notice->setText(QAccessible::Name, text);
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

QString AnnouncedText(QAccessibleEvent& event) {
    QAccessibleInterface* source =
        event.type() == QAccessible::ObjectShow ? event.accessibleInterface() : nullptr;
    return source != nullptr && source->role() == QAccessible::Notification
               ? source->text(QAccessible::Name)
               : QString();
}

#endif

}  // namespace kestravon
