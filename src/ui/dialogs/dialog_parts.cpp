// What the two secondary windows share: their colours, labels and buttons.
#include "ui/dialogs/dialog_parts.h"

#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace kestravon {

void DressDialog(QWidget& window) {
    // Only the window role: boxes and buttons paint with their own roles and keep the
    // standard look.
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::black);
    window.setPalette(palette);
    window.setAutoFillBackground(true);

    QFont font = window.font();
    font.setFamilies({QStringLiteral("MS UI Gothic"), QStringLiteral("ＭＳ Ｐゴシック"),
                      QStringLiteral("IPAPGothic"), font.family()});
    font.setPointSize(9);
    window.setFont(font);
}

QLabel* AddLabel(QWidget& window, const QString& name, const QString& caption, int left, int top,
                 int width, int height) {
    auto* label = new QLabel(caption, &window);
    label->setObjectName(name);
    label->setGeometry(left, top, width, height);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

QPushButton* AddButton(QWidget& window, const QString& name, const QString& caption, int left,
                       int top, int width, int height) {
    auto* button = new QPushButton(caption, &window);
    button->setObjectName(name);
    button->setGeometry(left, top, width, height);
    // In a QDialog a push button is auto-default: Enter anywhere would press it.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

bool TakeButtonOnlyDialogKey(QWidget& window, QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier) {
        return false;
    }
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // A held key repeats: it may have closed a message box just before this window
            // opened, and must not go on to press one of its buttons.
            if (auto* button = qobject_cast<QPushButton*>(window.focusWidget());
                !event.isAutoRepeat() && button != nullptr && button->isEnabled() &&
                button->window() == &window) {
                button->click();
            }
            event.accept();
            return true;
        case Qt::Key_Escape:
            event.accept();
            return true;
        default:
            return false;
    }
}

}  // namespace kestravon
