#include "ui/grid/task_grid.h"

#include "grid/cell_link.h"
#include "grid/find_cell.h"
#include "grid/grid_sorter.h"
#include "platform/shell.h"
#include "ui/grid/cell_painter.h"
#include "ui/grid/cell_text_codec.h"
#include "ui/grid/grid_editors.h"
#include "ui/grid/inplace_edit.h"
#include "ui/grid/ui_colors.h"
#include "ui/wait_cursor.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

namespace tkm {

namespace {

constexpr int LineWidth = 1;
constexpr int ResizeGrip = 3;
// A header click this close to a side edge is taken for the start of a resize.
constexpr int SortClickMargin = 4;

}  // namespace

TTaskGrid::TTaskGrid(Shell& shell, QWidget* parent)
    : QAbstractScrollArea(parent), shell_(shell), editor_(new TGridInplaceEdit(viewport(), lookupItems_, formats_)) {
    store_.SetObserver(this);
    gridFont_ = QFont("Tahoma");
    gridFont_.setStyleHint(QFont::SansSerif);
    gridFont_.setPointSize(8);
    activeCellFont_ = gridFont_;
    activeCellFont_.setBold(true);
    editor_->setFont(gridFont_);
    editors_ = new TGridEditors(viewport(), gridFont_, formats_);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    verticalScrollBar()->setSingleStep(1);
    connect(editor_, &QLineEdit::textEdited, this, &TTaskGrid::OnEditorTextEdited);
    connect(editor_, &TGridInplaceEdit::GridKey, this, &TTaskGrid::OnEditorKey);
    connect(editor_, &TGridInplaceEdit::FocusLeftWindow, this, [this] {
        if (!editing_ || SeparateOpen()) return;
        lookupItems_.Add(DisplayToCell(editor_->text()));
        CommitEdit(store_.GetCellText(editCol_, editRow_));
    });
    connect(editors_, &TGridEditors::GridKey, this, &TTaskGrid::OnSeparateKey);
    connect(editors_, &TGridEditors::FocusLost, this, [this] {
        if (editing_ && SeparateOpen()) CommitEditorRequested();
    });
    UpdateScrollBars();
}

TTaskGrid::~TTaskGrid() {
    // The editor's focus-out must not reach a store that is already gone.
    editing_ = false;
    delete editor_;
    store_.SetObserver(nullptr);
}

void TTaskGrid::AdoptStore(TBaseGrid&& loaded) {
    CommitEditorRequested();
    auto handler = std::move(store_.OnCellsChanged);
    store_ = std::move(loaded);
    store_.OnCellsChanged = std::move(handler);
    store_.SetObserver(this);
    TakeSavedText();
    LayoutChanged();
}

// --- geometry ---

int TTaskGrid::ColumnLeft(int displayCol) const {
    int x = -horizontalScrollBar()->value();
    for (int d = 0; d < displayCol; ++d) x += store_.ColWidth(d) + LineWidth;
    return x;
}

int TTaskGrid::RowTop(int row) const {
    if (row < 0 || row >= store_.RowCount()) return -1;
    if (row < store_.FixedRows()) {
        int y = 0;
        for (int r = 0; r < row; ++r) y += store_.RowHeight(r) + LineWidth;
        return y;
    }
    if (row < store_.TopRow()) return -1;
    int y = RowTop(store_.FixedRows() - 1);
    y = store_.FixedRows() > 0 ? y + store_.RowHeight(store_.FixedRows() - 1) + LineWidth : 0;
    const int height = viewport()->height();
    for (int r = store_.TopRow(); r < row; ++r) {
        y += store_.RowHeight(r) + LineWidth;
        if (y >= height) return -1;
    }
    return y < height ? y : -1;
}

QRect TTaskGrid::CellRect(int displayCol, int row) const {
    if (displayCol < 0 || displayCol >= store_.ColCount()) return {};
    const int y = RowTop(row);
    if (y < 0) return {};
    return QRect(ColumnLeft(displayCol), y, store_.ColWidth(displayCol), store_.RowHeight(row));
}

bool TTaskGrid::CellAt(const QPoint& pos, int& displayCol, int& row) const {
    row = -1;
    int y = 0;
    auto hit = [&](int r) {
        const int h = store_.RowHeight(r);
        if (pos.y() >= y && pos.y() < y + h + LineWidth) row = r;
        y += h + LineWidth;
    };
    for (int r = 0; r < store_.FixedRows() && r < store_.RowCount() && row < 0; ++r) hit(r);
    for (int r = store_.TopRow(); r < store_.RowCount() && row < 0 && y < viewport()->height(); ++r) hit(r);
    if (row < 0) return false;
    int x = -horizontalScrollBar()->value();
    for (int d = 0; d < store_.ColCount(); ++d) {
        const int w = store_.ColWidth(d);
        if (pos.x() >= x && pos.x() < x + w + LineWidth) {
            displayCol = d;
            return true;
        }
        x += w + LineWidth;
    }
    return false;
}

int TTaskGrid::ColumnBorderAt(int x) const {
    int right = -horizontalScrollBar()->value();
    for (int d = 0; d < store_.ColCount(); ++d) {
        right += store_.ColWidth(d);
        if (std::abs(x - right) <= ResizeGrip) return d;
        right += LineWidth;
    }
    return -1;
}

int TTaskGrid::VisibleDataRows() const {
    int fixedHeight = 0;
    for (int r = 0; r < store_.FixedRows() && r < store_.RowCount(); ++r) fixedHeight += store_.RowHeight(r) + 1;
    return std::max(1, (viewport()->height() - fixedHeight) / (store_.DefaultRowHeight() + LineWidth));
}

void TTaskGrid::UpdateScrollBars() {
    const int fixed = store_.FixedRows();
    QScrollBar* v = verticalScrollBar();
    const QSignalBlocker block(v);
    v->setRange(fixed, std::max(fixed, store_.RowCount() - VisibleDataRows()));
    v->setPageStep(VisibleDataRows());
    v->setValue(store_.TopRow());
    int total = 0;
    for (int d = 0; d < store_.ColCount(); ++d) total += store_.ColWidth(d) + LineWidth;
    QScrollBar* h = horizontalScrollBar();
    h->setRange(0, std::max(0, total - viewport()->width()));
    h->setPageStep(viewport()->width());
    h->setSingleStep(20);
}

void TTaskGrid::ScrollToCurrent() {
    // Before the first show the viewport has no real size yet: showEvent does it.
    if (!isVisible()) return;
    const int row = store_.Row();
    if (row >= store_.FixedRows() && row < store_.RowCount()) {
        if (row < store_.TopRow()) {
            store_.SetTopRow(row);
        } else if (RowTop(row) < 0 || RowTop(row) + store_.RowHeight(row) > viewport()->height()) {
            // Make row the last one fully shown.
            int available = viewport()->height();
            for (int r = 0; r < store_.FixedRows(); ++r) available -= store_.RowHeight(r) + LineWidth;
            int top = row;
            available -= store_.RowHeight(row) + LineWidth;
            while (top > store_.FixedRows() && available - (store_.RowHeight(top - 1) + LineWidth) >= 0) {
                --top;
                available -= store_.RowHeight(top) + LineWidth;
            }
            store_.SetTopRow(top);
        }
    }
    // The vertical bar first: moving the horizontal one reads it back.
    UpdateScrollBars();
    const int col = store_.Col();
    if (col >= 0 && col < store_.ColCount()) {
        QScrollBar* h = horizontalScrollBar();
        const int left = ColumnLeft(col) + h->value();
        const int right = left + store_.ColWidth(col);
        if (left < h->value()) h->setValue(left);
        else if (right > h->value() + viewport()->width()) h->setValue(std::min(left, right - viewport()->width()));
    }
    UpdateScrollBars();
    UpdateEditorGeometry();
}

TGridCoord TTaskGrid::FindCell(TGridCoord start, std::string_view text, TFindOptions options) {
    CommitEditor();
    const TWaitCursor wait;
    const TGridCoord hit = tkm::FindCell(store_, start, text, options);
    if (hit != TGridCoord{} && options.Has(TFindOption::SelectHit)) ScrollToCurrent();
    return hit;
}

// --- painting ---

TCellStyle TTaskGrid::OwnerStyle(int displayCol, int row) const {
    const bool fixed = row < store_.FixedRows() || displayCol < store_.FixedCols();
    TCellStyle style;
    style.Brush = fixed ? clBtnFace : clWindow;
    style.FontColor = clWindowText;
    if (OnGetCellColor) OnGetCellColor(store_.DisplayToReal(displayCol), row, style);
    return style;
}

TCellStyle TTaskGrid::CellStyle(int displayCol, int row) const {
    const bool fixed = row < store_.FixedRows() || displayCol < store_.FixedCols();
    TCellStyle style = OwnerStyle(displayCol, row);
    if (!fixed && displayCol == store_.Col() && row == store_.Row()) {
        style.Brush = clHighlight;
        style.FontColor = clHighlightText;
    }
    return style;
}

void TTaskGrid::PaintCell(QPainter& painter, int displayCol, int row, const QRect& rect) const {
    const int real = store_.DisplayToReal(displayCol);
    const bool fixed = row < store_.FixedRows() || displayCol < store_.FixedCols();
    const std::string_view bytes = store_.CellView(real, row);
    TCellPaint cell;
    cell.Rect = rect;
    cell.Text = CellToDisplay(bytes);
    cell.Style = CellStyle(displayCol, row);
    cell.Font = fixed && displayCol == store_.Col() ? activeCellFont_ : gridFont_;
    cell.IsLink = !fixed && IsLinkText(bytes);
    cell.Object = store_.CellObject(real, row);
    cell.CommentMarkerColor = store_.CommentMarkerColor();
    if (row == sortSettings_.Row && real == sortSettings_.Column && SortIndicatorShown())
        cell.SortIndicator = sortSettings_.Direction;
    if (cell.Object && cell.Object->Kind == TCellGraphicKind::ProgressBar) {
        try {
            cell.Value = store_.GetCellInteger(real, row);
        } catch (const EGridError&) {
            // Not a whole number: shown as plain text.
        }
    }
    TCellPainter(palette()).Paint(painter, cell);
}

void TTaskGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect dirty = event->rect();
    const QColor background = palette().color(QPalette::Base);
    const QColor gridLine = ToQColor(clSilver, palette());
    const QColor fixedLine = palette().color(QPalette::Dark);
    painter.fillRect(dirty, background);
    const int width = viewport()->width();
    const int height = viewport()->height();

    auto paintRow = [&](int row, int y) {
        const int h = store_.RowHeight(row);
        if (y + h + LineWidth <= dirty.top() || y > dirty.bottom()) return;
        const bool fixedRow = row < store_.FixedRows();
        int x = -horizontalScrollBar()->value();
        for (int d = 0; d < store_.ColCount() && x < width; ++d) {
            const int w = store_.ColWidth(d);
            if (x + w + LineWidth > 0) {
                PaintCell(painter, d, row, QRect(x, y, w, h));
                const QColor line = fixedRow ? fixedLine : gridLine;
                painter.fillRect(x + w, y, LineWidth, h + LineWidth, line);
                painter.fillRect(x, y + h, w + LineWidth, LineWidth, line);
            }
            x += w + LineWidth;
        }
    };
    int y = 0;
    for (int r = 0; r < store_.FixedRows() && r < store_.RowCount(); ++r) {
        paintRow(r, y);
        y += store_.RowHeight(r) + LineWidth;
    }
    for (int r = store_.TopRow(); r < store_.RowCount() && y < height; ++r) {
        paintRow(r, y);
        y += store_.RowHeight(r) + LineWidth;
    }
}

void TTaskGrid::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    ScrollToCurrent();
}

void TTaskGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
    UpdateEditorGeometry();
}

void TTaskGrid::scrollContentsBy(int, int) {
    store_.SetTopRow(verticalScrollBar()->value());
    // A separate editor closes on any scroll; the normal one only when its cell goes.
    if (editing_ && (SeparateOpen() || CellRect(store_.RealToDisplay(editCol_), editRow_).isEmpty()))
        CommitEditorRequested();
    UpdateEditorGeometry();
    viewport()->update();
}

// --- store notifications ---

void TTaskGrid::CellInvalidated(int realCol, int row) {
    if (editing_ && !SeparateOpen() && !committing_ && realCol == editCol_ && row == editRow_) {
        const QString shown = CellToDisplay(store_.CellView(realCol, row));
        if (editor_->text() != shown) editor_->setText(shown);
    }
    RowInvalidated(row);
}

void TTaskGrid::RowInvalidated(int row) {
    const int y = RowTop(row);
    if (y >= 0) viewport()->update(0, y, viewport()->width(), store_.RowHeight(row) + LineWidth);
}

void TTaskGrid::GridInvalidated() {
    UpdateEditorGeometry();
    viewport()->update();
}

void TTaskGrid::LayoutChanged() {
    UpdateScrollBars();
    UpdateEditorGeometry();
    viewport()->update();
}

void TTaskGrid::CurrentCellChanged() {
    const int real = store_.DisplayToReal(store_.Col());
    if (editing_ && (real != editCol_ || store_.Row() != editRow_)) CommitEditorRequested();
    TakeSavedText();
    if (store_.Row() >= 0) ScrollToCurrent();
    viewport()->update();
}

// --- navigation ---

void TTaskGrid::MoveCurrent(int displayCol, int row) {
    const int first = store_.FixedRows();
    if (store_.RowCount() <= first) return;
    row = std::clamp(row, first, store_.RowCount() - 1);
    displayCol = std::clamp(displayCol, store_.FixedCols(), store_.ColCount() - 1);
    store_.SetCurrentCell(displayCol, row);
}

void TTaskGrid::MoveByTab(bool backward) {
    const int first = store_.FixedRows();
    const int last = store_.RowCount() - 1;
    if (last < first) return;
    int col = store_.Col() + (backward ? -1 : 1);
    int row = store_.Row();
    if (col >= store_.ColCount()) {
        col = store_.FixedCols();
        row = row >= last ? first : row + 1;
    } else if (col < store_.FixedCols()) {
        col = store_.ColCount() - 1;
        row = row <= first ? last : row - 1;
    }
    MoveCurrent(col, row);
}

void TTaskGrid::keyPressEvent(QKeyEvent* event) {
    const int col = store_.Col();
    const int row = store_.Row();
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Up: MoveCurrent(col, row - 1); return;
    case Qt::Key_Down: MoveCurrent(col, row + 1); return;
    case Qt::Key_Left: MoveCurrent(col - 1, row); return;
    case Qt::Key_Right: MoveCurrent(col + 1, row); return;
    case Qt::Key_PageUp: MoveCurrent(col, row - VisibleDataRows()); return;
    case Qt::Key_PageDown: MoveCurrent(col, row + VisibleDataRows()); return;
    case Qt::Key_Home: MoveCurrent(col, store_.FixedRows()); return;
    case Qt::Key_End: MoveCurrent(col, store_.RowCount() - 1); return;
    case Qt::Key_Tab:
        if (!ctrl) MoveByTab(false);
        return;
    case Qt::Key_Backtab:
        if (!ctrl) MoveByTab(true);
        return;
    case Qt::Key_F2: ShowInplaceEditor(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter: ShowInplaceEditor(); return;
    case Qt::Key_Insert:
        if (!(event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier))) InsertRowKey();
        return;
    case Qt::Key_Delete:
        if (!(event->modifiers() & Qt::AltModifier)) DeleteRowKey();
        return;
    default: break;
    }
    const QString text = event->text();
    if (!ctrl && !(event->modifiers() & Qt::AltModifier) && !text.isEmpty() && text[0].isPrint()) {
        OpenEditor(&text);
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void TTaskGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    if (!editing_) return;
    if (SeparateOpen()) editors_->Active()->setFocus();
    else editor_->setFocus();
}

// --- mouse ---

bool TTaskGrid::FollowLink(int displayCol, int row) {
    const std::string text = store_.GetCellText(store_.DisplayToReal(displayCol), row);
    TCellJump jump;
    switch (LinkActionFor(text, jump)) {
    case TLinkAction::None: return IsLinkText(text);
    case TLinkAction::OpenText: shell_.Open(text); return true;
    case TLinkAction::JumpToCell:
        if (jump.Col >= 0 && jump.Col < store_.ColCount() && jump.Row >= 0 && jump.Row < store_.RowCount())
            MoveCurrent(jump.Col, jump.Row);
        return true;
    }
    return false;
}

void TTaskGrid::mousePressEvent(QMouseEvent* event) {
    setFocus();
    int col = 0;
    int row = 0;
    const QPoint pos = event->position().toPoint();
    if (event->button() != Qt::LeftButton) return;
    if (pos.y() < store_.RowHeight(0) + LineWidth && store_.FixedRows() > 0) {
        const int border = ColumnBorderAt(pos.x());
        if (border >= 0) {
            resizingColumn_ = border;
            resizeStartX_ = pos.x();
            resizeStartWidth_ = store_.ColWidth(border);
            return;
        }
    }
    if (!CellAt(pos, col, row)) return;
    if (row < store_.FixedRows()) {
        headerPressed_ = row == sortSettings_.Row;
        return;
    }
    MoveCurrent(col, row);
    if (FollowLink(col, row)) return;
    ShowInplaceEditor();
}

void TTaskGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (resizingColumn_ >= 0) {
        store_.SetColWidth(resizingColumn_, std::max(4, resizeStartWidth_ + pos.x() - resizeStartX_));
        return;
    }
    const bool onBorder = pos.y() < store_.RowHeight(0) + LineWidth && ColumnBorderAt(pos.x()) >= 0;
    viewport()->setCursor(onBorder ? Qt::SplitHCursor : Qt::ArrowCursor);
}

void TTaskGrid::mouseReleaseEvent(QMouseEvent* event) {
    const bool resizing = resizingColumn_ >= 0;
    const bool headerPressed = headerPressed_;
    resizingColumn_ = -1;
    headerPressed_ = false;
    int col = 0;
    if (event->button() != Qt::LeftButton || resizing || !headerPressed) return;
    if (!IsSortClick(event->position().toPoint(), col)) return;
    CommitEditor();
    const int real = store_.DisplayToReal(col);
    if (real == sortSettings_.Column) {
        sortSettings_.Direction = sortSettings_.Direction == TSortDirection::sdAscending ? TSortDirection::sdDescending
                                                                                          : TSortDirection::sdAscending;
    } else {
        sortSettings_.Direction = TSortDirection::sdAscending;
        sortSettings_.Column = real;
    }
    SortByColumn();
}

// A release on the header row, clear of the column borders where a drag resizes.
bool TTaskGrid::IsSortClick(const QPoint& pos, int& displayCol) const {
    int row = 0;
    if (!SortIndicatorShown() || !CellAt(pos, displayCol, row) || row != sortSettings_.Row) return false;
    const QRect cell = CellRect(displayCol, row);
    return pos.x() - cell.left() >= SortClickMargin && cell.right() - pos.x() >= SortClickMargin;
}

// --- sorting ---

bool TTaskGrid::SortIndicatorShown() const {
    return sortSettings_.Show && store_.FixedRows() > 0 && store_.RowCount() > 2;
}

void TTaskGrid::SortByColumn() {
    const TWaitCursor wait;
    tkm::SortByColumn(store_, sortSettings_, formats_);
}

bool TTaskGrid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        int col = 0;
        int row = 0;
        if (CellAt(help->pos(), col, row) && row >= store_.FixedRows()) {
            const QString text = CellToDisplay(store_.CellView(store_.DisplayToReal(col), row));
            if (!text.isEmpty()) {
                QToolTip::showText(help->globalPos(), text, viewport(), CellRect(col, row));
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

}  // namespace tkm
