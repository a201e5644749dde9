// The best-time window and the program's one reference to it.
#pragma once

#include <QDialog>
#include <QPointer>
#include <array>

#include "engine/best_time_table.h"

class QLabel;

namespace kestravon {

class Pictures;

// The best-time window ("ベストタイム"): the twelve best times as four level columns of
// three places, and a clear button for each level. The labels are filled once, when the
// window is created; only the clear buttons change them afterwards. A clear changes the
// table in memory only. Its controls carry their names as objectName.
class BestTimeWindow final : public QDialog {
    Q_OBJECT

  public:
    BestTimeWindow(BestTimeTable& bestTimes, const Pictures& pictures);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Clears the three times of a level, its labels first.
    void ClearLevel(Level level);

    BestTimeTable& bestTimes_;
    // scores_[i] shows entry i of the table.
    std::array<QLabel*, BestTimeTable::kEntryCount> scores_{};
};

// The program's one reference to the best-time window, which opens in two ways: modally
// from the menu, or without modality after a win at 超上級. Either way the window has no
// parent, so that a modeless one can stay open after the main window has closed, and it
// is destroyed when it closes. It opens within the screen of the main window.
class BestTimeWindowOpener final {
  public:
    BestTimeWindowOpener(BestTimeTable& bestTimes, const Pictures& pictures,
                         const QWidget& mainWindow);
    BestTimeWindowOpener(const BestTimeWindowOpener&) = delete;
    BestTimeWindowOpener& operator=(const BestTimeWindowOpener&) = delete;
    // Destroys a window that is still open.
    ~BestTimeWindowOpener();

    // The menu command: a new window, modal to the whole application; returns when it has
    // closed. A window already open without modality cannot be made modal as well, so it
    // is only brought to the front and this returns at once.
    void OpenModal();

    // After a win at 超上級: a new window without modality, or, when one is open, that
    // window brought to the front with what it shows.
    void ShowAfterWin();

    // The open window, or nullptr.
    BestTimeWindow* window() const { return window_; }

  private:
    BestTimeWindow* Create();

    BestTimeTable& bestTimes_;
    const Pictures& pictures_;
    const QWidget& mainWindow_;
    QPointer<BestTimeWindow> window_;
};

}  // namespace kestravon
