// A main window on the fake platform, with helpers to find and read its parts.
#pragma once

#include <QAction>
#include <QLineEdit>
#include <QScrollArea>
#include <QTest>
#include <utility>
#include <vector>

#include "platform/fake_platform.h"
#include "support/mine_draws.h"
#include "ui/board/board_widget.h"
#include "ui/images/pictures.h"
#include "ui/window/main_window.h"

namespace kestravon {

// A main window on the fake platform.
struct Window {
    // Queues the draws of a fixed level's new game with mines at `mines` (x, y).
    void QueueLevelMines(Level level, const std::vector<std::pair<int, int>>& mines) {
        platform.QueueDraws(LevelMineDraws(level, mines));
    }

    QAction* Action(const char* name) const {
        return window.findChild<QAction*>(QString::fromUtf8(name));
    }
    BoardWidget* Board() const {
        return window.findChild<BoardWidget*>(QStringLiteral("ImageMap"));
    }
    QWidget* Child(const char* name) const {
        return window.findChild<QWidget*>(QString::fromUtf8(name));
    }
    QString Text(const char* name) const {
        return window.findChild<QLineEdit*>(QString::fromUtf8(name))->text();
    }
    // The centre of cell (x, y) in the board widget.
    QPoint CellCentre(int x, int y) const {
        return Board()->cellGeometry().CellRect(y * window.game().columns() + x).center();
    }
    // Where a widget's point lies in the client area below the menu bar.
    QPoint InClient(const QWidget* widget, QPoint point = {}) const {
        return widget->mapTo(window.centralWidget(), point);
    }
    QPoint ClientPosition(const char* name) const { return InClient(Child(name)); }
    QScrollArea* BoardArea() const { return window.findChild<QScrollArea*>(); }
    // Checks that the face button and both counters show whole in the client area.
    void CheckHeaderShowsWhole() const {
        const QRect client = window.centralWidget()->rect();
        for (const char* name : {"爆弾の数", "リセットボタン", "経過時間"}) {
            QVERIFY2(client.contains(QRect(ClientPosition(name), Child(name)->size())), name);
        }
    }
    // Shows the window and lets its layout settle.
    void Show() {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    Tile At(int x, int y) const {
        return window.game().cells()[y * window.game().columns() + x].tile;
    }
    std::vector<bool> Marks() const {
        std::vector<bool> marks;
        for (const char* name :
             {"mn初級", "mn中級", "mn上級", "mn超上級", "mn地獄", "mn盤面の変更"}) {
            marks.push_back(Action(name)->isChecked());
        }
        return marks;
    }

    FakePlatform platform;
    BestTimeTable bestTimes;
    Pictures pictures;
    MainWindow window{platform, bestTimes, pictures};
};

}  // namespace kestravon
