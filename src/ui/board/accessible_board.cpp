// The board as a screen reader gets it: a canvas of cells in rows and columns, and notices.
#include "ui/board/accessible_board.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeySequence>
#include <QPointer>
#include <algorithm>
#include <vector>

#include "engine/tile.h"
#include "ui/board/accessible_leaf.h"
#include "ui/board/board_presses.h"
#include "ui/board/board_speech.h"
#include "ui/board/board_widget.h"

namespace kestravon {

namespace {

// One cell of the board: its name is what it shows and where, read from the game whenever asked.
class AccessibleCell final : public AccessibleLeaf,
                             public QAccessibleTableCellInterface,
                             public QAccessibleActionInterface {
  public:
    AccessibleCell(BoardWidget* board, int cell) : board_(board), cell_(cell) {}

    bool isValid() const override { return board_ && board_->cellGeometry().Contains(cell_); }
    QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(board_.data());
    }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name && isValid() ? CellName(board_->game(), cell_) : QString();
    }
    void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}
    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const QRect cell = board_->cellGeometry().CellRect(cell_);
        return {board_->mapToGlobal(cell.topLeft()), cell.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.focused = board_->hasFocus() && board_->cursor() == cell_;
        state.offscreen =
            !board_->visibleRegion().intersects(board_->cellGeometry().CellRect(cell_));
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        switch (type) {
            case QAccessible::TableCellInterface:
                return static_cast<QAccessibleTableCellInterface*>(this);
            case QAccessible::ActionInterface:
                return static_cast<QAccessibleActionInterface*>(this);
            default:
                return nullptr;
        }
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return board_ ? board_->cellGeometry().Column(cell_) : 0; }
    int rowIndex() const override { return board_ ? board_->cellGeometry().Row(cell_) : 0; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    const BoardWidget* board() const { return board_; }
    int index() const { return cell_; }

    QStringList actionNames() const override {
        QStringList names;
        for (const BoardPress& press : BoardPresses()) {
            names << press.action;
        }
        return names;
    }
    QString localizedActionName(const QString& name) const override {
        const BoardPress* press = FindPress(name);
        return press != nullptr ? press->actionName : QString();
    }
    QString localizedActionDescription(const QString& name) const override {
        const BoardPress* press = FindPress(name);
        return press != nullptr ? press->actionDescription : QString();
    }
    void doAction(const QString& name) override {
        const BoardPress* press = FindPress(name);
        if (press != nullptr && board_) {
            board_->PressCell(cell_, press->press);
        }
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        const BoardPress* press = FindPress(name);
        return press != nullptr ? QStringList{QKeySequence(press->keys.front()).toString()}
                                : QStringList();
    }

  private:
    QPointer<BoardWidget> board_;
    int cell_;
};

// The board as a canvas of cells, whose table interface gives their rows and columns. Neither a
// table nor a list to a screen reader: Orca reads (and builds in braille) a table's whole row at
// each move, and counts a list's items one by one whenever the board is entered (5040 on 地獄),
// where a player wants the one cell and its place at once. The cells stay cells: a screen
// reader keeps what it learnt of a cell, where it asks again for each list item. A cell's
// interface is made when it is first asked for; those of a board of another size are dropped.
class AccessibleBoard final : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit AccessibleBoard(BoardWidget* board)
        : QAccessibleWidget(board, QAccessible::Canvas, QStringLiteral("盤面")) {}
    ~AccessibleBoard() override { DropCells(); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override { return Board().cellGeometry().cellCount(); }
    QAccessibleInterface* child(int index) const override { return Cell(index); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* cell = dynamic_cast<const AccessibleCell*>(child);
        return cell != nullptr && cell->board() == &Board() ? cell->index() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const BoardWidget& board = Board();
        return Cell(board.cellGeometry().CellAt(board.mapFromGlobal(QPoint(x, y))));
    }
    QAccessibleInterface* focusChild() const override {
        return Board().hasFocus() ? Cell(Board().cursor()) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        return row >= 0 && row < rowCount() && column >= 0 && column < columnCount()
                   ? Cell(Board().cellGeometry().CellAt(row, column))
                   : nullptr;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int /*column*/) const override { return {}; }
    QString rowDescription(int /*row*/) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Board().cellGeometry().columns(); }
    int rowCount() const override { return Board().cellGeometry().rows(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int /*column*/) const override { return false; }
    bool isRowSelected(int /*row*/) const override { return false; }
    bool selectRow(int /*row*/) override { return false; }
    bool selectColumn(int /*column*/) override { return false; }
    bool unselectRow(int /*row*/) override { return false; }
    bool unselectColumn(int /*column*/) override { return false; }
    // Names are read from the game when asked; nothing is kept that a change would outdate.
    void modelChange(QAccessibleTableModelChangeEvent* /*event*/) override {}

  private:
    BoardWidget& Board() const { return *static_cast<BoardWidget*>(widget()); }

    QAccessibleInterface* Cell(int index) const {
        const BoardGeometry board = Board().cellGeometry();
        if (!board.Contains(index)) {
            return nullptr;
        }
        const auto count = static_cast<std::size_t>(board.cellCount());
        if (cells_.size() != count || cellsColumns_ != columnCount()) {
            DropCells();
            cells_.assign(count, 0);
            cellsColumns_ = columnCount();
        }
        QAccessible::Id& id = cells_[static_cast<std::size_t>(index)];
        if (id == 0) {
            id = QAccessible::registerAccessibleInterface(new AccessibleCell(&Board(), index));
        }
        return QAccessible::accessibleInterface(id);
    }

    void DropCells() const {
        for (const QAccessible::Id id : cells_) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
        cells_.clear();
    }

    mutable std::vector<QAccessible::Id> cells_;
    mutable int cellsColumns_ = 0;
};

QAccessibleInterface* MakeInterface(const QString& /*className*/, QObject* object) {
    if (auto* board = qobject_cast<BoardWidget*>(object)) {
        return new AccessibleBoard(board);
    }
    return nullptr;
}

// Sends a notice about one cell of the board, as Qt's item views do.
void NotifyCell(BoardWidget& board, int cell, QAccessible::Event type) {
    QAccessibleEvent event(&board, type);
    event.setChild(cell);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

void InstallBoardAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&MakeInterface);
        return true;
    }();
    static_cast<void>(installed);
}

void AnnounceBoardChanges(BoardWidget& board, const GameChanges& changes) {
    if (!QAccessible::isActive() || (!changes.allCells && changes.cells.empty())) {
        return;
    }
    // One notice for the table, spanning the rows and columns that changed.
    if (changes.allCells) {
        QAccessibleTableModelChangeEvent reset(&board,
                                               QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
        return;
    }
    const BoardGeometry geometry = board.cellGeometry();
    const auto [first, last] = std::minmax_element(changes.cells.begin(), changes.cells.end());
    int firstColumn = geometry.columns();
    int lastColumn = 0;
    for (const int cell : changes.cells) {
        firstColumn = std::min(firstColumn, geometry.Column(cell));
        lastColumn = std::max(lastColumn, geometry.Column(cell));
    }
    QAccessibleTableModelChangeEvent changed(&board, QAccessibleTableModelChangeEvent::DataChanged);
    changed.setFirstRow(geometry.Row(*first));
    changed.setLastRow(geometry.Row(*last));
    changed.setFirstColumn(firstColumn);
    changed.setLastColumn(lastColumn);
    QAccessible::updateAccessibility(&changed);
    // And the cursor's cell by its new name, for screen readers that read a focused cell's
    // name again when it changes (UI Automation's); Orca has heard the press's outcome.
    if (std::find(changes.cells.begin(), changes.cells.end(), board.cursor()) !=
        changes.cells.end()) {
        NotifyCell(board, board.cursor(), QAccessible::NameChanged);
    }
}

void AnnounceCursorFocus(BoardWidget& board) {
    if (!QAccessible::isActive() || !board.hasFocus()) {
        return;
    }
    NotifyCell(board, board.cursor(), QAccessible::Focus);
}

}  // namespace kestravon
