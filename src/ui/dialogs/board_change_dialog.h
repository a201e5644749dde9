// The board-change dialog, which asks the player for a custom board.
#pragma once

#include <QDialog>

#include "engine/board_entry.h"

class QLineEdit;

namespace kestravon {

class Platform;

// The board-change dialog ("盤面の変更"): a height, a width and a number of mines for a
// custom board. OK tests the entry and shows the refusal in a message box, or accepts it.
// Its controls carry their names as objectName.
class BoardChangeDialog final : public QDialog {
    Q_OBJECT

  public:
    explicit BoardChangeDialog(Platform& platform);

    // A new dialog with empty boxes, modal to the whole application and without an owner
    // window, within the screen of the main window; returns when it has closed.
    static BoardChangeAnswer Ask(Platform& platform, const QWidget& mainWindow);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void OnOk();
    void OnCancel();

    Platform& platform_;
    QLineEdit* height_ = nullptr;
    QLineEdit* width_ = nullptr;
    QLineEdit* mines_ = nullptr;
    BoardChangeAnswer answer_;
};

}  // namespace kestravon
