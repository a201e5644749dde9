// A menu whose checkable items show a mark only while checked.
#include "ui/window/checked_only_mark_menu.h"

#include <QStyleOptionMenuItem>

namespace kestravon {

CheckedOnlyMarkMenu::CheckedOnlyMarkMenu(const QString& title, QWidget* parent)
    : QMenu(title, parent) {}

void CheckedOnlyMarkMenu::initStyleOption(QStyleOptionMenuItem* option,
                                          const QAction* action) const {
    QMenu::initStyleOption(option, action);
    if (!option->checked) {
        option->checkType = QStyleOptionMenuItem::NotCheckable;
    }
}

}  // namespace kestravon
