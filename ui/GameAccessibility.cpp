// What a screen reader learns of the game: the grid as a table of named cells, the clues as choices.
#include "GameAccessibility.h"

#include "ClueLabel.h"
#include "GridBox.h"
#include "GridGeometry.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

#include <array>

namespace {

constexpr int CellCount = GridRows * GridColumns;

// One cell of the grid: its name says its letter, whether it is black, and what it shows.
class CellAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(GridBox* box, Cell cell) : box_(box), cell_(cell) {}

    bool isValid() const override { return box_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return box_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(box_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description)
            return box_->descriptionOf(cell_);
        if (t != QAccessible::Name)
            return {};
        if (!box_->level().isWhite(cell_))
            return QStringLiteral("casella nera");
        QStringList parts;
        if (const char letter = box_->level().letterIn(cell_))
            parts << QString(QChar::fromLatin1(letter));
        const auto* play = box_->play();
        const auto& character = play != nullptr ? play->characterIn(cell_) : std::nullopt;
        const QString shows = character ? QString::fromStdString(*character).trimmed() : QString();
        parts << (shows.isEmpty() ? QStringLiteral("vuota") : shows);
        return parts.join(QStringLiteral(", "));
    }

    QRect rect() const override
    {
        const QRect area = box_->contentsRect();
        const double k = double(area.width()) / grid_geometry::Width;
        const QRectF cell = grid_geometry::CellRect(cell_, k, k);
        const QRect inBox(QPoint(int(cell.left()), int(cell.top())), QPoint(int(cell.right()), int(cell.bottom())));
        return inBox.translated(area.topLeft() + box_->mapToGlobal(QPoint(0, 0)));
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = box_->level().isWhite(cell_);
        state.selectable = state.focusable;
        state.selected = isSelected();
        state.focused = isSelected() && box_->hasFocus();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return box_->cursor() == cell_; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return cell_.column; }
    int rowIndex() const override { return cell_.row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<GridBox> box_;
    Cell cell_;
};

// The grid: a table of 5 rows and 6 columns whose current cell is the keyboard cursor.
class GridAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridAccessible(GridBox* box) : QAccessibleWidget(box, QAccessible::Table) {}
    ~GridAccessible() override
    {
        for (const QAccessible::Id id : cells_)
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                : QAccessibleWidget::interface_cast(t);
    }
    int childCount() const override { return CellCount; }
    QAccessibleInterface* child(int index) const override
    {
        return index >= 0 && index < CellCount ? cellAt(index / GridColumns, index % GridColumns) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < CellCount; ++i)
            if (cells_[std::size_t(i)] != 0 && QAccessible::accessibleInterface(cells_[std::size_t(i)]) == child)
                return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < CellCount; ++i)
            if (child(i)->rect().contains(x, y))
                return child(i);
        return nullptr;
    }

    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || row >= GridRows || column < 0 || column >= GridColumns)
            return nullptr;
        QAccessible::Id& id = cells_[std::size_t(row * GridColumns + column)];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(new CellAccessible(box(), {row, column}));
        return QAccessible::accessibleInterface(id);
    }
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    int selectedCellCount() const override { return 1; }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        return {cellAt(box()->cursor().row, box()->cursor().column)};
    }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return GridColumns; }
    int rowCount() const override { return GridRows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    GridBox* box() const { return static_cast<GridBox*>(widget()); }
    mutable std::array<QAccessible::Id, CellCount> cells_{};
};

// A clue: one choice among the clues, chosen by the screen reader's "press" as by a click.
class ClueAccessible final : public QAccessibleWidget {
public:
    explicit ClueAccessible(ClueLabel* clue) : QAccessibleWidget(clue, QAccessible::RadioButton) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = static_cast<ClueLabel*>(widget())->isChosen();
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            emit static_cast<ClueLabel*>(widget())->clicked();
    }
};

QAccessibleInterface* GameAccessible(const QString&, QObject* object)
{
    if (auto* grid = qobject_cast<GridBox*>(object))
        return new GridAccessible(grid);
    if (auto* clue = qobject_cast<ClueLabel*>(object))
        return new ClueAccessible(clue);
    return nullptr;
}

}  // namespace

void InstallGameAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(GameAccessible);
        return true;
    }();
    static_cast<void>(installed);
}
