#include "ui/grid/task_grid_accessible.h"

#include "base/windows_1252.h"
#include "grid/cell_markup.h"
#include "ui/grid/cell_text_codec.h"
#include "ui/grid/task_grid.h"

#include <QAccessibleValueInterface>

namespace tkm {

namespace {

// A cell's text as the grid draws it: mark-up without its tags, one line a <BR>.
QString ShownText(const TTaskGrid& grid, int realCol, int row) {
    const std::string_view bytes = grid.Store().CellView(realCol, row);
    if (!IsMarkupText(bytes)) return grid.ShownText(realCol, row);
    std::string buffer;
    QString text;
    for (const TMarkupLine& line : ParseMarkup(ShownAsUtf8(bytes, buffer))) {
        if (!text.isEmpty()) text += '\n';
        for (const TMarkupRun& run : line) text += QString::fromStdString(run.Text);
    }
    return text;
}

quint64 CellKey(int row, int displayCol) { return (quint64(quint32(row)) << 32) | quint32(displayCol); }

// One cell, by display column and row among the shown rows. It holds no text
// of its own, so it reads the grid as it is whenever it is asked.
class TGridCellAccessible final : public QAccessibleInterface,
                                  public QAccessibleTableCellInterface,
                                  public QAccessibleValueInterface {
public:
    TGridCellAccessible(TTaskGrid* grid, int row, int displayCol) : grid_(grid), row_(row), col_(displayCol) {}

    bool isValid() const override {
        return grid_ && row_ < grid_->Store().ShownRowCount() && col_ < grid_->Store().ColCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return table(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text type) const override {
        if (type != QAccessible::Name || !isValid()) return {};
        const TBaseGrid& store = grid_->Store();
        return ShownText(*grid_, store.DisplayToReal(col_), StoreRow());
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid()) return {};
        const QRect local = grid_->CellRect(col_, StoreRow());
        return local.isEmpty() ? QRect() : QRect(grid_->viewport()->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::Role role() const override {
        if (!isValid()) return QAccessible::Cell;
        if (row_ < grid_->Store().FixedRows()) return QAccessible::ColumnHeader;
        return col_ < grid_->Store().FixedCols() ? QAccessible::RowHeader : QAccessible::Cell;
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const TBaseGrid& store = grid_->Store();
        const bool fixed = row_ < store.FixedRows() || col_ < store.FixedCols();
        state.invisible = rect().isEmpty();
        if (fixed) return state;
        state.focusable = state.selectable = true;
        state.editable = grid_->EditingEnabled();
        state.selected = isSelected();
        state.focused = state.selected && grid_->hasFocus() && !grid_->EditorMode();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ValueInterface && HoldsProgress()) return static_cast<QAccessibleValueInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override {
        return isValid() && StoreRow() == grid_->Store().Row() && col_ == grid_->Store().Col();
    }
    // A header cell is its own header: the bridge finds a column's header
    // through the cell in row 0.
    QList<QAccessibleInterface*> columnHeaderCells() const override { return HeaderCell(FixedRows() > 0, 0, col_); }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return HeaderCell(FixedCols() > 0, row_, 0); }
    int columnIndex() const override { return col_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return QAccessible::queryAccessibleInterface(grid_.data()); }

    // The progress editor's bounds; a progress cell that is no whole number has no value.
    QVariant currentValue() const override {
        if (!HoldsProgress()) return {};
        try {
            const TBaseGrid& store = grid_->Store();
            return QVariant(int(store.GetCellInteger(store.DisplayToReal(col_), StoreRow())));
        } catch (const EGridError&) {
            return {};
        }
    }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    // Fixed rows are always shown, so they keep their numbers.
    int StoreRow() const { return grid_->Store().ShownRow(row_); }
    int FixedRows() const { return grid_ ? grid_->Store().FixedRows() : 0; }
    int FixedCols() const { return grid_ ? grid_->Store().FixedCols() : 0; }

    QList<QAccessibleInterface*> HeaderCell(bool has, int row, int col) const {
        if (!has || !isValid()) return {};
        auto* grid = static_cast<QAccessibleTableInterface*>(table()->interface_cast(QAccessible::TableInterface));
        return {grid->cellAt(row, col)};
    }

    bool HoldsProgress() const {
        if (!isValid()) return false;
        const TBaseGrid& store = grid_->Store();
        const TCellGraphic* object = store.CellObject(store.DisplayToReal(col_), StoreRow());
        return object && object->Kind == TCellGraphicKind::ProgressBar;
    }

    QPointer<TTaskGrid> grid_;
    int row_;
    int col_;
};

}  // namespace

// --- the table ---

TTaskGridAccessible::TTaskGridAccessible(TTaskGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

TTaskGridAccessible::~TTaskGridAccessible() { ForgetCells(); }

QAccessibleInterface* TTaskGridAccessible::Create(const QString&, QObject* object) {
    if (auto* grid = qobject_cast<TTaskGrid*>(object)) return new TTaskGridAccessible(grid);
    return nullptr;
}

TTaskGrid* TTaskGridAccessible::Grid() const { return static_cast<TTaskGrid*>(widget()); }

void* TTaskGridAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int TTaskGridAccessible::rowCount() const { return Grid()->Store().ShownRowCount(); }

int TTaskGridAccessible::columnCount() const { return Grid()->Store().ColCount(); }

int TTaskGridAccessible::childCount() const { return rowCount() * columnCount(); }

QAccessibleInterface* TTaskGridAccessible::child(int index) const {
    const int cols = columnCount();
    if (index < 0 || cols == 0 || index >= childCount()) return nullptr;
    return cellAt(index / cols, index % cols);
}

int TTaskGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child) return -1;
    auto* cell = static_cast<QAccessibleTableCellInterface*>(
        const_cast<QAccessibleInterface*>(child)->interface_cast(QAccessible::TableCellInterface));
    if (!cell || child->parent() != this) return -1;
    return cell->rowIndex() * columnCount() + cell->columnIndex();
}

QAccessibleInterface* TTaskGridAccessible::cellAt(int row, int column) const {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return nullptr;
    const quint64 key = CellKey(row, column);
    if (const auto found = cells_.find(key); found != cells_.end()) return QAccessible::accessibleInterface(found->second);
    auto* cell = new TGridCellAccessible(Grid(), row, column);
    cells_.emplace(key, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

QAccessibleInterface* TTaskGridAccessible::childAt(int x, int y) const {
    const TGridCoord hit = Grid()->CellAt(Grid()->viewport()->mapFromGlobal(QPoint(x, y)));
    if (hit != TGridCoord{}) return cellAt(Grid()->Store().ShownIndex(hit.Row), hit.Col);
    return QAccessibleWidget::childAt(x, y);
}

QAccessibleInterface* TTaskGridAccessible::focusChild() const {
    if (Grid()->EditorMode()) return QAccessibleWidget::focusChild();
    const TBaseGrid& store = Grid()->Store();
    if (!Grid()->hasFocus() || store.Row() < 0 || !store.IsRowShown(store.Row())) return nullptr;
    return cellAt(store.ShownIndex(store.Row()), store.Col());
}

int TTaskGridAccessible::selectedCellCount() const { return selectedCells().size(); }

QList<QAccessibleInterface*> TTaskGridAccessible::selectedCells() const {
    const TBaseGrid& store = Grid()->Store();
    if (store.Row() < store.FixedRows() || store.Col() < store.FixedCols() || !store.IsRowShown(store.Row())) return {};
    QAccessibleInterface* current = cellAt(store.ShownIndex(store.Row()), store.Col());
    return current ? QList<QAccessibleInterface*>{current} : QList<QAccessibleInterface*>{};
}

QString TTaskGridAccessible::columnDescription(int column) const {
    const TBaseGrid& store = Grid()->Store();
    if (store.FixedRows() == 0 || column < 0 || column >= store.ColCount()) return {};
    return ShownText(*Grid(), store.DisplayToReal(column), 0);
}

QString TTaskGridAccessible::rowDescription(int row) const {
    const TBaseGrid& store = Grid()->Store();
    if (store.FixedCols() == 0 || row < 0 || row >= store.ShownRowCount() || store.ColCount() == 0) return {};
    return ShownText(*Grid(), store.DisplayToReal(0), store.ShownRow(row));
}

void TTaskGridAccessible::modelChange(QAccessibleTableModelChangeEvent*) { ForgetCells(); }

void TTaskGridAccessible::ForgetCells() {
    for (const auto& [key, id] : cells_) QAccessible::deleteAccessibleInterface(id);
    cells_.clear();
}

// --- the events ---

TTaskGridAccessEvents::TTaskGridAccessEvents(TTaskGrid& grid) : grid_(grid) {}

void TTaskGridAccessEvents::FocusCurrentCell() const {
    const TBaseGrid& store = grid_.Store();
    if (!QAccessible::isActive() || grid_.EditorMode() || store.Row() < 0 || store.Col() < 0 ||
        !store.IsRowShown(store.Row()))
        return;
    QAccessibleEvent event(&grid_, QAccessible::Focus);
    event.setChild(TTaskGridAccessible::ChildIndex(store, store.Row(), store.Col()));
    QAccessible::updateAccessibility(&event);
}

void TTaskGridAccessEvents::ResetTable() {
    rows_ = grid_.Store().ShownRowCount();
    cols_ = grid_.Store().ColCount();
    QAccessibleTableModelChangeEvent event(&grid_, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
}

// A sort, a load, a paste or a cleared row changes many cells at once.
void TTaskGridAccessEvents::CellsChanged(const TGridRect& rect) {
    if (QAccessible::isActive() && (rect.Top != rect.Bottom || rect.Left != rect.Right)) ResetTable();
}

void TTaskGridAccessEvents::CellInvalidated(int realCol, int row) {
    const TBaseGrid& store = grid_.Store();
    if (!QAccessible::isActive() || store.IsColumnHidden(realCol) || !store.IsRowShown(row)) return;
    const int child = TTaskGridAccessible::ChildIndex(store, row, store.RealToDisplay(realCol));
    QAccessibleEvent named(&grid_, QAccessible::NameChanged);
    named.setChild(child);
    QAccessible::updateAccessibility(&named);
    QAccessibleInterface* cell = named.accessibleInterface();
    if (cell && cell->valueInterface()) {
        QAccessibleValueChangeEvent value(&grid_, cell->valueInterface()->currentValue());
        value.setChild(child);
        QAccessible::updateAccessibility(&value);
    }
}

// Rows inserted, removed or filtered, columns hidden or shown; a new width is no news.
void TTaskGridAccessEvents::LayoutChanged() {
    if (!QAccessible::isActive()) return;
    if (grid_.Store().ShownRowCount() != rows_ || grid_.Store().ColCount() != cols_) ResetTable();
}

void TTaskGridAccessEvents::CurrentCellChanged() {
    if (grid_.hasFocus()) FocusCurrentCell();
}

}  // namespace tkm
