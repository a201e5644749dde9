#pragma once

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <utility>
#include <vector>

#include "platform/fake_platform.h"
#include "ui/images/pictures.h"
#include "ui/main/board_widget.h"
#include "ui/main/main_window.h"

namespace kestravon {

inline float DrawFor(int index, int count) {
    return (static_cast<float>(index) + 0.5f) / count;
}

// A main window on the fake platform.
struct Window {
    // Queues the draws of a fixed level's new game with mines at `mines` (x, y).
    void QueueLevelMines(Level level, const std::vector<std::pair<int, int>>& mines) {
        const FixedLevel& fixed = *FindFixedLevel(level);
        platform.QueueDraws({DrawFor(static_cast<int>(mines.size()) - fixed.fewestMines,
                                     fixed.mostMines - fixed.fewestMines + 1)});
        for (const auto& [x, y] : mines) {
            platform.QueueDraws({DrawFor(x, fixed.columns), DrawFor(y, fixed.rows)});
        }
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
        return Board()->CellRect(y * window.game().columns() + x).center();
    }
    // Where a widget's point lies in the client area below the menu bar.
    QPoint InClient(const QWidget* widget, QPoint point = {}) const {
        return widget->mapTo(window.centralWidget(), point);
    }
    QPoint ClientPosition(const char* name) const { return InClient(Child(name)); }
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
