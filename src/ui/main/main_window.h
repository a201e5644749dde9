#pragma once

#include <QMainWindow>
#include <cstdint>
#include <optional>

#include "engine/best_time_table.h"
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

// The main window ("メイン"): menus, face button, the two counters, the board and the
// clock's timer. It owns the game and shows it; the game decides everything.
class MainWindow final : public QMainWindow, private GameObserver {
    Q_OBJECT

  public:
    MainWindow(Platform& platform, BestTimeTable& bestTimes, const Pictures& pictures);
    ~MainWindow() override;

    // A board of `height` rows and `width` columns with a new game on it; the window sizes
    // itself for it.
    void SetUpBoard(std::int16_t height, std::int16_t width) { game_.SetupBoard(height, width); }

    // A fixed level's command, as its menu item gives it.
    void ChooseLevel(Level level) { game_.ChooseLevel(level); }

    const Game& game() const { return game_; }

    // Writes the best times to the settings store, unless this window's last write
    // already tried to store them. The window closing does it; so does the program's end,
    // since a best-time window can outlive this one and clear times after it closed.
    void SaveChangedBestTimes();

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void GameChanged(const GameChanges& changes) override;
    void ShowBestTimesAfterWin() override;

    void ConnectMenu();
    // Sizes the window for the game's board, places the face button and the counters above
    // it, and gives the board the keyboard focus.
    void FitWindowToBoard();
    // Places the face button and the counters above the part of the board that the window
    // shows: where the board shows whole, as its setup placed them.
    void PlaceHeader();
    // The window's size for a client area of `client` below the menu bar.
    QSize WithMenuBar(QSize client) const;
    // Checks the current level's menu item alone: Qt's checkable actions toggle themselves.
    void ShowLevel();
    void ShowAbout();

    Platform& platform_;
    BestTimeTable& bestTimes_;
    const Pictures& pictures_;
    Game game_;
    MainMenu menu_;
    CounterBox* elapsedTime_ = nullptr;
    CounterBox* mineCounter_ = nullptr;
    FaceButton* faceButton_ = nullptr;
    BoardWidget* board_ = nullptr;
    BoardScrollArea* boardArea_ = nullptr;
    QTimer* clockTimer_ = nullptr;
    BestTimeWindowOpener bestTimeWindow_;
    std::optional<BestTimeTable> savedBestTimes_;
    // What the last board setup asked for: the window's size, and the client area's width
    // for which the header is placed.
    QSize boardWindowSize_;
    int boardClientWidth_ = 0;
    // The board is too narrow for the header centred above it.
    bool narrowHeader_ = false;
    // Left the maximised state where the window system places windows: the next resize is
    // the window system's, and the board's size is given after it.
    bool restoring_ = false;
};

}  // namespace kestravon
