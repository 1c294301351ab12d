#include "ui/grid/grid_editors.h"

#include "platform/clock.h"
#include "ui/accessible_widgets.h"
#include "ui/grid/cell_text_codec.h"
#include "ui/grid/grid_date_picker.h"
#include "ui/grid/undo_keys.h"
#include "ui/table_texts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyleOptionComboBox>

#include <algorithm>

namespace tkm {

namespace {

constexpr int DropLines = 8;

}  // namespace

// --- spin editor ---

TGridSpin::TGridSpin(QWidget* parent) : QSpinBox(parent) {}

void TGridSpin::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_PageUp: stepBy(1); break;
    case Qt::Key_PageDown: stepBy(-1); break;
    case Qt::Key_End: setValue(minimum()); break;
    case Qt::Key_Home: setValue(maximum()); break;
    default: QSpinBox::keyPressEvent(event); return;
    }
    // The new value, whole, so that typing replaces it.
    selectAll();
}

std::optional<long long> TGridSpin::TypedNumber() const {
    bool whole = false;
    const long long typed = locale().toLongLong(cleanText(), &whole);
    return whole ? std::optional(typed) : std::nullopt;
}

QValidator::State TGridSpin::validate(QString& input, int& pos) const {
    const QValidator::State state = QSpinBox::validate(input, pos);
    if (state != QValidator::Invalid) return state;
    // 150 is let through to be clamped, never cut to 15.
    bool whole = false;
    locale().toLongLong(input.trimmed(), &whole);
    return whole ? QValidator::Intermediate : state;
}

int TGridSpin::TakeValue() {
    const std::optional<long long> typed = TypedNumber();
    if (typed && (*typed < minimum() || *typed > maximum())) {
        QApplication::beep();
        setValue(int(std::clamp<long long>(*typed, minimum(), maximum())));
    } else {
        interpretText();
    }
    return value();
}

// --- the set of separate editors ---

TGridEditors::TGridEditors(QWidget* viewport, const QFont& font, const TLocaleFormats& formats)
    : QObject(viewport),
      formats_(formats),
      spin_(new TGridSpin(viewport)),
      combo_(new TLabelledComboBox(viewport)),
      date_(new TGridDatePicker(TGridDatePicker::dtkDate, formats, viewport)),
      time_(new TGridDatePicker(TGridDatePicker::dtkTime, formats, viewport)) {
    date_->setCalendarPopup(true);
    spin_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    combo_->setMaxVisibleItems(DropLines);
    // A list below the cell, of at most DropLines lines, in every style.
    combo_->setStyleSheet("QComboBox { combobox-popup: 0; }");
    spin_->setFrame(false);
    combo_->setFrame(false);
    date_->setFrame(false);
    time_->setFrame(false);
    for (QWidget* control : {static_cast<QWidget*>(spin_), static_cast<QWidget*>(combo_),
                             static_cast<QWidget*>(date_), static_cast<QWidget*>(time_)}) {
        control->setFont(font);
        control->setContextMenuPolicy(Qt::NoContextMenu);
        control->installEventFilter(this);
        control->hide();
    }
    combo_->view()->installEventFilter(this);
    combo_->view()->window()->installEventFilter(this);
    connect(combo_, &QComboBox::currentIndexChanged, this, [this] {
        if (active_ == combo_) Place(cellRect_);
    });
}

bool TGridEditors::IsSeparate(TEditorType kind) {
    return kind == TEditorType::SpinEdit || kind == TEditorType::ComboList || kind == TEditorType::DatePicker ||
           kind == TEditorType::TimePicker;
}

void TGridEditors::SetSpinBounds(int minimum, int maximum) { spin_->setRange(minimum, maximum); }

void TGridEditors::ApplyFormats() {
    date_->ApplyFormats();
    time_->ApplyFormats();
}

void TGridEditors::Open(TEditorType kind, const TEditorStart& start, const Clock& clock) {
    Close();
    kind_ = kind;
    startValue_ = start.Value;
    switch (kind) {
    case TEditorType::SpinEdit:
        spin_->setValue(int(std::clamp<long long>(start.Integer, spin_->minimum(), spin_->maximum())));
        active_ = spin_;
        break;
    case TEditorType::ComboList:
        combo_->clear();
        // The task table's words: shown in the user's language, stored in English.
        for (const std::string& item : comboItems_) combo_->addItem(VocabularyText(item));
        SelectEqualItem();
        FitDropWidth();
        active_ = combo_;
        break;
    case TEditorType::DatePicker: active_ = date_; break;
    case TEditorType::TimePicker: active_ = time_; break;
    default: kind_ = TEditorType::Normal; return;
    }
    ReadPicker(clock);
    Paint(active_, start.Background);
    Place(start.Rect);
    active_->show();
    active_->raise();
    active_->setFocus(Qt::OtherFocusReason);
    if (kind == TEditorType::SpinEdit) spin_->selectAll();
    if (kind == TEditorType::ComboList) {
        combo_->showPopup();
        dropped_.start();
        // A text that is none of the items still offers the first one.
        if (combo_->currentIndex() < 0 && combo_->count() > 0)
            combo_->view()->setCurrentIndex(combo_->model()->index(0, 0));
    }
}

void TGridEditors::TypeFirstKey(const QString& text) {
    if (text.isEmpty() || !active_ || active_ == combo_) return;
    QKeyEvent press(QEvent::KeyPress, int(text.at(0).toUpper().unicode()), Qt::NoModifier, text);
    QCoreApplication::sendEvent(active_, &press);
}

void TGridEditors::SelectEqualItem() {
    const auto equal = std::find(comboItems_.begin(), comboItems_.end(), startValue_);
    // A text outside the list is shown as it is until an item is picked.
    combo_->setPlaceholderText(CellToDisplay(startValue_));
    combo_->setCurrentIndex(equal == comboItems_.end() ? -1 : int(equal - comboItems_.begin()));
}

void TGridEditors::ReadPicker(const Clock& clock) {
    if (kind_ == TEditorType::DatePicker)
        date_->SetValue({ParseDate(startValue_, formats_).value_or(clock.Today()), {}});
    else if (kind_ == TEditorType::TimePicker)
        time_->SetValue({{}, ParseTime(startValue_, formats_).value_or(clock.Now())});
}

void TGridEditors::FitDropWidth() {
    const QFontMetrics metrics(combo_->view()->font());
    int widest = 0;
    for (int i = 0; i < combo_->count(); ++i) widest = std::max(widest, metrics.horizontalAdvance(combo_->itemText(i)));
    // More items than lines bring a scroll bar that needs room too.
    combo_->view()->setMinimumWidth(widest + (combo_->count() > DropLines ? 25 : 8));
}

void TGridEditors::Paint(QWidget* control, const QColor& background) {
    QPalette palette = control->parentWidget()->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Button, background);
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::PlaceholderText, palette.color(QPalette::Text));
    control->setPalette(palette);
    control->setAutoFillBackground(true);
    // The dropped list keeps the desktop's colours.
    if (control == combo_) combo_->view()->setPalette(control->parentWidget()->palette());
}

std::string TGridEditors::Text() {
    switch (kind_) {
    case TEditorType::SpinEdit: return std::to_string(spin_->TakeValue());
    case TEditorType::ComboList: {
        const int index = combo_->currentIndex();
        return index >= 0 && index < int(comboItems_.size()) ? comboItems_[std::size_t(index)] : startValue_;
    }
    case TEditorType::DatePicker: return date_->Text();
    case TEditorType::TimePicker: return time_->Text();
    default: return startValue_;
    }
}

void TGridEditors::Close() {
    if (!active_) return;
    QWidget* control = active_;
    active_ = nullptr;
    kind_ = TEditorType::Normal;
    if (control == combo_) combo_->hidePopup();
    if (control == date_ && date_->calendarWidget() && date_->calendarWidget()->window()->isVisible())
        date_->calendarWidget()->window()->hide();
    control->hide();
}

void TGridEditors::Place(const QRect& rect) {
    if (!active_) return;
    // Over the cell; wider only where the cell is too narrow for the value
    // and the button, kept inside the grid.
    cellRect_ = rect;
    QRect place = rect;
    place.setWidth(std::max(rect.width(), NeededWidth()));
    const int room = active_->parentWidget()->width();
    if (place.right() >= room) place.moveRight(std::max(room - 1, place.width() - 1));
    active_->setGeometry(place);
}

int TGridEditors::NeededWidth() const {
    if (active_ == date_) return date_->NeededWidth();
    if (active_ == time_) return time_->NeededWidth();
    if (active_ != combo_) return active_->minimumSizeHint().width();
    // The list's own hint is for its widest item; the box needs the shown one.
    QStyleOptionComboBox option;
    option.initFrom(combo_);
    option.frame = combo_->hasFrame();
    const QString shown = combo_->currentIndex() < 0 ? combo_->placeholderText() : combo_->currentText();
    const QFontMetrics metrics = combo_->fontMetrics();
    const QSize text(metrics.horizontalAdvance(shown) + 4, metrics.height());
    return combo_->style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, combo_).width();
}

bool TGridEditors::HasFocus() const {
    if (!active_) return false;
    // The dropped list and the calendar are windows of their own, owned by the control.
    for (const QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
        if (w == active_) return true;
    return false;
}

bool TGridEditors::IsDropKey(const QKeyEvent& key) {
    return key.key() == Qt::Key_F4 ||
           ((key.modifiers() & Qt::AltModifier) && (key.key() == Qt::Key_Down || key.key() == Qt::Key_Up));
}

void TGridEditors::OpenCalendar() {
    // The date edit drops its calendar only from a click on its button.
    const QPoint button(date_->width() - 5, date_->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, button, date_->mapToGlobal(button), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(date_, &press);
}

bool TGridEditors::IsGridKey(int key) const {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return true;
    case Qt::Key_Up:
    case Qt::Key_Down: return kind_ == TEditorType::SpinEdit;
    case Qt::Key_Left:
    case Qt::Key_Right: return kind_ == TEditorType::ComboList;
    default: return false;
    }
}

bool TGridEditors::eventFilter(QObject* watched, QEvent* event) {
    if (!active_) return false;
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        // The release of the click on the cell that dropped the list must not
        // close it again.
        return watched == combo_->view()->window() && dropped_.isValid() &&
               dropped_.elapsed() < QApplication::doubleClickInterval() &&
               !combo_->view()->viewport()->rect().contains(combo_->view()->viewport()->mapFromGlobal(
                   static_cast<QMouseEvent*>(event)->globalPosition().toPoint()));
    case QEvent::ShortcutOverride: {
        // Shift+Ins and Shift+Del are the window's (add and delete an entry).
        auto* key = static_cast<QKeyEvent*>(event);
        const auto* control = qobject_cast<QWidget*>(watched);
        if ((key->modifiers() == Qt::ShiftModifier && (key->key() == Qt::Key_Insert || key->key() == Qt::Key_Delete)) ||
            LeavesUndoKeyToWindow(*key, control ? control->findChild<QLineEdit*>() : nullptr)) {
            event->ignore();
            return true;
        }
        return false;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == date_ && IsDropKey(*key)) {
            OpenCalendar();
            return true;
        }
        if ((key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) || !IsGridKey(key->key())) return false;
        if (watched == combo_->view()) {
            const bool pick = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            if (pick && combo_->view()->currentIndex().isValid())
                combo_->setCurrentIndex(combo_->view()->currentIndex().row());
            combo_->hidePopup();
        }
        emit GridKey(key);
        return true;
    }
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (watched == active_ && reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason && !HasFocus())
            emit FocusLost();
        return false;
    }
    default: return false;
    }
}

}  // namespace tkm
