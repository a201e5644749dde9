#include "ui/main/board_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <algorithm>
#include <vector>

#include "ui/main/board_cells.h"
#include "ui/main/board_widget.h"
#include "ui/main/face_button.h"

namespace kestravon {

namespace {

// What a cell's two actions do, and what a screen reader says of them.
struct CellAction {
    MouseButton button;
    const char* localizedName;
    const char* description;
    const char* keys;  // the keyboard's way to the same press
};

// Opening is Qt's press action, marking the one that stands for a context menu.
const CellAction* FindCellAction(const QString& name) {
    static const CellAction open{MouseButton::Left, "開く", "マスを開きます", "Space"};
    static const CellAction mark{MouseButton::Right, "印をつける",
                                 "旗、はてな、印なしの順に印を替えます", "Shift+F10"};
    if (name == QAccessibleActionInterface::pressAction()) {
        return &open;
    }
    return name == QAccessibleActionInterface::showMenuAction() ? &mark : nullptr;
}

// One cell of the board: its name is what it shows, read from the game whenever asked.
class AccessibleCell final : public QAccessibleInterface,
                             public QAccessibleTableCellInterface,
                             public QAccessibleActionInterface {
  public:
    AccessibleCell(BoardWidget* board, int cell) : board_(board), cell_(cell) {}

    bool isValid() const override {
        return board_ && cell_ < static_cast<int>(board_->game().cells().size());
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(board_.data());
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name && isValid()
                   ? TileName(board_->game().cells()[static_cast<std::size_t>(cell_)].tile)
                   : QString();
    }
    void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}
    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const QRect cell = board_->CellRect(cell_);
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
        state.offscreen = !board_->visibleRegion().intersects(board_->CellRect(cell_));
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
    int columnIndex() const override { return board_ ? cell_ % board_->game().columns() : 0; }
    int rowIndex() const override { return board_ ? cell_ / board_->game().columns() : 0; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    const BoardWidget* board() const { return board_; }
    int index() const { return cell_; }

    QStringList actionNames() const override { return {pressAction(), showMenuAction()}; }
    QString localizedActionName(const QString& name) const override {
        const CellAction* action = FindCellAction(name);
        return action != nullptr ? QString::fromUtf8(action->localizedName) : QString();
    }
    QString localizedActionDescription(const QString& name) const override {
        const CellAction* action = FindCellAction(name);
        return action != nullptr ? QString::fromUtf8(action->description) : QString();
    }
    void doAction(const QString& name) override {
        const CellAction* action = FindCellAction(name);
        if (action != nullptr && isValid()) {
            board_->PressCell(cell_, action->button);
        }
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        const CellAction* action = FindCellAction(name);
        return action != nullptr ? QStringList{QString::fromLatin1(action->keys)} : QStringList();
    }

  private:
    QPointer<BoardWidget> board_;
    int cell_;
};

// The board as a table of its rows and columns. A cell's interface is made when it is first
// asked for; those of a board of another size are dropped.
class AccessibleBoard final : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit AccessibleBoard(BoardWidget* board)
        : QAccessibleWidget(board, QAccessible::Table, QStringLiteral("盤面")) {}
    ~AccessibleBoard() override { DropCells(); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override { return static_cast<int>(Board().game().cells().size()); }
    QAccessibleInterface* child(int index) const override { return Cell(index); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* cell = dynamic_cast<const AccessibleCell*>(child);
        return cell != nullptr && cell->board() == &Board() ? cell->index() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const BoardWidget& board = Board();
        return Cell(CellAtPixel(board.mapFromGlobal(QPoint(x, y)), board.game().columns(),
                                board.game().rows()));
    }
    QAccessibleInterface* focusChild() const override {
        return Board().hasFocus() ? Cell(Board().cursor()) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        return row >= 0 && row < rowCount() && column >= 0 && column < columnCount()
                   ? Cell(row * columnCount() + column)
                   : nullptr;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int /*column*/) const override { return {}; }
    QString rowDescription(int /*row*/) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Board().game().columns(); }
    int rowCount() const override { return Board().game().rows(); }
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
        const std::size_t count = Board().game().cells().size();
        if (index < 0 || static_cast<std::size_t>(index) >= count) {
            return nullptr;
        }
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

// The face button: a push button that starts a new game.
class AccessibleFaceButton final : public QAccessibleWidget {
  public:
    explicit AccessibleFaceButton(FaceButton* face)
        : QAccessibleWidget(face, QAccessible::Button) {}

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction()) {
            static_cast<FaceButton*>(widget())->Click();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }
};

QAccessibleInterface* MakeInterface(const QString& /*className*/, QObject* object) {
    if (auto* board = qobject_cast<BoardWidget*>(object)) {
        return new AccessibleBoard(board);
    }
    if (auto* face = qobject_cast<FaceButton*>(object)) {
        return new AccessibleFaceButton(face);
    }
    return nullptr;
}

QAccessibleInterface* CellOf(BoardWidget& board, int cell) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&board);
    return table != nullptr && table->tableInterface() != nullptr ? table->child(cell) : nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(&MakeInterface);
        return true;
    }();
    static_cast<void>(installed);
}

QString TileName(Tile tile) {
    switch (tile) {
        case Tile::None:
            return QStringLiteral("未開");
        case Tile::Flag:
            return QStringLiteral("旗");
        case Tile::Understand:
            return QStringLiteral("はてな");
        case Tile::Push:
            return QStringLiteral("空白");
        case Tile::Bomb:
            return QStringLiteral("爆弾");
        case Tile::Bomb1:
            return QStringLiteral("踏んだ爆弾");
        default:
            return QString::number(static_cast<int>(tile) - static_cast<int>(Tile::Num1) + 1);
    }
}

QString FaceStateName(Face face) {
    switch (face) {
        case Face::Start:
            return QStringLiteral("プレイ中");
        case Face::Clear:
            return QStringLiteral("クリア");
        case Face::Fail:
            return QStringLiteral("失敗");
    }
    return {};
}

void AnnounceBoardChanges(BoardWidget& board, const GameChanges& changes) {
    if (!QAccessible::isActive() || (!changes.allCells && changes.cells.empty())) {
        return;
    }
    // One notice for the table, spanning the rows and columns that changed.
    const int columns = board.game().columns();
    if (changes.allCells) {
        QAccessibleTableModelChangeEvent reset(&board,
                                               QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
        return;
    }
    const auto [first, last] = std::minmax_element(changes.cells.begin(), changes.cells.end());
    int firstColumn = columns;
    int lastColumn = 0;
    for (const int cell : changes.cells) {
        firstColumn = std::min(firstColumn, cell % columns);
        lastColumn = std::max(lastColumn, cell % columns);
    }
    QAccessibleTableModelChangeEvent changed(&board, QAccessibleTableModelChangeEvent::DataChanged);
    changed.setFirstRow(*first / columns);
    changed.setLastRow(*last / columns);
    changed.setFirstColumn(firstColumn);
    changed.setLastColumn(lastColumn);
    QAccessible::updateAccessibility(&changed);
    // And one for the cell under the cursor, which a screen reader reads out when it changes.
    if (std::find(changes.cells.begin(), changes.cells.end(), board.cursor()) !=
        changes.cells.end()) {
        if (QAccessibleInterface* cell = CellOf(board, board.cursor())) {
            QAccessibleEvent renamed(cell, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&renamed);
        }
    }
}

void AnnounceCursorFocus(BoardWidget& board) {
    if (!QAccessible::isActive() || !board.hasFocus()) {
        return;
    }
    if (QAccessibleInterface* cell = CellOf(board, board.cursor())) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

}  // namespace kestravon
