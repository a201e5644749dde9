#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <optional>

#include "engine/game.h"
#include "ui/dialogs/best_time_window.h"
#include "ui/main/main_menu.h"

class QTimer;

namespace kestravon {

class BoardScrollArea;
class BoardWidget;
class CounterBox;
class FaceButton;
class Pictures;
class Platform;

// The main window: menus, face button, the two counters, the board and the
// 100 ms timer. It owns the game and draws it; the game decides everything.
class メイン final : public QMainWindow, private GameObserver {
  public:
    メイン(Platform& platform, Module1& module1, const Pictures& pictures);
    ~メイン() override;

    // Sizes the window for a board of `height` rows and `width` columns, places
    // the face button and the counters above it and starts a new game on it.
    void 盤面セットアップ(std::int16_t height, std::int16_t width);

    // A fixed-level command: the level's check mark, then its board.
    void ChooseLevel(Level level);

    const Game& game() const { return game_; }

    // Writes the best times to the settings store, unless this window's last write
    // already tried to store them. The window closing does it; so does the program's end, since a
    // best-time window can outlive this one and clear times after it closed.
    void SaveChangedBestTimes();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void GameChanged(const GameChanges& changes) override;
    void ShowBestTimesAfterWin() override;

    void ConnectMenu();
    // Shows the marks the game holds: Qt's checkable actions toggle themselves.
    void ShowLevelMarks();
    void ShowAbout();
    // Resizes the window so that its client area below the menu bar has `client` size.
    void ResizeClientArea(QSize client);
    // The same within the available area of the screen: a window that would not fit
    // takes the largest size that does, and the board scrolls.
    void FitWindowToScreen(QSize client);
    // The board-change command: the dialog, then the custom board it accepted.
    void ChangeBoard();

    Platform& platform_;
    Module1& module1_;
    const Pictures& pictures_;
    Game game_;
    MainMenu menu_;
    CounterBox* 経過時間 = nullptr;
    CounterBox* 爆弾の数 = nullptr;
    FaceButton* リセットボタン = nullptr;
    BoardWidget* board_ = nullptr;
    BoardScrollArea* boardArea_ = nullptr;
    QTimer* Timer1sec = nullptr;
    BestTimeWindowOpener bestTimes_;
    std::optional<std::array<double, kBestTimeCount>> savedBestTimes_;
};

}  // namespace kestravon
