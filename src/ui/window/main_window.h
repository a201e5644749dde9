// The main window: wires the menus, the header, the board and the clock to the game.
#pragma once

#include <QMainWindow>
#include <cstdint>
#include <optional>

#include "engine/best_time_table.h"
#include "engine/game.h"
#include "ui/dialogs/best_time_window.h"
#include "ui/window/main_menu.h"

class QTimer;

namespace kestravon {

class BoardScrollArea;
class BoardWidget;
class HeaderBar;
class Pictures;
class Platform;
class WindowFitter;

// The main window ("メイン"): menus, the header with the face button and the two counters,
// the board and the clock's timer. It owns the game and shows it; the game decides everything.
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
    void closeEvent(QCloseEvent* event) override;

  private:
    void GameChanged(const GameChanges& changes) override;
    void ShowBestTimesAfterWin() override;

    void ConnectMenu();
    // Sizes the window for the game's board, with the header placed above it.
    void FitWindowToBoard();
    // The window's size for a client area of `client` below the menu bar.
    QSize WithMenuBar(QSize client) const;
    // Checks the current level's menu item alone: Qt's checkable actions toggle themselves.
    void ShowLevel();
    void ShowAbout();

    Platform& platform_;
    BestTimeTable& bestTimes_;
    Game game_;
    MainMenu menu_;
    HeaderBar* header_ = nullptr;
    BoardWidget* board_ = nullptr;
    BoardScrollArea* boardArea_ = nullptr;
    WindowFitter* fitter_ = nullptr;
    QTimer* clockTimer_ = nullptr;
    BestTimeWindowOpener bestTimeWindow_;
    std::optional<BestTimeTable> savedBestTimes_;
};

}  // namespace kestravon
