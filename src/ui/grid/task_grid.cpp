#include "ui/grid/task_grid.h"

#include "base/windows_1252.h"
#include "grid/cell_link.h"
#include "grid/cell_markup.h"
#include "grid/find_cell.h"
#include "tasks/task_sort.h"
#include "platform/shell.h"
#include "ui/grid/cell_painter.h"
#include "ui/grid/cell_text_codec.h"
#include "ui/grid/grid_editors.h"
#include "ui/grid/inplace_edit.h"
#include "ui/grid/ui_colors.h"
#include "ui/screen_font.h"
#include "ui/table_texts.h"
#include "ui/wait_cursor.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

namespace tkm {

namespace {

constexpr int LineWidth = TGridGeometry::LineWidth;
// A header click this close to a side edge is taken for the start of a resize.
constexpr int SortClickMargin = 4;
// About a tenth of a second's sorting.
constexpr int LongSortRows = 100000;

}  // namespace

TTaskGrid::TTaskGrid(Shell& shell, QWidget* parent)
    : QAbstractScrollArea(parent), shell_(shell), editor_(new TGridInplaceEdit(viewport(), lookupItems_, formats_)),
      scheme_(SchemeFromPalette(palette())) {
    store_.AddObserver(*this);
    store_.AddObserver(accessEvents_);
    gridFont_ = ScreenFont(8);
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
        if (!editing_ || SeparateOpen() || HoldsRefusedNumber()) return;
        lookupItems_.Add(DisplayToCell(editor_->text()));
        CommitEdit(NormalEditorText());
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
    store_.RemoveObserver(accessEvents_);
    store_.RemoveObserver(*this);
}

void TTaskGrid::AdoptStore(TBaseGrid&& loaded) {
    CommitEditorRequested();
    store_ = std::move(loaded);
    history_.Clear(false);
    TakeSavedText();
    LayoutChanged();
}

void TTaskGrid::FitShownWords() {
    // In the bold of the current row, with room for the sort mark of a heading.
    const QFontMetrics metrics(activeCellFont_);
    for (const TShownWord& word : TaskTable::ShownWords()) {
        if (store_.IsColumnHidden(word.RealCol)) continue;  // it has no display column to widen
        const int wanted = metrics.horizontalAdvance(QString::fromStdString(word.Shown)) + (word.Heading ? 16 : 6);
        const int col = store_.RealToDisplay(word.RealCol);
        if (store_.ColWidth(col) < wanted) store_.SetColWidth(col, wanted);
    }
}

// --- geometry ---

TGridGeometry TTaskGrid::Geometry() const {
    return TGridGeometry(store_, {horizontalScrollBar()->value(), viewport()->width(), viewport()->height()});
}

QRect TTaskGrid::CellRect(int displayCol, int row) const {
    const TPixelRect r = Geometry().CellRect(displayCol, row);
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

void TTaskGrid::UpdateScrollBars() {
    const TGridGeometry geometry = Geometry();
    const int fixed = store_.FixedRows();
    const int page = geometry.VisibleDataRows();
    QScrollBar* v = verticalScrollBar();
    const QSignalBlocker block(v);
    // The bar counts shown rows: a filter's hidden rows take no room.
    v->setRange(fixed, std::max(fixed, store_.ShownRowCount() - page));
    v->setPageStep(page);
    v->setValue(store_.ShownIndex(store_.TopRow()));
    QScrollBar* h = horizontalScrollBar();
    h->setRange(0, std::max(0, geometry.ContentWidth() - viewport()->width()));
    h->setPageStep(viewport()->width());
    h->setSingleStep(20);
}

void TTaskGrid::ScrollToCurrent() {
    // Before the first show the viewport has no real size yet: showEvent does it.
    if (!isVisible()) return;
    store_.SetTopRow(Geometry().TopRowShowing(store_.Row()));
    // The vertical bar first: moving the horizontal one reads it back.
    UpdateScrollBars();
    const int col = store_.Col();
    if (col >= 0 && col < store_.ColCount()) horizontalScrollBar()->setValue(Geometry().OffsetShowing(col));
    UpdateScrollBars();
    UpdateEditorGeometry();
}

TGridCoord TTaskGrid::CellAt(const QPoint& pos) const { return Geometry().CellAt(pos.x(), pos.y()); }

TGridCoord TTaskGrid::FindCell(TGridCoord start, std::string_view text, TFindOptions options) {
    CommitEditor();
    const TWaitCursor wait;
    const TLongStep step(stepProgress_, true);
    const TGridCoord hit = tkm::FindCell(store_, start, text, options, step.Handler(), TaskTable::ShownWords());
    if (hit != TGridCoord{} && options.Has(TFindOption::SelectHit)) ScrollToCurrent();
    return hit;
}

// --- painting ---

TCellStyler TTaskGrid::Styler() const {
    return TCellStyler(store_, {.Today = clock_->Today(), .Formats = formats_, .DarkWindow = scheme_.IsDark()});
}

TCellStyle TTaskGrid::CellStyle(int displayCol, int row) const { return CellStyle(Styler(), displayCol, row); }

TCellStyle TTaskGrid::CellStyle(const TCellStyler& styler, int displayCol, int row) const {
    TCellStyle style = styler.ScreenStyle(displayCol, row);
    if (IsSelected(displayCol, row)) {
        style.Brush = clHighlight;
        style.FontColor = clHighlightText;
    }
    return style;
}

bool TTaskGrid::IsSelected(int displayCol, int row) const {
    const bool fixed = row < store_.FixedRows() || displayCol < store_.FixedCols();
    return !fixed && displayCol == store_.Col() && row == store_.Row();
}

QString TTaskGrid::ShownText(int realCol, int row) const {
    const std::string_view bytes = store_.CellView(realCol, row);
    const TaskTable::TTableWord word = TaskTable::TableWord(realCol, row < store_.FixedRows(), bytes);
    return word ? TableWordText(word) : CellToDisplay(bytes);
}

void TTaskGrid::PaintCell(QPainter& painter, const TCellStyler& styler, int displayCol, int row,
                          const QRect& rect) const {
    const int real = store_.DisplayToReal(displayCol);
    const bool fixed = row < store_.FixedRows() || displayCol < store_.FixedCols();
    const std::string_view bytes = store_.CellView(real, row);
    TCellPaint cell;
    cell.Rect = rect;
    cell.Text = ShownText(real, row);
    if (IsMarkupText(bytes)) {
        std::string buffer;
        cell.Markup = ParseMarkup(ShownAsUtf8(bytes, buffer));
    }
    cell.Style = CellStyle(styler, displayCol, row);
    cell.Font = cell.Style.ActiveCellFont ? activeCellFont_ : gridFont_;
    cell.Selected = IsSelected(displayCol, row);
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
    TCellPainter(scheme_).Paint(painter, cell);
}

void TTaskGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect dirty = event->rect();
    const QColor gridLine = ToQColor(clSilver, scheme_);
    const QColor fixedLine = ToQColor(clBtnShadow, scheme_);
    painter.fillRect(dirty, ToQColor(clWindow, scheme_));
    const TGridGeometry geometry = Geometry();
    const std::vector<TScreenSpan> columns = geometry.ColumnsOnScreen();
    const TCellStyler styler = Styler();
    for (const TScreenSpan& row : geometry.RowsOnScreen()) {
        const int y = row.Start;
        const int h = row.Size;
        if (y + h + LineWidth <= dirty.top() || y > dirty.bottom()) continue;
        const QColor line = row.Index < store_.FixedRows() ? fixedLine : gridLine;
        for (const TScreenSpan& column : columns) {
            const int x = column.Start;
            const int w = column.Size;
            PaintCell(painter, styler, column.Index, row.Index, QRect(x, y, w, h));
            painter.fillRect(x + w, y, LineWidth, h + LineWidth, line);
            painter.fillRect(x, y + h, w + LineWidth, LineWidth, line);
        }
    }
}

void TTaskGrid::changeEvent(QEvent* event) {
    // The palette answers for the window's state too: active, inactive, disabled.
    switch (event->type()) {
    case QEvent::PaletteChange:
    case QEvent::ActivationChange:
    case QEvent::EnabledChange:
        scheme_ = SchemeFromPalette(palette());
        viewport()->update();
        break;
    default: break;
    }
    QAbstractScrollArea::changeEvent(event);
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
    const int shownTop = verticalScrollBar()->value();
    if (shownTop < store_.ShownRowCount()) store_.SetTopRow(store_.ShownRow(shownTop));
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
    const int y = Geometry().RowTop(row);
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
    if (store_.ShownRowCount() <= first || !EditorMayClose()) return;
    row = std::clamp(row, first, store_.RowCount() - 1);
    if (!store_.IsRowShown(row)) return;
    displayCol = std::clamp(displayCol, store_.FixedCols(), store_.ColCount() - 1);
    store_.SetCurrentCell(displayCol, row);
}

void TTaskGrid::MoveRows(int steps) { MoveCurrent(store_.Col(), store_.ShownRowFrom(store_.Row(), steps)); }

void TTaskGrid::MoveByTab(bool backward) {
    if (store_.ShownRowCount() <= store_.FixedRows()) return;
    const int first = store_.ShownRowFrom(store_.FixedRows(), 0);
    const int last = store_.ShownRow(store_.ShownRowCount() - 1);
    int col = store_.Col() + (backward ? -1 : 1);
    int row = store_.Row();
    if (col >= store_.ColCount()) {
        col = store_.FixedCols();
        row = row >= last ? first : store_.ShownRowFrom(row, 1);
    } else if (col < store_.FixedCols()) {
        col = store_.ColCount() - 1;
        row = row <= first ? last : store_.ShownRowFrom(row, -1);
    }
    MoveCurrent(col, row);
}

void TTaskGrid::keyPressEvent(QKeyEvent* event) {
    const int col = store_.Col();
    const int row = store_.Row();
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Up: MoveRows(-1); return;
    case Qt::Key_Down: MoveRows(1); return;
    case Qt::Key_Left: MoveCurrent(col - 1, row); return;
    case Qt::Key_Right: MoveCurrent(col + 1, row); return;
    case Qt::Key_PageUp: MoveRows(-Geometry().VisibleDataRows()); return;
    case Qt::Key_PageDown: MoveRows(Geometry().VisibleDataRows()); return;
    case Qt::Key_Home: MoveRows(-store_.RowCount()); return;
    case Qt::Key_End: MoveRows(store_.RowCount()); return;
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
        OpenEditor(&text, false);
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void TTaskGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    if (!editing_) {
        accessEvents_.FocusCurrentCell();
        return;
    }
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
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        SelectForMenu(pos);
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    const TGridGeometry geometry = Geometry();
    const int border = geometry.ColumnBorderAt(pos.x(), pos.y());
    if (border >= 0) {
        resizingColumn_ = border;
        resizeStartX_ = pos.x();
        resizeStartWidth_ = store_.ColWidth(border);
        return;
    }
    const TGridCoord cell = geometry.CellAt(pos.x(), pos.y());
    if (cell == TGridCoord{}) return;
    if (cell.Row < store_.FixedRows()) {
        headerPressed_ = cell.Row == sortSettings_.Row;
        return;
    }
    if (!EditorMayClose()) return;
    MoveCurrent(cell.Col, cell.Row);
    if (FollowLink(cell.Col, cell.Row)) return;
    OpenEditor(nullptr, true);
}

// The pop-up menu acts on the current entry, so the entry clicked becomes it.
void TTaskGrid::SelectForMenu(const QPoint& pos) {
    const TGridCoord cell = Geometry().CellAt(pos.x(), pos.y());
    if (cell == TGridCoord{} || cell.Row < store_.FixedRows() || cell.Col < store_.FixedCols()) return;
    CommitEditor();
    MoveCurrent(cell.Col, cell.Row);
}

void TTaskGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (resizingColumn_ >= 0) {
        store_.SetColWidth(resizingColumn_, std::max(4, resizeStartWidth_ + pos.x() - resizeStartX_));
        return;
    }
    const bool onBorder = Geometry().ColumnBorderAt(pos.x(), pos.y()) >= 0;
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
    const int real = store_.DisplayToReal(col);
    const TUndoStep step(*this, SortStepName(real));
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
    const TGridGeometry geometry = Geometry();
    const TGridCoord hit = geometry.CellAt(pos.x(), pos.y());
    if (!SortIndicatorShown() || hit == TGridCoord{} || hit.Row != sortSettings_.Row) return false;
    displayCol = hit.Col;
    const TPixelRect cell = geometry.CellRect(hit.Col, hit.Row);
    return pos.x() - cell.Left >= SortClickMargin && cell.Right - 1 - pos.x() >= SortClickMargin;
}

// --- sorting ---

bool TTaskGrid::SortIndicatorShown() const {
    return sortSettings_.Show && store_.FixedRows() > 0 && store_.RowCount() > 2;
}

void TTaskGrid::SortByColumn() {
    const TWaitCursor wait;
    // Its first reports come only once the sort column is read: a long list shows the bar at once.
    TLongStep step(stepProgress_, false);
    if (store_.RowCount() >= LongSortRows) step.Show();
    SortTaskTable(store_, sortSettings_, formats_, step.Handler());
}

bool TTaskGrid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const TGridCoord cell = Geometry().CellAt(help->pos().x(), help->pos().y());
        if (cell != TGridCoord{} && cell.Row >= store_.FixedRows()) {
            const QString text = ShownText(store_.DisplayToReal(cell.Col), cell.Row);
            if (!text.isEmpty()) {
                QToolTip::showText(help->globalPos(), text, viewport(), CellRect(cell.Col, cell.Row));
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
