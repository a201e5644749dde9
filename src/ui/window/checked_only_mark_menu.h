// A menu whose checkable items show a mark only while checked.
#pragma once

#include <QMenu>

namespace kestravon {

// A menu whose checkable items show a mark only while checked: an unchecked one looks like
// a plain item. (Fusion, Qt's default style on Linux, draws an empty check box beside each
// unchecked item; the Windows styles draw nothing there.) The check column stays, so the
// captions line up whichever item is checked.
class CheckedOnlyMarkMenu final : public QMenu {
    Q_OBJECT

  public:
    CheckedOnlyMarkMenu(const QString& title, QWidget* parent);

  protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
};

}  // namespace kestravon
