#pragma once

#include <QDialog>
#include <QPointer>
#include <array>

class QLabel;

namespace kestravon {

struct Module1;
class Pictures;

// The best-time window: the twelve BestTime entries as four level columns of three ranks,
// and a clear button for each level. The labels are filled once, when the window is
// created; only the clear buttons change them afterwards. A clear changes BestTime in
// memory only. Its controls carry their names as objectName.
// (No Q_OBJECT: moc cannot read the class name.)
class ベストタイム final : public QDialog {
  public:
    ベストタイム(Module1& module1, const Pictures& pictures);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Clears the three times of the level whose entries start at `base`.
    void ClearLevel(int base);

    Module1& module1_;
    // score[i] shows BestTime[i]: level i / 3, rank i % 3.
    std::array<QLabel*, 12> score{};
};

// The program's one reference to the best-time window, which opens in two ways: modally
// from the menu, or without modality after a win at 超上級. Either way the window has no
// parent, so that a modeless one can stay open after the main window has closed, and it
// is destroyed when it closes.
class BestTimeWindowOpener final {
  public:
    BestTimeWindowOpener(Module1& module1, const Pictures& pictures);
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
    ベストタイム* window() const { return window_; }

  private:
    ベストタイム* Create();

    Module1& module1_;
    const Pictures& pictures_;
    QPointer<ベストタイム> window_;
};

}  // namespace kestravon
