// The board-change dialog: three boxes, the rules' refusals, and the player's answer.
#include "ui/dialogs/board_change_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <variant>

#include "platform/platform.h"
#include "ui/dialogs/dialog_parts.h"
#include "ui/screen/window_placement.h"

namespace kestravon {

namespace {

QLineEdit* AddBox(QWidget& window, const QString& name, int top) {
    auto* box = new QLineEdit(&window);
    box->setObjectName(name);
    box->setGeometry(96, top, 41, 18);
    return box;
}

}  // namespace

BoardChangeDialog::BoardChangeDialog(Platform& platform)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      platform_(platform) {
    setObjectName(QStringLiteral("盤面の変更"));
    setWindowTitle(QStringLiteral("盤面の変更"));
    DressDialog(*this);

    // Created in tab order.
    QPushButton* ok =
        AddButton(*this, QStringLiteral("OKButton"), QStringLiteral("OK"), 160, 40, 73, 25);
    QPushButton* cancel =
        AddButton(*this, QStringLiteral("CancelButton"), QStringLiteral("ｷｬﾝｾﾙ"), 160, 96, 73, 25);
    QLabel* label1 =
        AddLabel(*this, QStringLiteral("Label1"), QStringLiteral("高さ(&H):"), 16, 40, 41, 17);
    QLabel* label2 =
        AddLabel(*this, QStringLiteral("Label2"), QStringLiteral("幅(&W):"), 16, 72, 33, 17);
    QLabel* label3 =
        AddLabel(*this, QStringLiteral("Label3"), QStringLiteral("地雷の数(&M):"), 16, 104, 73, 17);
    height_ = AddBox(*this, QStringLiteral("高さ"), 40);
    width_ = AddBox(*this, QStringLiteral("幅"), 72);
    mines_ = AddBox(*this, QStringLiteral("地雷の数"), 104);

    // A label's access key goes to the first control after it in tab order that takes
    // the focus. All three labels come before the boxes, so that is the height for each.
    for (QLabel* label : {label1, label2, label3}) {
        label->setBuddy(height_);
    }
    setTabOrder(ok, cancel);
    setTabOrder(cancel, height_);
    setTabOrder(height_, width_);
    setTabOrder(width_, mines_);

    connect(ok, &QPushButton::clicked, this, &BoardChangeDialog::OnOk);
    connect(cancel, &QPushButton::clicked, this, &BoardChangeDialog::OnCancel);

    // setGeometry places a window's client area, where move() would place its frame.
    setGeometry(184, 250, 250, 163);
    setFixedSize(250, 163);
    ok->setFocus();
}

void BoardChangeDialog::keyPressEvent(QKeyEvent* event) {
    if (!TakeButtonOnlyDialogKey(*this, *event)) {
        QDialog::keyPressEvent(event);
    }
}

void BoardChangeDialog::OnOk() {
    const auto outcome = CheckBoardEntry(
        height_->text().toStdString(), width_->text().toStdString(), mines_->text().toStdString());
    if (const auto* refusal = std::get_if<std::string>(&outcome)) {
        platform_.ShowMessage(*refusal);
        return;
    }
    answer_ = {BoardChangeAnswer::Ending::Accepted, std::get<BoardEntry>(outcome)};
    accept();
}

void BoardChangeDialog::OnCancel() {
    answer_ = {BoardChangeAnswer::Ending::Cancelled, {}};
    reject();
}

BoardChangeAnswer BoardChangeDialog::Ask(Platform& platform, const QWidget& mainWindow) {
    BoardChangeDialog dialog(platform);
    dialog.setWindowModality(Qt::ApplicationModal);
    KeepWithinScreen(dialog, mainWindow);
    dialog.exec();
    return dialog.answer_;
}

}  // namespace kestravon
