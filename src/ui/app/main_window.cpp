#include "ui/app/main_window.h"

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "settings/help_location.h"
#include "tasks/due_status.h"
#include "tasks/document_name.h"
#include "ui/app/clipboard_commands.h"
#include "ui/app/undo_commands.h"
#include "ui/app/command_guard.h"
#include "ui/app/command_table.h"
#include "ui/app/document_commands.h"
#include "ui/app/entry_commands.h"
#include "ui/app/macro_commands.h"
#include "ui/app/recovery_commands.h"
#include "ui/app/status_progress.h"
#include "ui/app/reminder_commands.h"
#include "ui/app/tray_commands.h"
#include "ui/app/filter_bar.h"
#include "ui/app/view_commands.h"
#include "ui/grid/cell_text_codec.h"
#include "ui/dialogs/about_form.h"
#include "ui/dialogs/calendar_form.h"
#include "ui/dialogs/stat_form.h"
#include "ui/grid/grid_find_dialog.h"
#include "ui/grid/task_grid.h"
#include "ui/screen_font.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSessionManager>
#include <QShowEvent>
#include <QStyle>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <filesystem>

namespace tkm {

namespace {

constexpr int WindowWidth = 545;
constexpr int WindowHeight = 425;


}  // namespace

TfrmMain::TfrmMain(const TAppServices& services, const QStringList& documents, QWidget* parent)
    : QMainWindow(parent), services_(services), frmstgMain_(services.IniFileName) {
    frmstgMain_.Link(mruMain_, "TfrmMain.mruMain");
    frmstgMain_.Link(layout_, "TfrmMain.Window");
    setObjectName("frmMain");
    setFont(ScreenFont(8));

    stgMain_ = new TTaskGrid(services_.DesktopShell, this);
    stgMain_->setObjectName("stgMain");
    stgMain_->SetClock(services_.TimeSource);
    stgMain_->SetFormats(services_.Formats);
    TaskTable::SetUpGrid(stgMain_->Store());
    cellsChangedHook_.emplace(stgMain_->Store(), [this](const TGridRect& r) { stgMainCellsChanged(r); });
    stgMain_->OnGetEditorType = [this](int col, int row, TEditorType& e) { stgMainGetEditorType(col, row, e); };
    stgMain_->OnGetEditText = [this](int col, int row, std::string& value) { stgMainGetEditText(col, row, value); };

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(CreateDateBand());
    filterBar_ = new TFilterBar(central);
    layout->addWidget(filterBar_);
    layout->addWidget(stgMain_, 1);
    setCentralWidget(central);
    WireCommands();
    // Every five minutes a remote list brings other clients' changes in.
    auto* remoteRefresh = new QTimer(this);
    remoteRefresh->setInterval(std::chrono::minutes(5));
    connect(remoteRefresh, &QTimer::timeout, this, &TfrmMain::RefreshRemoteQuietly);
    remoteRefresh->start();
    CreateStatusBar();
    dueLineWatch_.emplace(stgMain_->Store(), services_.TimeSource, services_.Formats,
                          [this](const std::string& line) { ShowHint(CellToDisplay(line)); });
    documents_ = std::make_unique<TDocumentCommands>(
        services_, mruMain_,
        TDocumentCommands::TWindowParts{*this, *stgMain_, *commands_->Menu("mnuReopen"),
                                        *panels_[std::size_t(TStatusPanel::Modified)],
                                        [this](const QString& hint) { ShowHint(hint); }, *progress_,
                                        [this](bool modified) {
                                            if (recovery_) recovery_->ModifiedChanged(modified);
                                        }});
    if (!services_.RecoveryFolder.empty())
        recovery_ = std::make_unique<TRecoveryCommands>(
            services_.RecoveryFolder,
            TRecoveryCommands::TParts{documents_->Session(), stgMain_->Store(), services_.DialogBoxes,
                                      services_.TimeSource, services_.Formats},
            services_.RecoveryIdleTime);
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (!MaySessionEnd([&manager] { return manager.allowsInteraction(); })) manager.cancel();
        manager.release();
    });
    fdlgMain_ = new TGridFindDialog(stgMain_, services_.DialogBoxes, this);
    view_->FollowFind(fdlgMain_->Form());
    const auto showWindow = [this](const std::string& activationToken) { tray_->ShowWindow(activationToken); };
    reminders_ = new TReminderCommands({services_.Notices, services_.Tray, *stgMain_, services_.TimeSource,
                                        services_.Formats, services_.DialogBoxes, showWindow,
                                        *Action("aclReminders"), [this] { tray_->UpdateMenu(); },
                                        services_.IniFileName, frmstgMain_.IniSection() + "\\Reminders"},
                                       this);
    frmstgMain_.Link(reminders_->Reminders(), "Reminders");
    tray_ = std::make_unique<TTrayCommands>(
        services_.Tray, services_.Power,
        TTrayCommands::TWindowParts{*this, *stgMain_, [this] { aclCloseExecute(); },
                                    [this] { return std::vector{reminders_->MenuItem()}; },
                                    services_.Activation});
    DDEMain_ = new TMacroCommands(*documents_, showWindow, this);

    // A size to lay the table out in until the first show settles it: an
    // editor opened in a smaller window would scroll the columns sideways.
    SizeForAllColumns();
    FormCreate(documents);
}

// On the screen the window opens on, with the widths its columns have then.
void TfrmMain::SizeForAllColumns() {
    // The grid's columns and lines, its frame and scroll bar, and the window's frame.
    int columns = 0;
    const TBaseGrid& store = stgMain_->Store();
    for (int d = 0; d < store.ColCount(); ++d) columns += store.ColWidth(d) + 1;
    const int width = columns + 2 * stgMain_->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    const QScreen* screen = QWidget::screen();
    if (!screen) {
        resize(std::max(width, WindowWidth), WindowHeight);
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize size(std::clamp(width, std::min(WindowWidth, area.width()), area.width()),
                     std::clamp(area.height() * 2 / 3, std::min(WindowHeight, area.height()), area.height()));
    resize(size);
    move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

void TfrmMain::ApplyLayout() {
    // The widths first: without a stored place the window is sized by them.
    stgMain_->FitShownWords();
    TBaseGrid& store = stgMain_->Store();
    for (int col = 0; col < int(layout_.ColumnWidths.size()) && col < store.RealColCount(); ++col)
        if (layout_.ColumnWidths[std::size_t(col)] > 0 && !store.IsColumnHidden(col))
            store.SetColWidth(store.RealToDisplay(col), layout_.ColumnWidths[std::size_t(col)]);
    if (layout_.Place) {
        const TWindowLayout::TPlace& place = *layout_.Place;
        // The inner geometry: where the frame goes is the window manager's to say.
        const QRect wanted(place.Left, place.Top, place.Width, place.Height);
        resize(wanted.size());
        // A place on a screen that is no longer there would leave the window out of reach.
        bool reachable = false;
        for (const QScreen* screen : QGuiApplication::screens())
            reachable |= screen->availableGeometry().intersected(wanted).width() >= 40;
        if (reachable) setGeometry(wanted);
        else if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - QPoint(place.Width / 2, place.Height / 2));
    } else {
        SizeForAllColumns();
    }
    if (layout_.Maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void TfrmMain::CaptureLayout() {
    if (!layoutApplied_) return;
    const QRect place = normalPlace_.isValid() ? normalPlace_ : geometry();
    layout_.Place = TWindowLayout::TPlace{place.left(), place.top(), place.width(), place.height()};
    layout_.Maximized = isMaximized();
    const TBaseGrid& store = stgMain_->Store();
    layout_.ColumnWidths.assign(std::size_t(store.RealColCount()), 0);
    for (int col = 0; col < store.RealColCount(); ++col)
        if (!store.IsColumnHidden(col)) layout_.ColumnWidths[std::size_t(col)] = store.ColWidth(store.RealToDisplay(col));
}

void TfrmMain::SavePlacement() {
    CaptureLayout();
    frmstgMain_.Save();
}

void TfrmMain::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)))
        normalPlace_ = geometry();
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)))
        normalPlace_ = geometry();
}

TfrmMain::~TfrmMain() {
    // An open editor would commit on its focus-out while the children go,
    // calling back into a window that is half gone: it commits now.
    stgMain_->CommitEditor();
    // Exit ends here without the close question: the reopen list is stored now.
    // A failure has nowhere left to be reported.
    IgnoringStepFailures([this] {
        if (!frmstgMain_.Saved()) CaptureLayout();
        frmstgMain_.SaveOnDestroy();
    });
    // It watches the grid, which the children's deletion would remove first.
    delete view_;
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
    struct TPanelLayout {
        TStatusPanel Panel;
        const char* Name;
        int Width;
    };
    for (const TPanelLayout& layout : {TPanelLayout{TStatusPanel::Modified, "stbModified", 50},
                                       TPanelLayout{TStatusPanel::Divider, "stbDivider", 4},
                                       TPanelLayout{TStatusPanel::Hint, "stbHint", 50}}) {
        auto* panel = new QLabel(stbMain);
        panel->setObjectName(layout.Name);
        panel->setMinimumWidth(layout.Width);
        // The hint panel takes the rest of the bar.
        const bool stretches = layout.Panel == TStatusPanel::Hint;
        if (!stretches) panel->setFixedWidth(layout.Width);
        if (layout.Panel == TStatusPanel::Divider) panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        stbMain->addWidget(panel, stretches ? 1 : 0);
        panels_[std::size_t(layout.Panel)] = panel;
    }
    progress_ = new TStatusProgress(stbMain);
    stbMain->addPermanentWidget(progress_);
    stgMain_->SetStepProgress(progress_);
}

void TfrmMain::WireCommands() {
    commands_ = new TCommandTable(*this);
    commands_->Bind("aclNewFile", [this] { aclNewFileExecute(); });
    commands_->Bind("aclOpen", [this] { aclOpenExecute(); });
    commands_->Bind("aclOpenRemote", [this] { documents_->OpenRemote(); });
    commands_->Bind("aclFileSave", [this] { aclFileSaveExecute(); });
    commands_->Bind("aclSaveAs", [this] { aclSaveAsExecute(); });
    commands_->Bind("aclPrint", [this] { aclPrintExecute(); });
    commands_->Bind("aclPrintSetup", [this] { aclPrintSetupExecute(); });
    commands_->Bind("aclClose", [this] { aclCloseExecute(); });
    commands_->Bind("aclFind", [this] { aclFindExecute(); });
    commands_->Bind("mnuRefresh1", [this] { mnuRefresh1Click(); });
    commands_->Bind("aclViewCalendar", [this] { aclViewCalendarExecute(); });
    commands_->Bind("aclStat", [this] { aclStatExecute(); });
    commands_->Bind("mnuContents1", [this] { mnuContents1Click(); });
    commands_->Bind("aclabout", [this] { aclaboutExecute(); });

    entries_ = new TEntryCommands(*stgMain_, services_.DialogBoxes, {services_.TimeSource, services_.Formats},
                                  [this] { SetModified(true); }, this);
    entries_->Bind(*commands_);
    entries_->OnHelpRequested = [this] { mnuContents1Click(); };

    view_ = new TViewCommands({*stgMain_, *filterBar_, services_.TimeSource, services_.Formats,
                               [this](const QString& hint) { ShowHint(hint); }},
                              this);
    view_->Bind(*commands_);

    undo_ = new TUndoCommands(*stgMain_, [this](bool modified) { SetModified(modified); }, this);
    undo_->Bind(*commands_);

    clipboard_ = new TClipboardCommands(Action("aclCut"), Action("aclCopy"), Action("aclPaste"), this);
    QMenu* popup = commands_->Menu("pmMain");
    for (QMenu* menu : {commands_->Menu("mnuEdit"), popup})
        connect(menu, &QMenu::aboutToShow, clipboard_, &TClipboardCommands::Update);
    stgMain_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(stgMain_, &QWidget::customContextMenuRequested, this,
            [this, popup](const QPoint& pos) { popup->popup(stgMain_->viewport()->mapToGlobal(pos)); });
    commands_->Menu("mnuReopen")->setEnabled(false);
}

void TfrmMain::FormCreate(const QStringList& documents) {
    documents_->Session().UpdateTitle();
    std::string longDate =
        FormatDate(services_.TimeSource.Today(), services_.Formats.LongDateFormat, services_.Formats);
    while (!longDate.empty() && longDate.back() == ' ') longDate.pop_back();
    lblTodaysDate_->setText(CellToDisplay(longDate));
    OpenStartDocuments(documents);
}

void TfrmMain::OpenStartDocuments(const QStringList& documents) {
    for (const QString& document : documents) OpenDocument(DisplayToCell(document));
    const bool opened = DocumentFileName() != UntitledName;
    // Without a document that opened, the table starts as one new entry.
    if (!opened) entries_->ResetCurrentEntry();
    // The table as it starts is where the history begins.
    stgMain_->History().Clear(!Modified());
    stgMain_->viewport()->update();
}

// --- flags and hints ---

bool TfrmMain::Modified() const { return documents_->Session().Modified(); }
bool TfrmMain::EditTracking() const { return documents_->Session().EditTracking(); }
bool TfrmMain::ColorPrinting() const { return documents_->Session().ColorPrinting(); }
const std::string& TfrmMain::DocumentFileName() const { return documents_->Session().FileName(); }

void TfrmMain::SetModified(bool value) { documents_->Session().SetModified(value); }

QString TfrmMain::StatusPanelText(TStatusPanel panel) const { return panels_[std::size_t(panel)]->text(); }

QAction* TfrmMain::Action(const QString& objectName) const { return commands_->Action(objectName.toStdString()); }

void TfrmMain::ShowHint(const QString& hint) { panels_[std::size_t(TStatusPanel::Hint)]->setText(hint); }

bool TfrmMain::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

// --- the task table ---

void TfrmMain::stgMainGetEditorType(int col, int, TEditorType& editor) {
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
}

void TfrmMain::stgMainCellsChanged(const TGridRect&) {
    IgnoringStepFailures([this] {
        stgMain_->Store().RepaintRow(stgMain_->Store().Row());
        SetModified(true);
    });
}

void TfrmMain::stgMainGetEditText(int, int row, std::string&) {
    if (const auto line = EditStartStatus(EditTracking(), stgMain_->Store(), row, services_.TimeSource.Today(),
                                          services_.Formats))
        ShowHint(CellToDisplay(*line));
}

void TfrmMain::aclAddNewEntryExecute() { entries_->AddNewEntry(); }

void TfrmMain::aclDeleteExecute() { entries_->Delete(); }

void TfrmMain::aclMultipleRowExecute() { entries_->AddMultipleEntries(); }

void TfrmMain::aclRenumberExecute() { entries_->Renumber(); }

void TfrmMain::aclStatExecute() {
    stgMain_->CommitEditor();
    TfrmStat report(stgMain_->Store(), services_.TimeSource.Today(), services_.Formats, this);
    connect(&report, &TfrmStat::helpRequested, this, [this] { mnuContents1Click(); });
    report.exec();
}

void TfrmMain::aclFindExecute() { fdlgMain_->ShowFindDialog(); }

void TfrmMain::aclViewCalendarExecute() {
    TfrmCalendar calendar(services_.TimeSource.Today(), services_.Formats, this);
    connect(&calendar, &TfrmCalendar::helpRequested, this, [this] { mnuContents1Click(); });
    calendar.exec();
}

// --- the document ---

void TfrmMain::aclNewFileExecute() { documents_->New(); }
void TfrmMain::aclOpenExecute() { documents_->Open(); }
void TfrmMain::mruMainClick(const std::string& recentName) { documents_->Reopen(recentName); }
void TfrmMain::aclFileSaveExecute() { documents_->Save(); }
void TfrmMain::aclSaveAsExecute() { documents_->SaveAs(); }
void TfrmMain::aclPrintExecute() { documents_->Print(); }
void TfrmMain::aclPrintSetupExecute() { documents_->PrintSetup(); }
void TfrmMain::OpenDocument(const std::string& fileName) { documents_->OpenNamed(fileName); }

bool TfrmMain::WindowShown() const { return tray_->WindowShown(); }

void TfrmMain::OfferRecovery() {
    if (recovery_) recovery_->OfferOrphans();
}

std::string TfrmMain::RecoveryFileName() const { return recovery_ ? recovery_->FileName() : std::string(); }

void TfrmMain::DDEMainExecuteMacro(const std::string& macro) { DDEMain_->Execute(macro); }

void TfrmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) tray_->WindowMinimised();
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The stored reopen list comes back when the program shows the window (at
    // start-up, from the tray), not when the desktop restores it after a
    // minimise: that would drop the documents opened since.
    if (!event->spontaneous()) {
        ReportingStepFailures(services_.DialogBoxes, [this] { frmstgMain_.Restore(); });
        if (!layoutApplied_) {
            ApplyLayout();
            layoutApplied_ = true;
        }
        QTimer::singleShot(0, this, &TfrmMain::RefreshRemoteQuietly);
        // The reminders' switch as stored, and a look at once with it: not
        // from a posted event, which opening a long list would run while the
        // table is still empty.
        reminders_->ShowSwitch();
        reminders_->Check();
        tray_->UpdateMenu();
    }
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (!documents_->MayClose()) {
        event->ignore();
        return;
    }
    ReportingStepFailures(services_.DialogBoxes, [this] { SavePlacement(); });
    event->accept();
}

void TfrmMain::KeepChangesForNextStart() {
    stgMain_->CommitEditor();
    if (recovery_) recovery_->KeepForNextStart();
}

bool TfrmMain::MaySessionEnd(const std::function<bool()>& mayAsk) {
    stgMain_->CommitEditor();
    // Asking makes the session wait for the answer: only for changes.
    if (!Modified()) return true;
    if (mayAsk()) return documents_->MayClose();
    KeepChangesForNextStart();
    return true;
}

// --- help, refresh, exit ---

void TfrmMain::mnuContents1Click() {
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    const THelpPlaces places = HelpPlaces(current.string(), services_.ExecutableFolder);
    if (const auto help = ChooseHelpFile(places)) services_.DesktopShell.Open(*help);
    else services_.DialogBoxes.ShowError(NoHelpText(places));
}

void TfrmMain::aclaboutExecute() {
    TfrmAbout about(services_.DesktopShell, this);
    connect(&about, &TfrmAbout::helpRequested, this, [this] { mnuContents1Click(); });
    about.exec();
}

void TfrmMain::mnuRefresh1Click() {
    if (documents_->Session().IsRemote()) documents_->Refresh();
    stgMain_->viewport()->update();
}

void TfrmMain::RefreshRemoteQuietly() {
    // Other clients' changes come in by themselves only while nothing here
    // waits to be sent, never into an open editor, and never into a table a
    // file operation is reading.
    if (documents_->Session().IsRemote() && !Modified() && isVisible() && !stgMain_->EditorMode() &&
        !progress_->Running())
        documents_->Refresh(true);
}

// Exit asks nothing, so unsaved changes wait in the recovery file for the next start.
void TfrmMain::aclCloseExecute() {
    KeepChangesForNextStart();
    QCoreApplication::exit(0);
}


}  // namespace tkm
