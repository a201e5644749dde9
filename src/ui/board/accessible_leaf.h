// What every accessible object of the board's own making that has no widget and no children
// answers alike.
#pragma once

#include <QAccessibleInterface>

namespace kestravon {

class AccessibleLeaf : public QAccessibleInterface {
  public:
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
};

}  // namespace kestravon
