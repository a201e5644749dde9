// The board's two presses as each device makes them.
#include "ui/board/board_presses.h"

#include <QAccessibleActionInterface>
#include <algorithm>

namespace kestravon {

const std::array<BoardPress, 2>& BoardPresses() {
    // Space and Enter open, as a left press; Shift+F10 and the Menu key, the keyboard's own
    // ways to a context menu, mark, as a right press. Opening is Qt's press action, marking
    // the one that stands for a context menu.
    static const std::array<BoardPress, 2> presses{{
        {Press::Open,
         Qt::LeftButton,
         {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter},
         QAccessibleActionInterface::pressAction(),
         QStringLiteral("開く"),
         QStringLiteral("マスを開きます")},
        {Press::Mark,
         Qt::RightButton,
         {Qt::ShiftModifier | Qt::Key_F10, Qt::Key_Menu},
         QAccessibleActionInterface::showMenuAction(),
         QStringLiteral("印をつける"),
         QStringLiteral("旗、はてな、印なしの順に印を替えます")},
    }};
    return presses;
}

namespace {

template <typename Matches>
const BoardPress* FindPressWhere(Matches matches) {
    const auto& presses = BoardPresses();
    const auto found = std::find_if(presses.begin(), presses.end(), matches);
    return found != presses.end() ? &*found : nullptr;
}

}  // namespace

const BoardPress* FindPress(Qt::MouseButton button) {
    return FindPressWhere([button](const BoardPress& press) { return press.button == button; });
}

const BoardPress* FindPress(QKeyCombination key) {
    const QKeyCombination withoutKeypad(key.keyboardModifiers() & ~Qt::KeypadModifier, key.key());
    return FindPressWhere(
        [withoutKeypad](const BoardPress& press) { return press.keys.contains(withoutKeypad); });
}

const BoardPress* FindPress(const QString& action) {
    return FindPressWhere([&action](const BoardPress& press) { return press.action == action; });
}

}  // namespace kestravon
