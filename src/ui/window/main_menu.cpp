// The menu bar's menus and items, with their design names.
#include "ui/window/main_menu.h"

#include <QMenu>
#include <QMenuBar>

#include "ui/window/checked_only_mark_menu.h"

namespace kestravon {

namespace {

QMenu* AddMenu(QMenuBar& menuBar, const char* name, const char* caption) {
    QMenu* menu = new CheckedOnlyMarkMenu(QString::fromUtf8(caption), &menuBar);
    menuBar.addMenu(menu);
    menu->setObjectName(QString::fromUtf8(name));
    menu->menuAction()->setObjectName(QString::fromUtf8(name));
    return menu;
}

QAction* AddItem(QMenu& menu, const char* name, const char* caption) {
    QAction* action = menu.addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromUtf8(name));
    return action;
}

void AddSeparator(QMenu& menu, const char* name) {
    menu.addSeparator()->setObjectName(QString::fromUtf8(name));
}

}  // namespace

MainMenu BuildMainMenu(QMenuBar& menuBar) {
    MainMenu actions;
    QMenu* game = AddMenu(menuBar, "mnゲーム", "ゲーム(&G)");
    actions.start = AddItem(*game, "mnスタート", "スタート(&N)");
    constexpr std::array<std::pair<const char*, const char*>, kLevelCount> kLevelItems{{
        {"mn初級", "初級(&B)"},
        {"mn中級", "中級(&I)"},
        {"mn上級", "上級(&E)"},
        {"mn超上級", "超上級(&J)"},
        {"mn地獄", "地獄(&K)"},
        {"mn盤面の変更", "盤面の変更(&C)"},
    }};
    for (std::size_t i = 0; i < kLevelItems.size(); ++i) {
        actions.levels[i] = AddItem(*game, kLevelItems[i].first, kLevelItems[i].second);
        actions.levels[i]->setCheckable(true);
    }
    AddSeparator(*game, "mn棒1");
    actions.bestTimes = AddItem(*game, "mnベストタイム", "ベストタイム(&T)");
    AddSeparator(*game, "mn棒2");
    actions.exit = AddItem(*game, "mn終了", "終了(&X)");

    QMenu* help = AddMenu(menuBar, "mnヘルプ", "ヘルプ(&H)");
    actions.about = AddItem(*help, "mnバージョン情報", "ﾊﾞｰｼﾞｮﾝ情報(&A)");
    return actions;
}

}  // namespace kestravon
