// The menu bar's menus and items.
#pragma once

#include <array>

#include "engine/levels.h"

class QAction;
class QMenuBar;

namespace kestravon {

// The actions of the menu bar that do something; each carries its design name
// as objectName ("mnスタート", "mn初級", ...).
struct MainMenu {
    QAction* start = nullptr;
    std::array<QAction*, kLevelCount> levels{};  // in the fixed order of Level
    QAction* bestTimes = nullptr;
    QAction* exit = nullptr;
    QAction* about = nullptr;
};

// Fills the menu bar with the game menu and the help menu.
MainMenu BuildMainMenu(QMenuBar& menuBar);

}  // namespace kestravon
