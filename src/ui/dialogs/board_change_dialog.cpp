#include "ui/dialogs/board_change_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <variant>

#include "engine/module1.h"
#include "platform/platform.h"
#include "ui/dialogs/board_entry.h"
#include "ui/dialogs/dialog_parts.h"

namespace kestravon {

namespace {

QLineEdit* AddBox(QWidget& window, const QString& name, int top) {
    auto* box = new QLineEdit(&window);
    box->setObjectName(name);
    box->setGeometry(96, top, 41, 18);
    return box;
}

}  // namespace

盤面の変更::盤面の変更(Module1& module1)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      module1_(module1) {
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
    高さ = AddBox(*this, QStringLiteral("高さ"), 40);
    幅 = AddBox(*this, QStringLiteral("幅"), 72);
    地雷の数 = AddBox(*this, QStringLiteral("地雷の数"), 104);

    // A label's access key goes to the first control after it in tab order that takes
    // the focus. All three labels come before the boxes, so that is 高さ for each.
    for (QLabel* label : {label1, label2, label3}) {
        label->setBuddy(高さ);
    }
    setTabOrder(ok, cancel);
    setTabOrder(cancel, 高さ);
    setTabOrder(高さ, 幅);
    setTabOrder(幅, 地雷の数);

    connect(ok, &QPushButton::clicked, this, [this] { OKButtonClick(); });
    connect(cancel, &QPushButton::clicked, this, [this] { CancelButtonClick(); });

    // setGeometry places a window's client area, where move() would place its frame.
    setGeometry(184, 250, 250, 163);
    setFixedSize(250, 163);
    ok->setFocus();
}

void 盤面の変更::keyPressEvent(QKeyEvent* event) {
    if (!TakeButtonOnlyDialogKey(*this, *event)) {
        QDialog::keyPressEvent(event);
    }
}

void 盤面の変更::OKButtonClick() {
    const auto outcome = CheckBoardEntry(高さ->text().toStdString(), 幅->text().toStdString(),
                                         地雷の数->text().toStdString());
    if (const auto* refusal = std::get_if<std::string>(&outcome)) {
        module1_.platform().ShowMessage(*refusal);
        return;
    }
    const auto& entry = std::get<BoardEntry>(outcome);
    module1_.CustomHeight = entry.height;
    module1_.CustomWidth = entry.width;
    module1_.CustomMines = entry.mines;
    accept();
}

void 盤面の変更::CancelButtonClick() {
    module1_.CustomHeight = -1;
    reject();
}

void RunBoardChangeDialog(Module1& module1) {
    盤面の変更 dialog(module1);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.exec();
}

}  // namespace kestravon
