// The board's two presses: how each device makes them, and what a screen reader says of them.
#pragma once

#include <QKeyCombination>
#include <QList>
#include <QString>
#include <array>

#include "engine/game.h"

namespace kestravon {

struct BoardPress {
    Press press;
    Qt::MouseButton button;
    // The keys on the cursor's cell; a screen reader names the first.
    QList<QKeyCombination> keys;
    // The accessible action: Qt's name for it, and what a screen reader says of it.
    QString action;
    QString actionName;
    QString actionDescription;
};

// Open, then mark.
const std::array<BoardPress, 2>& BoardPresses();

// The press a mouse button makes, a key (keypad or not) or an accessible action, or nullptr.
const BoardPress* FindPress(Qt::MouseButton button);
const BoardPress* FindPress(QKeyCombination key);
const BoardPress* FindPress(const QString& action);

}  // namespace kestravon
