#pragma once

#include <QDialog>

class QLineEdit;

namespace kestravon {

struct Module1;

// The board-change dialog: a height, a width and a number of mines for a custom board.
// It hands its outcome back through Module1 only: OK with an entry that passes the
// tests sets CustomHeight, CustomWidth and CustomMines; Cancel sets CustomHeight to -1;
// the close box changes nothing. Its controls carry their names as objectName.
// (No Q_OBJECT: moc cannot read the class name.)
class 盤面の変更 final : public QDialog {
  public:
    explicit 盤面の変更(Module1& module1);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void OKButtonClick();
    void CancelButtonClick();

    Module1& module1_;
    QLineEdit* 高さ = nullptr;
    QLineEdit* 幅 = nullptr;
    QLineEdit* 地雷の数 = nullptr;
};

// The board-change command's dialog: a new one with empty boxes, modal to the whole
// application and without an owner window. Returns when it has closed; the outcome is in
// module1.
void RunBoardChangeDialog(Module1& module1);

}  // namespace kestravon
