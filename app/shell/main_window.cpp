#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <string_view>

#include "commands/command_runner.h"
#include "commands/edit_commands.h"
#include "commands/export_commands.h"
#include "commands/file_commands.h"
#include "commands/help_commands.h"
#include "commands/knockout_commands.h"
#include "commands/sheet_commands.h"
#include "commands/window_commands.h"
#include "commands/zoom_commands.h"
#include "common/notice.h"
#include "desktop/desktop_services.h"
#include "document/bracket_document.h"
#include "document/pool_document.h"
#include "documents/bracket_window.h"
#include "documents/document_manager.h"
#include "publish/live_publishing.h"
#include "recovery/recovery_dialog.h"
#include "recovery/recovery_manager.h"
#include "settings/profile_settings.h"
#include "shell/key_locks.h"
#include "shell/menu_style.h"
#include "shell/ui_language.h"
#include "support/app_icons.h"
#include "text/app_names.h"

namespace kaz::app {

namespace {

// The program's name, shown in its title, in the editor's language.
static_assert(std::string_view(kaz::kProductName) == "カズボー");

// Where the main window's size and place, and whether its bracket windows were maximised, are
// kept between runs.
const char kPlaceKey[] = "MainWindow/geometry";
const char kMaximizedKey[] = "MainWindow/bracketWindowsMaximized";

// The text a key-state pane shows while its lock is on.
const char kLockTextProperty[] = "lockText";

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent),
      m_mdiArea(new QMdiArea(this)),
      m_recovery(new RecoveryManager(this, RecoveryManager::defaultFolder())),
      m_documentManager(new DocumentManager(m_mdiArea, this, m_recovery)),
      m_actions(this),
      m_placeTimer(new QTimer(this)) {
    m_placeTimer->setSingleShot(true);
    m_placeTimer->setInterval(500);
    connect(m_placeTimer, &QTimer::timeout, this, &MainWindow::keepPlace);
    setWindowTitle(tr("カズボー"));
    setWindowIcon(appIcon());
    setCentralWidget(m_mdiArea);
    m_documentManager->recentFiles().load();
    m_documentManager->setNewSheetLanguage(newSheetLanguage());
    createCommandGroups();
    createMenus();
    createToolBar();
    createStatusBar();
    connect(m_documentManager, &DocumentManager::activeDocumentChanged, this,
            &MainWindow::onActiveDocumentChanged);
    // Once one is maximised, the area maximises each window activated after it.
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        if (window == nullptr || !m_maximizeFirstBracketWindow) return;
        m_maximizeFirstBracketWindow = false;
        window->showMaximized();
    });
    connect(m_documentManager, &DocumentManager::recentFilesChanged, this, [this] {
        fillFileMenu(m_fileMenuShort, false);
        fillFileMenu(m_fileMenuFull, true);
    });
    onActiveDocumentChanged(nullptr);
    setAcceptDrops(true);
    resize(800, 600);
}

MainWindow::~MainWindow() {
    // The MDI area still reports activations while the window is taken apart; and its child
    // windows go first, while the documents they show are still there.
    disconnect(m_mdiArea, nullptr, this, nullptr);
    delete m_mdiArea;
}

gui::BracketDocument* MainWindow::activeDocument() const {
    return m_documentManager->activeDocument();
}

// Each command group connects the actions it serves and follows the active bracket itself.
void MainWindow::createCommandGroups() {
    m_fileCommands = new FileCommands(m_actions, this, m_documentManager);
    new EditCommands(m_actions, this, m_documentManager);
    new ExportCommands(m_actions, this, m_documentManager);
    new SheetCommands(m_actions, this, m_documentManager);
    new KnockoutCommands(m_actions, this, m_documentManager);
    m_windowCommands = new WindowCommands(m_actions, this, m_mdiArea, m_documentManager);
    new ZoomCommands(m_actions, this, m_documentManager);
    new HelpCommands(m_actions, this);
}

void MainWindow::createMenus() {
    auto menu = [this](const QString& title, std::initializer_list<QAction*> items) {
        auto* m = new QMenu(title, this);
        for (QAction* item : items) {
            if (item) {
                m->addAction(item);
            } else {
                m->addSeparator();
            }
        }
        return m;
    };
    const EditorActions& a = m_actions;
    m_fileMenuShort = new QMenu(tr("ﾌｧｲﾙ(&F)"), this);
    m_fileMenuFull = new QMenu(tr("ﾌｧｲﾙ(&F)"), this);
    fillFileMenu(m_fileMenuShort, false);
    fillFileMenu(m_fileMenuFull, true);
    QMenu* viewShort = menu(tr("表示(&V)"), {a.viewToolBar, a.viewStatusBar});
    QMenu* helpShort = menu(tr("ﾍﾙﾌﾟ(&H)"), {a.help, nullptr, a.appAbout});
    m_menusWithoutDocument = {m_fileMenuShort, viewShort, helpShort};

    QMenu* edit = menu(tr("編集(&E)"), {a.editUndo, a.editRedo, nullptr, a.editCut, a.editCopy,
                                        a.editPaste, a.copyBracket});
    QMenu* tools =
        menu(tr("ツール(&T)"), {a.htmlExport, a.htmlSettings, nullptr, a.savePicture, a.livePublish,
                                a.venueServing, nullptr, a.sheetSettings, nullptr, a.makeKnockout});
    QMenu* viewFull =
        menu(tr("表示(&V)"), {a.viewToolBar, a.viewStatusBar, nullptr, a.viewClubs, nullptr,
                              a.viewZoomIn, a.viewZoomOut, a.viewActualSize, a.viewFitSheet});
    m_windowMenu =
        menu(tr("ｳｨﾝﾄﾞｳ(&W)"), {a.windowNew, a.windowCascade, a.windowTile, a.windowArrange});
    connect(m_windowMenu, &QMenu::aboutToShow, this, &MainWindow::fillWindowList);
    QMenu* helpFull = menu(tr("ﾍﾙﾌﾟ(&H)"), {a.help, nullptr, a.appAbout});
    m_menusWithDocument = {m_fileMenuFull, edit, tools, viewFull, m_windowMenu, helpFull};

    auto* style = new MenuStyle;
    style->setParent(this);
    for (QMenu* m : m_menusWithoutDocument + m_menusWithDocument) m->setStyle(style);
}

void MainWindow::fillFileMenu(QMenu* menu, bool withDocument) {
    const EditorActions& a = m_actions;
    menu->clear();
    menu->addActions({a.fileNew, a.fileNewFromList, a.fileOpen});
    if (withDocument) {
        menu->addActions({a.fileClose, a.fileSave, a.fileSaveAs});
        menu->addSeparator();
        menu->addActions({a.filePrint, a.filePrintPreview, a.filePrintSetup});
    }
    menu->addSeparator();
    m_fileCommands->addRecentFiles(menu);
    menu->addSeparator();
    menu->addAction(a.appExit);
}

void MainWindow::fillWindowList() {
    // remove the list of the previous showing: everything after the four commands.
    const QList<QAction*> actions = m_windowMenu->actions();
    for (int i = 4; i < actions.size(); ++i) {
        m_windowMenu->removeAction(actions[i]);
        actions[i]->deleteLater();  // the list's own entries and separator
    }
    m_windowCommands->addWindowList(m_windowMenu);
}

void MainWindow::createToolBar() {
    m_toolBar = new QToolBar(tr("ﾂｰﾙ ﾊﾞｰ"), this);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setIconSize(QSize(16, 15));
    m_toolBar->setMovable(true);
    m_toolBar->setFloatable(true);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    const EditorActions& a = m_actions;
    // Each button shows its action's picture.
    const QList<QAction*> buttons = {a.fileNew,    a.fileOpen,     a.fileSave,  nullptr,
                                     a.editCut,    a.editCopy,     a.editPaste, a.editUndo,
                                     a.editRedo,   nullptr,        a.filePrint, nullptr,
                                     a.htmlExport, a.htmlSettings, nullptr,     a.appAbout};
    for (QAction* button : buttons) {
        if (button) {
            m_toolBar->addAction(button);
        } else {
            m_toolBar->addSeparator();
        }
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    QAction* toggle = m_actions.viewToolBar;
    connect(toggle, &QAction::toggled, m_toolBar, &QWidget::setVisible);
    connect(m_toolBar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

void MainWindow::createStatusBar() {
    QStatusBar* bar = statusBar();
    // Key-state panes, named by their Japanese text, showing their text while that lock is on.
    for (const char* name : {QT_TR_NOOP("ｶﾅ"), "CAP", "NUM", "SCRL"}) {
        auto* pane = new QLabel(this);
        pane->setObjectName(QString::fromUtf8(name));
        const QString text = tr(name);
        pane->setProperty(kLockTextProperty, text);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(text) + 8);
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        bar->addPermanentWidget(pane);
        m_indicators << pane;
    }
    const QString idle = tr("ﾍﾙﾌﾟを表示するには [F1] を押してください。");
    connect(bar, &QStatusBar::messageChanged, this, [this, idle](const QString& message) {
        if (message.isEmpty()) gui::tell(this, idle, gui::Notice::Standing);
    });
    gui::tell(this, idle, gui::Notice::Standing);
    connect(m_actions.viewStatusBar, &QAction::toggled, bar, &QWidget::setVisible);
    // The locks change only with a key, so the panes are refreshed after each one.
    qApp->installEventFilter(this);
    updateIndicators();
}

void MainWindow::updateIndicators() {
    const std::optional<KeyLocks> locks = queryKeyLocks();
    const bool on[] = {locks && locks->kana, locks && locks->caps, locks && locks->num,
                       locks && locks->scroll};
    for (int i = 0; i < m_indicators.size(); ++i) {
        m_indicators[i]->setText(on[i] ? m_indicators[i]->property(kLockTextProperty).toString()
                                       : QString());
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease || event->type() == QEvent::WindowActivate) {
        updateIndicators();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::onActiveDocumentChanged(gui::BracketDocument* doc) {
    gui::PoolDocument* pools = m_documentManager->activePoolDocument();
    const bool withDocument = doc != nullptr || pools != nullptr;
    if (withDocument != m_showingDocumentMenu || menuBar()->actions().isEmpty()) {
        menuBar()->clear();
        for (QMenu* m : withDocument ? m_menusWithDocument : m_menusWithoutDocument) {
            menuBar()->addMenu(m);
        }
        m_showingDocumentMenu = withDocument;
    }
    for (QAction* command : m_actions.bracketCommands()) command->setEnabled(doc != nullptr);
    for (QAction* command : m_actions.documentCommands()) command->setEnabled(withDocument);
    for (QAction* command : m_actions.poolCommands()) command->setEnabled(pools != nullptr);
    if (pools) {
        connect(pools, &gui::PoolDocument::changed, this, &MainWindow::updateTitle,
                Qt::UniqueConnection);
        connect(pools, &gui::PoolDocument::changedStateChanged, this, &MainWindow::updateTitle,
                Qt::UniqueConnection);
    }
    if (doc) {
        connect(doc, &gui::BracketDocument::changed, this, &MainWindow::onDocumentChanged,
                Qt::UniqueConnection);
        connect(doc, &gui::BracketDocument::changedStateChanged, this, &MainWindow::updateTitle,
                Qt::UniqueConnection);
    }
    updateTitle();
}

void MainWindow::onDocumentChanged(const kaz::DocumentChange& change) {
    if (change.title) updateTitle();
}

// "カズボー - " and the active bracket's title, once, marked while it has changes not stored:
// not the window's caption (":2"), and not with the caption that Qt appends while a child
// window is maximised.
QString MainWindow::wantedTitle() const {
    const gui::BracketDocument* doc = activeDocument();
    const gui::PoolDocument* pools = m_documentManager->activePoolDocument();
    const QString name = tr("カズボー");
    if (pools) return titleWithChangeMark(name + QStringLiteral(" - ") + pools->title());
    return doc ? titleWithChangeMark(name + QStringLiteral(" - ") + doc->title()) : name;
}

void MainWindow::updateTitle() {
    // Whichever bracket signalled, the mark follows the active one.
    const gui::BracketDocument* doc = activeDocument();
    const gui::PoolDocument* pools = m_documentManager->activePoolDocument();
    setWindowModified((doc && doc->isChanged()) || (pools && pools->isChanged()));
    if (windowTitle() != wantedTitle()) setWindowTitle(wantedTitle());
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowTitleChange) updateTitle();
    if (event->type() == QEvent::WindowStateChange) keepPlaceSoon();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    keepPlaceSoon();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    keepPlaceSoon();
}

void MainWindow::keepPlaceSoon() {
    // Before it is shown the window is still taking the place it restores.
    if (isVisible()) m_placeTimer->start();
}

void MainWindow::keepPlace() {
    QSettings settings = profileSettings();
    settings.setValue(kPlaceKey, saveGeometry());
    if (QMdiSubWindow* active = m_mdiArea->activeSubWindow()) {
        settings.setValue(kMaximizedKey, active->isMaximized());
    }
}

void MainWindow::offerRecovery() {
    const QList<RecoveryManager::Leftover> leftovers = m_recovery->leftovers();
    if (leftovers.isEmpty()) return;
    // いいえ to the question after 破棄 brings the choice back, as it was left.
    RecoveryDialog dialog(leftovers, this);
    for (;;) {
        // Esc and the close box are 後で, whatever an earlier round chose.
        const bool accepted = dialog.exec() == QDialog::Accepted;
        const QList<RecoveryManager::Leftover> chosen = dialog.chosen();
        switch (accepted ? dialog.choice() : RecoveryDialog::Choice::Later) {
            case RecoveryDialog::Choice::Restore:
                for (const RecoveryManager::Leftover& leftover : chosen) {
                    runCommand(
                        this, [this, &leftover] { m_documentManager->restore(leftover); },
                        kaz::FileError::OpenFailed);
                }
                return;
            case RecoveryDialog::Choice::Later: return;
            case RecoveryDialog::Choice::Discard:
                if (chosen.isEmpty()) return;
                if (!gui::DesktopServices::instance().askYesNo(
                        this, tr("選択したﾄﾞｷｭﾒﾝﾄの変更を破棄しますか?"))) {
                    continue;
                }
                for (const RecoveryManager::Leftover& leftover : chosen) {
                    m_recovery->discard(leftover);
                }
                return;
        }
    }
}

void MainWindow::openFiles(const QStringList& paths) {
    for (const QString& path : paths) {
        runCommand(
            this, [this, &path] { m_documentManager->openDocumentFile(path); },
            kaz::FileError::OpenFailed);
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            return;
        }
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) paths << url.toLocalFile();
    }
    event->acceptProposedAction();
    openFiles(paths);
}

void MainWindow::restorePlace() {
    QSettings settings = profileSettings();
    restoreGeometry(settings.value(kPlaceKey).toByteArray());
    m_maximizeFirstBracketWindow = settings.value(kMaximizedKey, false).toBool();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_documentManager->saveAllModified()) {
        event->ignore();
        return;
    }
    m_placeTimer->stop();
    keepPlace();
    // A slow folder holds the quit up a few seconds at most, and then says so.
    m_documentManager->publishing()->finishAll();
    m_documentManager->closeAllDocuments();
    m_documentManager->recentFiles().save();
    event->accept();
}

}  // namespace kaz::app
