#include "gui/app/MainWindow.h"

#include "core/state/DataFolderChange.h"
#include "core/state/HelpTopics.h"
#include "core/store/IntegrityCheck.h"
#include "core/teams/TeamSelection.h"
#include "core/text/Version.h"
#include "gui/app/ChildWindow.h"
#include "gui/app/Prompter.h"
#include "gui/app/TeamListView.h"
#include "gui/app/UndoHistory.h"
#include "gui/import/SpreadsheetImportCommand.h"
#include "gui/output/SeasonWorkbookCommand.h"
#include "gui/shell/BackupWindow.h"
#include "gui/shell/HelpWindow.h"
#include "gui/shell/SampleLeagueCommand.h"

#include "gui/seasons/SeasonCommands.h"
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>

#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QUrl>
#include <QVBoxLayout>

namespace scorvane {

MainWindow::MainWindow(
    AppState& state, Prompter& prompter, const WindowFactory& factory, QWidget* parent)
    : QMainWindow(parent)
    , state_(state)
    , prompter_(prompter)
    , factory_(factory)
{
    setObjectName(QStringLiteral("FrmMDI"));
    setWindowTitle(QStringLiteral("%1 %2.%3.%4")
                       .arg(QString::fromLatin1(ProductName))
                       .arg(VersionMajor)
                       .arg(VersionMinor)
                       .arg(VersionRevision));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    toolBox_ = new QWidget(central);
    toolBox_->setObjectName(QStringLiteral("ToolBox"));
    toolBox_->setFixedHeight(44);
    toolBox_->setAutoFillBackground(true);
    exitButton_ = new QPushButton(QStringLiteral("Exit Scorvane"), toolBox_);
    exitButton_->setObjectName(QStringLiteral("cmdExit"));
    exitButton_->resize(exitButton_->sizeHint().width() + 24, 32);
    connect(exitButton_, &QPushButton::clicked, this, &MainWindow::close);
    toolBox_->installEventFilter(this);
    // Alt and a letter go to the child window's button of that access letter before the menus
    // that share it ("&OK" before "&Options"), as the focused window's own keys come first.
    qApp->installEventFilter(this);
    layout->addWidget(toolBox_);

    workspace_ = new QMdiArea(central);
    workspace_->setObjectName(QStringLiteral("MDIClient"));
    workspace_->setBackground(QColor(0x6b, 0x8e, 0xad));
    layout->addWidget(workspace_, 1);
    setCentralWidget(central);

    buildMenus();
    setTeamItemsEnabled(0);
    resize(1000, 720);
}

MainWindow::~MainWindow()
{
    // Child windows are unloaded before the state they refer to goes away.
    const auto windows = workspace_->subWindowList();
    for (QMdiSubWindow* window : windows)
        delete window;
    // Windows already closed but not yet deleted must not outlive the state either.
    for (const QPointer<QMdiSubWindow>& window : std::as_const(unloaded_))
        delete window.data();
}

QAction* MainWindow::addItem(
    QMenu* menu, const char* objectName, const QString& caption, std::function<void()> command)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
    return action;
}

std::function<void()> MainWindow::leavingCommand(std::function<void()> command)
{
    // A command that closes the open window asks it first, as the program's end does; a window
    // that says no (Cancel on its save question) stays open and the command is dropped.
    return [this, command = std::move(command)] {
        if (leaveCurrentWindow())
            command();
    };
}

bool MainWindow::leaveCurrentWindow()
{
    ChildWindow* child = currentChild();
    return child == nullptr || child->queryClose();
}

void MainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addItem(file, "mnuDataPath", QStringLiteral("&Data Directory"), leavingCommand([this] {
        takeTeamSelection();
        disableMenus();
        closeChildWindows();
        showWindow(WindowDatapath);
    }));
    addItem(file, "mnuSampleLeague", QStringLiteral("Open &Sample League"),
        leavingCommand([this] { openSampleLeague(*this); }));
    addItem(file, "mnuImportSpreadsheet", QStringLiteral("&Import from Spreadsheet..."),
        leavingCommand([this] {
            takeTeamSelection();
            disableMenus();
            importFromSpreadsheet(*this);
        }));
    file->addSeparator();
    addItem(file, "mnuBackUp", QStringLiteral("&Back Up Files"), leavingCommand([this] {
        takeTeamSelection();
        disableMenus();
        closeChildWindows();
        showWindow(new BackupWindow(*this, BackupDirection::BackUp));
    }));
    addItem(file, "mnuRestore", QStringLiteral("&Restore Files"), leavingCommand([this] {
        takeTeamSelection();
        disableMenus();
        closeChildWindows();
        showWindow(new BackupWindow(*this, BackupDirection::Restore));
    }));
    addItem(file, "mnuCheckData", QStringLiteral("&Check Data Files"), [this] { checkData(); });
    file->addSeparator();
    addItem(file, "mnuExportWorkbook", QStringLiteral("Export Season &Workbook..."),
        leavingCommand([this] {
            takeTeamSelection();
            exportSeasonWorkbook(*this);
        }));
    addSeasonItems(*this, file);
    file->addSeparator();
    addItem(file, "mnuExitProgram", QStringLiteral("E&xit Program"), [this] { close(); });

    undoHistory_ = new UndoHistory(
        *this, [this] { return currentChild(); }, this);
    undoHistory_->addEditMenu(menuBar());

    QMenu* reports = menuBar()->addMenu(QStringLiteral("&Reports"));
    reports->setObjectName(QStringLiteral("mnuReport"));
    addItem(reports, "mnuPlayer", QStringLiteral("&Players"),
        leavingCommand([this] { reportCommand(ReportKind::PlayerStatistics, WindowStats); }));
    reports->addSeparator();
    addItem(reports, "mnuGames", QStringLiteral("&Game Scores"),
        leavingCommand([this] { reportCommand(ReportKind::GameScores, WindowScores); }));
    addItem(reports, "mnuRecord", QStringLiteral("&Record"),
        leavingCommand([this] { reportCommand(ReportKind::Record, WindowRecord); }));
    reports->addSeparator();
    addItem(reports, "mnuStandings", QStringLiteral("&Standings"),
        leavingCommand([this] { reportCommand(ReportKind::Standings, WindowStandings); }));
    addItem(reports, "mnuLeagueTable", QStringLiteral("League &Table"),
        leavingCommand([this] { reportCommand(ReportKind::LeagueTable, WindowLeagueTable); }));

    QMenu* update = menuBar()->addMenu(QStringLiteral("&Update"));
    update->setObjectName(QStringLiteral("mnuUpdate"));
    const auto windowThenDisable = [this](WindowKind kind) {
        return leavingCommand([this, kind] {
            takeTeamSelection();
            closeChildWindows();
            showWindow(kind);
            disableMenus();
        });
    };
    addItem(update, "mnuUpdateGames", QStringLiteral("&Games"), windowThenDisable(WindowGameMenu));
    addItem(update, "mnuRoster", QStringLiteral("&Roster"), leavingCommand([this] {
        takeTeamSelection();
        closeChildWindows();
        showWindow(WindowRoster);
    }));
    addItem(update, "mnuTeamName", QStringLiteral("&Team Name"), windowThenDisable(WindowTeamName));
    update->addSeparator();
    addItem(update, "mnuChangePlayerNumber", QStringLiteral("&Change Player Number"),
        windowThenDisable(WindowPlayerNumber));
    addItem(update, "mnuDeleteFiles", QStringLiteral("&Delete Files"),
        windowThenDisable(WindowDeleteFiles));

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    addItem(options, "mnuNameYourOwn", QStringLiteral("&Name Your Own"), leavingCommand([this] {
        takeTeamSelection();
        disableMenus();
        closeChildWindows();
        showWindow(WindowNameYourOwn);
    }));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addItem(help, "mnuGettingStarted", QStringLiteral("&Overview"),
        [this] { showHelpTopic(QStringLiteral("10")); });
    help->addSeparator();
    addItem(help, "mnuStatistics", QStringLiteral("&Statistics..."),
        [this] { showHelpTopic(QStringLiteral("240")); });
    help->addSeparator();
    addItem(help, "mnu_techsupport", QStringLiteral("&Quillmere Technical Support Website"),
        [this] { openWebPage(supportWebAddress()); });
    help->addSeparator();
    // About stands above the open window, which keeps its work.
    addItem(help, "mnuAbout", QStringLiteral("&About"), [this] {
        showModal(WindowBegScreen);
        aboutWindowClosed();
    });
}

QAction* MainWindow::menuAction(const QString& objectName) const
{
    return findChild<QAction*>(objectName);
}

void MainWindow::reportCommand(ReportKind kind, WindowKind window)
{
    takeTeamSelection();
    state_.reportSelection = ReportSelection{};
    state_.reportSelection.kind = kind;
    closeChildWindows();
    showWindow(window);
}

void MainWindow::setTeamItemsEnabled(int count)
{
    const MenuEnabling e = menuEnablingFor(count);
    for (const char* name :
        {"mnuDataPath", "mnuSampleLeague", "mnuBackUp", "mnuRestore", "mnuNameYourOwn"})
        menuAction(QString::fromLatin1(name))->setEnabled(e.always);
    for (const char* name : {"mnuPlayer", "mnuUpdateGames", "mnuRoster", "mnuTeamName",
             "mnuChangePlayerNumber", "mnuDeleteFiles", "mnuExportWorkbook"})
        menuAction(QString::fromLatin1(name))->setEnabled(e.oneOrMore);
    for (const char* name : {"mnuGames", "mnuRecord", "mnuImportSpreadsheet"})
        menuAction(QString::fromLatin1(name))->setEnabled(e.exactlyOne);
    for (const char* name : {"mnuStandings", "mnuLeagueTable"})
        menuAction(QString::fromLatin1(name))->setEnabled(e.twoOrMore);
    applySeasonMode(*this);
}

void MainWindow::selectionChanged(int count)
{
    state_.teamChoice.count = count;
    setTeamItemsEnabled(count);
}

void MainWindow::disableMenus()
{
    for (const char* name : {"mnuDataPath", "mnuSampleLeague", "mnuBackUp", "mnuRestore",
             "mnuPlayer", "mnuStandings", "mnuRecord", "mnuGames", "mnuUpdateGames", "mnuRoster",
             "mnuTeamName", "mnuChangePlayerNumber", "mnuDeleteFiles", "mnuNameYourOwn",
             "mnuExportWorkbook", "mnuImportSpreadsheet", "mnuLeagueTable"})
        menuAction(QString::fromLatin1(name))->setEnabled(false);
}

void MainWindow::takeTeamSelection()
{
    // The selection is read from the team window's list when it is showing; otherwise the
    // selection last taken stands.
    TeamLines lines{};
    if (const auto* view = dynamic_cast<const TeamListView*>(currentChild())) {
        lines = view->selectedLines();
    } else {
        for (int slot = 1; slot <= 100; ++slot)
            lines[static_cast<std::size_t>(slot - 1)] = state_.teamChoice.selected[slot];
    }
    scorvane::takeTeamSelection(state_, lines);
}

ChildWindow* MainWindow::currentChild() const
{
    if (current_.isNull())
        return nullptr;
    return qobject_cast<ChildWindow*>(current_->widget());
}

void MainWindow::rememberTeamSelection()
{
    // The teams chosen outlive the team window, so a window opened without taking the selection
    // (About) returns to the same choice.
    const auto* view = dynamic_cast<const TeamListView*>(currentChild());
    if (view == nullptr)
        return;
    const TeamLines lines = view->selectedLines();
    for (int slot = 1; slot <= 100; ++slot)
        state_.teamChoice.selected[slot] = lines[static_cast<std::size_t>(slot - 1)];
}

void MainWindow::closeChildWindows()
{
    rememberTeamSelection();
    const auto windows = workspace_->subWindowList();
    for (QMdiSubWindow* window : windows) {
        window->hide();
        // Unloaded now: the window's flag clears at once, its memory goes after the event.
        if (auto* child = qobject_cast<ChildWindow*>(window->widget()))
            markOpen(child->kind(), false);
        workspace_->removeSubWindow(window);
        window->deleteLater();
        unloaded_.removeAll(nullptr);
        unloaded_.append(window);
    }
    current_.clear();
    // Only the player screen holds the exit button back, and it is gone now however it was left.
    setExitEnabled(true);
}

void MainWindow::switchWindow(WindowKind show, ChildWindow* close)
{
    if (close != nullptr)
        closeChildWindows();
    showWindow(show);
}

void MainWindow::showWindow(WindowKind kind)
{
    rememberTeamSelection();
    Q_ASSERT(factory_.has(kind)); // every kind is registered at start-up
    if (!factory_.has(kind))
        return;
    // One child window at a time: the old one goes before the new one is made, so whatever the
    // new one sets up on the main window (the exit button) is not undone by the old one leaving.
    if (!current_.isNull())
        closeChildWindows();
    showWindow(factory_.make(kind, *this));
}

void MainWindow::showWindow(ChildWindow* child)
{
    rememberTeamSelection();
    if (!current_.isNull())
        closeChildWindows();
    auto* frame = workspace_->addSubWindow(child, Qt::SubWindow | Qt::WindowTitleHint);
    frame->setAttribute(Qt::WA_DeleteOnClose, false);
    frame->setWindowTitle(child->windowTitle());
    connect(child, &QWidget::windowTitleChanged, frame, &QWidget::setWindowTitle);
    frame->adjustSize();
    current_ = frame;
    // Placed off screen, shown, then centred: it is never seen before it is centred.
    frame->move(-10000, -10000);
    frame->show();
    centreWindow(frame);
    child->setFocus();
    child->opened();
    if (undoHistory_ != nullptr)
        undoHistory_->showState();
}

namespace {

// The dialog a child window is shown in above the open window. Escape and the close box leave it
// as the window's own Close does: the window is asked first and keeps its work when it says no.
class ModalFrame : public QDialog
{
public:
    ModalFrame(ChildWindow* child, QWidget* parent)
        : QDialog(parent)
        , child_(child)
    { }

    void reject() override
    {
        if (!child_.isNull() && !child_->queryClose())
            return;
        QDialog::reject();
    }

private:
    QPointer<ChildWindow> child_;
};

} // namespace

void MainWindow::showModal(WindowKind kind)
{
    ChildWindow* child = factory_.make(kind, *this);
    Q_ASSERT(child != nullptr);
    if (child == nullptr)
        return;
    ModalFrame dialog(child, this);
    dialog.setObjectName(child->objectName() + QStringLiteral("Dialog"));
    dialog.setWindowTitle(child->windowTitle());
    connect(child, &QWidget::windowTitleChanged, &dialog, &QWidget::setWindowTitle);
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(child);
    child->setModalHost(&dialog);
    dialog.adjustSize();
    child->opened();
    dialog.exec();
}

void MainWindow::centreWindow(QWidget* child)
{
    const QWidget* area = workspace_->viewport();
    const double dpi = logicalDpiY() > 0 ? logicalDpiY() : 96.0;
    const int lift = static_cast<int>(800.0 / 1440.0 * dpi);
    const int left = (area->width() - child->width()) / 2;
    int top = (area->height() - child->height()) / 2 - lift;
    if (top < 0)
        top = 0;
    child->move(left, top);
}

void MainWindow::setExitEnabled(bool enabled)
{
    exitButton_->setEnabled(enabled);
}

void MainWindow::showStatus(const QString& text)
{
    statusBar()->showMessage(text);
}

void MainWindow::runMenuCommand(const QString& menuObjectName)
{
    // A command whose menu item is disabled (no team chosen) does nothing, as the menu would.
    if (QAction* action = menuAction(menuObjectName); action != nullptr && action->isEnabled())
        action->trigger();
}

namespace {

// The system's URL opener; without a desktop session it needs xdg-open to be installed.
WebOpenResult openWithSystem(const QString& address)
{
    const bool desktop = !qEnvironmentVariableIsEmpty("XDG_CURRENT_DESKTOP");
    if (!desktop && QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        return WebOpenResult::NoOpener;
    return QDesktopServices::openUrl(QUrl::fromUserInput(address)) ? WebOpenResult::Opened
                                                                   : WebOpenResult::Refused;
}

} // namespace

bool MainWindow::startProgram(const ProgramFolders& folders)
{
    StartOutcome outcome;
    {
        BusyPointer busy;
        outcome = startUp(
            state_, folders, [] { QCoreApplication::processEvents(); }, &startNotes_);
    }
    switch (outcome) {
    case StartOutcome::FolderInUse:
        prompter_.tell(this, QStringLiteral("Data Folder in Use"),
            folderInUseText(state_.settings.dataFolder, startNotes_.lock.holder()),
            Message::Icon::Critical);
        return false;
    case StartOutcome::SettingsCorrupt:
        prompter_.tell(this, QStringLiteral("QMKV.INI File Corrupt or Not Found"),
            QStringLiteral("Reinstall Scorvane for Soccer"));
        return false;
    case StartOutcome::DataFolderWindow:
        showWindow(WindowDatapath);
        break;
    case StartOutcome::TeamWindow:
        showWindow(WindowSelectTeam);
        break;
    }
    tellStartNotes();
    if (!shutDown_)
        shutDown_ = [this] {
            BusyPointer busy;
            shutDown(state_);
        };
    // Nothing has ever been kept in the data folder: a new user may look around first.
    if (outcome == StartOutcome::TeamWindow && startNotes_.newDataFolder)
        offerSampleLeague(*this);
    return true;
}

void MainWindow::checkData()
{
    // Reads only, so it may run beside any open window.
    std::vector<IntegrityProblem> problems;
    {
        BusyPointer busy;
        problems = checkDataFolder(state_.settings.dataFolder);
    }
    if (problems.empty()) {
        prompter_.tell(this, QStringLiteral("Check Data Files"),
            QStringLiteral("No problems found in %1").arg(state_.settings.dataFolder));
        return;
    }
    QStringList lines;
    for (const IntegrityProblem& problem : problems)
        lines << problem.line();
    prompter_.tell(this, QStringLiteral("Check Data Files"),
        QStringLiteral("%1 problem(s) found in %2:\n\n%3")
            .arg(problems.size())
            .arg(state_.settings.dataFolder, lines.join(u'\n')),
        Message::Icon::Warning);
}

bool MainWindow::changeDataFolder(const QString& folder)
{
    FolderChange change;
    {
        BusyPointer busy;
        change = scorvane::changeDataFolder(state_, startNotes_, folder);
    }
    if (change == FolderChange::InUse) {
        prompter_.tell(this, QStringLiteral("Data Folder in Use"),
            folderInUseText(folder, startNotes_.lock.holder()), Message::Icon::Critical);
        return false;
    }
    tellStartNotes();
    return true;
}

void MainWindow::tellStartNotes()
{
    for (const PendingChange* change : {&startNotes_.settingsChange, &startNotes_.dataChange}) {
        const QString text = pendingChangeText(*change);
        if (!text.isEmpty())
            prompter_.tell(this, QStringLiteral("Unfinished Change"), text);
    }
    if (startNotes_.teamList.rebuilt) {
        QString text = QStringLiteral("The team list KVTEAMS.DAT had the wrong length, so the team "
                                      "names were reset to Team 1 ... Team 100.");
        if (!startNotes_.teamList.keptAs.isEmpty())
            text
                += QStringLiteral(" The old file was kept as %1.").arg(startNotes_.teamList.keptAs);
        prompter_.tell(this, QStringLiteral("Team List Reset"), text);
    }
    if (startNotes_.readOnlyFolder)
        prompter_.tell(this, QStringLiteral("Read-Only Data Folder"),
            QStringLiteral("The data folder %1 cannot be written. It is open for viewing and "
                           "reports; changes cannot be saved there.")
                .arg(state_.settings.dataFolder));
}

HelpWindow* MainWindow::helpViewer() const
{
    return help_.data();
}

void MainWindow::showHelpTopic(const QString& topic)
{
    if (!isLocalPath(state_.helpFilePath)) {
        prompter_.tell(this, QStringLiteral("Help Error"), helpNetworkErrorText());
        return;
    }
    if (help_.isNull())
        help_ = new HelpWindow(this);
    const QString page = helpTopicPage(state_.helpFilePath, topic);
    if (!help_->showPage(page)) {
        prompter_.tell(this, QStringLiteral("Help Error"),
            QStringLiteral("The help page %1 cannot be found.").arg(page));
        return;
    }
    help_->show();
    help_->raise();
}

void MainWindow::openWebPage(const QString& address)
{
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty()) {
        prompter_.tell(this, QString::fromLatin1(ProductName), emptyWebAddressText());
        return;
    }
    const WebOpenResult result = urlOpener_ ? urlOpener_(trimmed) : openWithSystem(trimmed);
    if (result != WebOpenResult::Opened)
        prompter_.tell(this, QString::fromLatin1(ProductName), webPageErrorText(trimmed, result));
}

void MainWindow::placeExitButton()
{
    exitButton_->move((toolBox_->width() - exitButton_->width()) / 2,
        (toolBox_->height() - exitButton_->height()) / 2);
}

QAbstractButton* MainWindow::childAccessButton(QObject* focused, const QKeyEvent* key) const
{
    if (key->modifiers() != Qt::AltModifier)
        return nullptr;
    ChildWindow* child = currentChild();
    auto* widget = qobject_cast<QWidget*>(focused);
    if (child == nullptr || widget == nullptr || (widget != child && !child->isAncestorOf(widget)))
        return nullptr;
    const QKeySequence pressed(QKeyCombination(Qt::AltModifier, Qt::Key(key->key())));
    const auto buttons = child->findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons) {
        if (button->isVisible() && button->isEnabled()
            && QKeySequence::mnemonic(button->text()) == pressed)
            return button;
    }
    return nullptr;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == toolBox_ && event->type() == QEvent::Resize)
        placeExitButton();
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        if (QAbstractButton* button = childAccessButton(watched, static_cast<QKeyEvent*>(event))) {
            // Accepting the override keeps the key from the menus; the press then clicks.
            event->accept();
            if (event->type() == QEvent::KeyPress) {
                button->setFocus(Qt::ShortcutFocusReason);
                button->click();
            }
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    placeExitButton();
    if (recentreOnResize_ && !current_.isNull())
        centreWindow(current_);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (ChildWindow* child = currentChild(); child != nullptr && !child->queryClose()) {
        event->ignore();
        return;
    }
    if (shutDown_)
        shutDown_();
    event->accept();
}

} // namespace scorvane
