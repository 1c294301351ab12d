#include "ui/app/main_window.h"

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "tasks/color_rules.h"
#include "tasks/due_status.h"
#include "tasks/document_name.h"
#include "ui/app/clipboard_commands.h"
#include "ui/app/command_guard.h"
#include "ui/app/command_icons.h"
#include "ui/app/document_commands.h"
#include "ui/grid/cell_text_codec.h"
#include "ui/dialogs/stat_form.h"
#include "ui/grid/grid_find_dialog.h"
#include "ui/grid/task_grid.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QVBoxLayout>

namespace tkm {

namespace {

constexpr int WindowWidth = 545;
constexpr int WindowHeight = 425;

// What each command is; commands still to come stand disabled in their places.
struct TCommand {
    const char* Name;
    const char* Caption;
    const char* Hint;
    const char* ToolTip;  // tool button caption, or nullptr
    QKeySequence Shortcut;
    std::optional<TCommandIcon> Icon;
};

}  // namespace

TfrmMain::TfrmMain(const TAppServices& services, const QStringList& documents, QWidget* parent)
    : QMainWindow(parent), services_(services), frmstgMain_(services.IniFileName) {
    frmstgMain_.Link(mruMain_, "TfrmMain.mruMain");
    setObjectName("frmMain");
    QFont windowFont("MS Sans Serif");
    windowFont.setStyleHint(QFont::SansSerif);
    windowFont.setPointSize(8);
    setFont(windowFont);

    stgMain_ = new TTaskGrid(services_.DesktopShell, this);
    stgMain_->setObjectName("stgMain");
    stgMain_->SetClock(services_.TimeSource);
    stgMain_->SetFormats(services_.Formats);
    TaskTable::SetUpGrid(stgMain_->Store());
    stgMain_->Store().OnCellsChanged = [this](const TGridRect& r) { stgMainCellsChanged(r); };
    stgMain_->OnGetEditorType = [this](int col, int row, TEditorType& e) { stgMainGetEditorType(col, row, e); };
    stgMain_->OnGetCellColor = [this](int col, int row, TCellStyle& style) { stgMainGetCellColor(col, row, style); };
    stgMain_->OnGetEditText = [this](int col, int row, std::string& value) { stgMainGetEditText(col, row, value); };

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(CreateDateBand());
    layout->addWidget(stgMain_, 1);
    setCentralWidget(central);
    CreateCommands();
    CreateStatusBar();
    documents_ = std::make_unique<TDocumentCommands>(
        services_, mruMain_,
        TDocumentCommands::TWindowParts{*this, *stgMain_, *mnuReopen_, *panels_[0],
                                        [this](const QString& hint) { ShowHint(hint); }});
    fdlgMain_ = new TGridFindDialog(stgMain_, services_.DialogBoxes, this);

    resize(WindowWidth, WindowHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(WindowWidth / 2, WindowHeight / 2));
    }
    FormCreate(documents);
}

TfrmMain::~TfrmMain() {
    // An open editor would commit on its focus-out while the children go,
    // calling back into a window that is half gone: it commits now.
    stgMain_->CommitEditor();
    // Exit ends here without the close question: the reopen list is stored now.
    // A failure has nowhere left to be reported.
    IgnoringStepFailures([this] { frmstgMain_.SaveOnDestroy(); });
}

QWidget* TfrmMain::CreateDateBand() {
    auto* band = new QWidget(this);
    band->setAutoFillBackground(true);
    QPalette palette = band->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    band->setPalette(palette);
    lblTodaysDate_ = new QLabel(band);
    lblTodaysDate_->setObjectName("lblTodaysDate");
    QFont font = lblTodaysDate_->font();
    font.setPixelSize(17);
    font.setBold(true);
    lblTodaysDate_->setFont(font);
    auto* layout = new QHBoxLayout(band);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->addWidget(lblTodaysDate_);
    return band;
}

void TfrmMain::CreateStatusBar() {
    QStatusBar* stbMain = statusBar();
    stbMain->setObjectName("stbMain");
    stbMain->setSizeGripEnabled(true);
    const int widths[3] = {50, 4, 50};
    for (int i = 0; i < 3; ++i) {
        panels_[i] = new QLabel(stbMain);
        panels_[i]->setObjectName(QString("stbPanel%1").arg(i));
        panels_[i]->setMinimumWidth(widths[i]);
        if (i == 1) {
            panels_[i]->setFixedWidth(widths[i]);
            panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Raised);
        } else if (i == 0) {
            panels_[i]->setFixedWidth(widths[i]);
        }
        stbMain->addWidget(panels_[i], i == 2 ? 1 : 0);
    }
}

void TfrmMain::CreateCommands() {
    auto make = [this](const TCommand& c, void (TfrmMain::*slot)()) {
        auto* action = new QAction(c.Caption, this);
        action->setObjectName(c.Name);
        action->setStatusTip(c.Hint);
        if (c.ToolTip) action->setToolTip(c.ToolTip);
        if (!c.Shortcut.isEmpty()) action->setShortcut(c.Shortcut);
        if (c.Icon) action->setIcon(CommandIcon(*c.Icon));
        if (slot) connect(action, &QAction::triggered, this, slot);
        else action->setEnabled(false);
        addAction(action);
        return action;
    };
    using I = TCommandIcon;
    QAction* newFile = make({"aclNewFile", "&New File", "Create a new file", "New File (Ctrl+N)",
                             QKeySequence("Ctrl+N"), I::NewFile}, &TfrmMain::aclNewFileExecute);
    QAction* open = make({"aclOpen", "&Open...", "Open a file", "Open (Ctrl+O)", QKeySequence("Ctrl+O"), I::Open},
                         &TfrmMain::aclOpenExecute);
    QAction* save = make({"aclFileSave", "&Save", "Save changes", "Save (Ctrl+S)", QKeySequence("Ctrl+S"), I::Save},
                         &TfrmMain::aclFileSaveExecute);
    QAction* saveAs = make({"aclSaveAs", "Save &As...", "Save this entry as a file", nullptr, {}, {}},
                           &TfrmMain::aclSaveAsExecute);
    QAction* print = make({"aclPrint", "&Print...", "Print current page", "Print", QKeySequence("Ctrl+P"), I::Print},
                          nullptr);
    QAction* printSetup = make({"aclPrintSetup", "Print Setup", "Setup print properties", nullptr, {}, {}}, nullptr);
    QAction* exit = make({"aclClose", "Exit", "Closes and exit Taskmere", nullptr, {}, {}}, &TfrmMain::aclCloseExecute);
    QAction* cut = make({"aclCut", "Cu&t", "Removes the current selection and copy it onto the Clipboard", "Cut",
                         QKeySequence("Ctrl+X"), I::Cut}, nullptr);
    QAction* copy = make({"aclCopy", "&Copy", "Copies the current selection onto the Clipboard", "Copy",
                          QKeySequence("Ctrl+C"), I::Copy}, nullptr);
    QAction* paste = make({"aclPaste", "&Paste", "Insert the item you have copied or cut into the selected location",
                           "Paste", QKeySequence("Ctrl+V"), I::Paste}, nullptr);
    QAction* addEntry = make({"aclAddNewEntry", "&Add New Entry", "Adds a new entry to the list", "Add New Entry",
                              QKeySequence("Shift+Ins"), I::AddEntry}, &TfrmMain::aclAddNewEntryExecute);
    QAction* del = make({"aclDelete", "&Delete", "Deletes current entry", "Delete", QKeySequence("Shift+Del"),
                         I::Delete}, &TfrmMain::aclDeleteExecute);
    QAction* multiple = make({"aclMultipleRow", "Add &Multiple Entries...", "Adds multiple entries to the list",
                              "Add Multiple Entries", QKeySequence("Ctrl+M"), I::AddMultiple}, nullptr);
    QAction* find = make({"aclFind", "Find", "Searches for text on the list", "Find", QKeySequence("Ctrl+F"), I::Find},
                         &TfrmMain::aclFindExecute);
    QAction* refresh = make({"mnuRefresh1", "&Refresh", "Refreshes the list", nullptr, {}, {}},
                            &TfrmMain::mnuRefresh1Click);
    QAction* calendar = make({"aclViewCalendar", "&View Calendar", "Opens calendar window", "View Calendar", {},
                              I::Calendar}, nullptr);
    QAction* renumber = make({"aclRenumber", "Re&number Entries", "Renumbers the list", nullptr, QKeySequence("F4"),
                              {}}, &TfrmMain::aclRenumberExecute);
    QAction* stat = make({"aclStat", "St&atistics...", "Opens the statistic report on current list", nullptr,
                          QKeySequence("F5"), {}}, &TfrmMain::aclStatExecute);
    QAction* contents = make({"mnuContents1", "&Contents", "Opens help", nullptr, QKeySequence("F1"), {}},
                             &TfrmMain::mnuContents1Click);
    QAction* about = make({"aclabout", "&About Taskmere", "About Taskmere", nullptr, {}, {}}, nullptr);

    QMenu* file = menuBar()->addMenu("&File");
    file->menuAction()->setStatusTip("Contains commands for working for the document");
    file->addAction(newFile);
    file->addAction(open);
    mnuReopen_ = file->addMenu("&Reopen");
    mnuReopen_->setObjectName("mnuReopen");
    mnuReopen_->menuAction()->setStatusTip("Reopen file");
    mnuReopen_->setEnabled(false);
    file->addSeparator();
    file->addAction(save);
    file->addAction(saveAs);
    file->addSeparator();
    file->addAction(print);
    file->addAction(printSetup);
    file->addSeparator();
    file->addAction(exit);

    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->menuAction()->setStatusTip("Contains edit commands");
    edit->addActions({cut, copy, paste});
    edit->addSeparator();
    edit->addActions({addEntry, del, multiple});
    edit->addSeparator();
    edit->addActions({find, refresh});
    mnuSortBy_ = edit->addMenu("&Sort By...");
    mnuSortBy_->setObjectName("mnuSortBy");
    mnuSortBy_->menuAction()->setStatusTip("Sorts the entry based on column name");
    const char* accelerators = "123456789ABCD";
    for (int col = 1; col < TaskColumnCount; ++col) {
        QAction* item = mnuSortBy_->addAction(QString("&%1 %2").arg(accelerators[col - 1])
                                                  .arg(QString::fromUtf8(TaskTable::Headers[std::size_t(col)].data(),
                                                                         qsizetype(TaskTable::Headers[std::size_t(col)].size()))));
        item->setData(col);
        item->setStatusTip("Sorts the entry based on column name");
    }
    connect(mnuSortBy_, &QMenu::triggered, this, &TfrmMain::aclSortByColExecute);
    edit->addAction(calendar);
    edit->addSeparator();
    edit->addAction(renumber);
    edit->addSeparator();
    edit->addAction(stat);

    clipboard_ = new TClipboardCommands(cut, copy, paste, this);
    connect(edit, &QMenu::aboutToShow, clipboard_, &TClipboardCommands::Update);

    QMenu* help = menuBar()->addMenu("&Help");
    help->menuAction()->setStatusTip("Contains commands for displaying help");
    help->addAction(contents);
    help->addSeparator();
    help->addAction(about);

    pmMain_ = new QMenu(this);
    pmMain_->setObjectName("pmMain");
    pmMain_->addActions({cut, copy, paste});
    pmMain_->addSeparator();
    pmMain_->addActions({addEntry, del, multiple});
    pmMain_->addSeparator();
    pmMain_->addAction(renumber);
    connect(pmMain_, &QMenu::aboutToShow, clipboard_, &TClipboardCommands::Update);
    stgMain_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(stgMain_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { pmMain_->popup(stgMain_->mapToGlobal(pos)); });

    tlbMain_ = addToolBar("Tools");
    tlbMain_->setObjectName("tlbMain");
    tlbMain_->setMovable(false);
    tlbMain_->setIconSize(QSize(16, 16));
    tlbMain_->addActions({newFile, open, save});
    tlbMain_->addSeparator();
    tlbMain_->addActions({print, find});
    tlbMain_->addSeparator();
    tlbMain_->addActions({cut, copy, paste});
    tlbMain_->addSeparator();
    tlbMain_->addActions({addEntry, del, multiple});
    tlbMain_->addSeparator();
    tlbMain_->addAction(calendar);
}

void TfrmMain::FormCreate(const QStringList& documents) {
    setWindowTitle("Untitled - Taskmere");
    for (const QString& document : documents) OpenDocument(DisplayToCell(document));
    const bool opened = DocumentFileName() != UntitledName;
    std::string longDate =
        FormatDate(services_.TimeSource.Today(), services_.Formats.LongDateFormat, services_.Formats);
    while (!longDate.empty() && longDate.back() == ' ') longDate.pop_back();
    lblTodaysDate_->setText(CellToDisplay(longDate));
    // Without a document that opened, the table starts as one new entry.
    if (!opened) ResetCurrentEntry();
    stgMain_->viewport()->update();
    windowShown_ = true;
}

// --- flags and hints ---

bool TfrmMain::Modified() const { return documents_->Session().Modified(); }
bool TfrmMain::EditTracking() const { return documents_->Session().EditTracking(); }
bool TfrmMain::ColorPrinting() const { return documents_->Session().ColorPrinting(); }
const std::string& TfrmMain::DocumentFileName() const { return documents_->Session().FileName(); }

void TfrmMain::SetModified(bool value) { documents_->Session().SetModified(value); }

QString TfrmMain::StatusPanelText(int panel) const { return panels_[panel]->text(); }

QAction* TfrmMain::Action(const QString& objectName) const { return findChild<QAction*>(objectName); }

void TfrmMain::ShowHint(const QString& hint) { panels_[2]->setText(hint); }

bool TfrmMain::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

// --- the task table ---

TaskTable::TNewEntryContext TfrmMain::NewEntryContext() const { return {services_.TimeSource, services_.Formats}; }

void TfrmMain::FillNewEntry() { TaskTable::FillNewEntry(stgMain_->Store(), NewEntryContext()); }

void TfrmMain::ResetCurrentEntry() {
    TaskTable::ResetCurrentEntry(stgMain_->Store(), NewEntryContext());
    stgMain_->StartEditing();
}

void TfrmMain::stgMainGetEditorType(int col, int, TEditorType& editor) {
    try {
        const TEditorType kind = TaskTable::EditorTypeFor(col);
        if (kind == TEditorType::Normal) return;
        editor = kind;
        if (kind == TEditorType::ComboList) {
            std::vector<std::string>& items = stgMain_->ComboItems();
            items.clear();
            if (col == colStatus) items.assign(TaskTable::StatusVocabulary.begin(), TaskTable::StatusVocabulary.end());
            else items.assign(TaskTable::PriorityVocabulary.begin(), TaskTable::PriorityVocabulary.end());
        } else if (kind == TEditorType::SpinEdit) {
            stgMain_->SetSpinBounds(TaskTable::ProgressMin, TaskTable::ProgressMax);
        }
    } catch (const std::exception&) {
        // The editor opens as chosen so far.
    }
}

void TfrmMain::stgMainCellsChanged(const TGridRect&) {
    try {
        stgMain_->Store().RepaintRow(stgMain_->Store().Row());
    } catch (const std::exception&) {
        return;
    }
    SetModified(true);
}

void TfrmMain::stgMainGetCellColor(int, int row, TCellStyle& style) {
    ApplyScreenColors(stgMain_->Store(), row, services_.TimeSource.Today(), services_.Formats, style);
}

void TfrmMain::stgMainGetEditText(int, int row, std::string&) {
    if (const auto line = EditStartStatus(EditTracking(), stgMain_->Store(), row, services_.TimeSource.Today(),
                                          services_.Formats))
        ShowHint(CellToDisplay(*line));
}

void TfrmMain::aclAddNewEntryExecute() {
    try {
        TBaseGrid& grid = stgMain_->Store();
        grid.SetRowCount(grid.RowCount() + 1);
        FillNewEntry();
        grid.SetCurrentCell(colDescription, grid.RowCount() - 1);
        stgMain_->ShowInplaceEditor();
        SetModified(true);
    } catch (const std::exception&) {
        // The command ends where it failed.
    }
}

void TfrmMain::RemoveEntry(int row) {
    TBaseGrid& grid = stgMain_->Store();
    if (grid.RowCount() - 1 > 1) {
        ResetCurrentEntry();
        grid.RemoveRows(row, 1);
    } else {
        grid.SetCellText(colDescription, row, "");
        ResetCurrentEntry();
    }
}

void TfrmMain::aclDeleteExecute() {
    TBaseGrid& grid = stgMain_->Store();
    const int row = grid.Row();
    if (row < grid.FixedRows()) return;
    try {
        if (!grid.CellView(colDescription, row).empty()) {
            switch (services_.DialogBoxes.Confirm("Are you sure you want to delete the current row?",
                                              TConfirmButtons::YesNo)) {
            case TConfirmAnswer::No: return;
            case TConfirmAnswer::Yes: RemoveEntry(row); break;
            default: break;  // closed without an answer: nothing is removed
            }
        } else {
            RemoveEntry(row);
        }
        TaskTable::Renumber(grid);
    } catch (const std::exception&) {
        return;
    }
    SetModified(true);
}

void TfrmMain::aclRenumberExecute() { TaskTable::Renumber(stgMain_->Store()); }

void TfrmMain::aclSortByColExecute(QAction* item) {
    try {
        stgMain_->SortSettings().Column = item->data().toInt();
        stgMain_->SortByColumn();
        // The chosen column is the menu's default item, drawn bold.
        if (QAction* previous = mnuSortBy_->defaultAction()) previous->setFont(mnuSortBy_->font());
        QFont bold = mnuSortBy_->font();
        bold.setBold(true);
        item->setFont(bold);
        mnuSortBy_->setDefaultAction(item);
        aclRenumberExecute();
    } catch (const std::exception&) {
        // A failed step ends the command; the table stays as far as it got.
    }
}

void TfrmMain::aclStatExecute() {
    stgMain_->CommitEditor();
    TfrmStat report(stgMain_->Store(), services_.TimeSource.Today(), services_.Formats, this);
    connect(&report, &TfrmStat::helpRequested, this, [this] { mnuContents1Click(); });
    report.exec();
}

void TfrmMain::aclFindExecute() { fdlgMain_->ShowFindDialog(); }

// --- the document ---

void TfrmMain::aclNewFileExecute() { documents_->New(); }
void TfrmMain::aclOpenExecute() { documents_->Open(); }
void TfrmMain::mruMainClick(const std::string& recentName) { documents_->Reopen(recentName); }
void TfrmMain::aclFileSaveExecute() { documents_->Save(); }
void TfrmMain::aclSaveAsExecute() { documents_->SaveAs(); }
void TfrmMain::OpenDocument(const std::string& fileName) { documents_->OpenNamed(fileName); }

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The stored reopen list comes back when the program shows the window (at
    // start-up, from the tray), not when the desktop restores it after a
    // minimise: that would drop the documents opened since.
    if (!event->spontaneous()) ReportingStepFailures(services_.DialogBoxes, [this] { frmstgMain_.Restore(); });
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (!documents_->MayClose()) {
        event->ignore();
        return;
    }
    ReportingStepFailures(services_.DialogBoxes, [this] { frmstgMain_.Save(); });
    event->accept();
}

// --- help, refresh, exit ---

void TfrmMain::mnuContents1Click() { services_.DesktopShell.Open("Taskmere.Hlp"); }

void TfrmMain::mnuRefresh1Click() { stgMain_->viewport()->update(); }

void TfrmMain::aclCloseExecute() { QCoreApplication::exit(0); }


}  // namespace tkm
