#pragma once

#include "grid/base_grid.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <unordered_map>

namespace tkm {

class TTaskGrid;

// The task grid as screen readers see it: a table of the shown rows, the header
// row included, over the shown columns; rows a filter hides are not there. Row 0 holds the column headers and column
// 0 the row headers. Cells are made when asked for and kept until the shape of
// the table changes.
class TTaskGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TTaskGridAccessible(TTaskGrid* grid);
    ~TTaskGridAccessible() override;

    // The factory for QAccessible::installFactory.
    static QAccessibleInterface* Create(const QString& className, QObject* object);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::Role role() const override { return QAccessible::Table; }
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // The grid selects one cell, never whole rows or columns.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    // The index of a cell, by its row in the store, as a child of the table.
    static int ChildIndex(const TBaseGrid& store, int row, int displayCol) {
        return store.ShownIndex(row) * store.ColCount() + displayCol;
    }

private:
    TTaskGrid* Grid() const;
    void ForgetCells();

    mutable std::unordered_map<quint64, QAccessible::Id> cells_;
};

// Tells screen readers what happens in the grid: the current cell moving, a
// cell's text changing, the table changing shape. Silent, and free, while no
// assistive technology listens.
class TTaskGridAccessEvents final : public TGridObserver {
public:
    explicit TTaskGridAccessEvents(TTaskGrid& grid);

    // The current cell takes the focus, as when the grid itself gets it.
    void FocusCurrentCell() const;

    void CellsChanged(const TGridRect& rect) override;
    void CellInvalidated(int realCol, int row) override;
    void LayoutChanged() override;
    void CurrentCellChanged() override;

private:
    void ResetTable();

    TTaskGrid& grid_;
    int rows_ = -1;
    int cols_ = -1;
};

}  // namespace tkm
