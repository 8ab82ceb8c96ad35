#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "app_icons.h"
#include "bracket_window.h"
#include "commands.h"
#include "dialogs/about_dialog.h"
#include "dialogs/help_dialog.h"
#include "document/bracket_document.h"
#include "document_manager.h"
#include "html_commands.h"
#include "key_locks.h"
#include "menu_style.h"
#include "print_commands.h"

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent),
      m_mdiArea(new QMdiArea(this)),
      m_documentManager(new DocumentManager(m_mdiArea, this)) {
    setWindowTitle(QStringLiteral("カズボー"));
    setWindowIcon(appIcon());
    setCentralWidget(m_mdiArea);
    m_documentManager->recentFiles().load();
    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &MainWindow::onActiveWindowChanged);
    connect(m_documentManager, &DocumentManager::recentFilesChanged, this, [this] {
        fillFileMenu(m_fileMenuShort, false);
        fillFileMenu(m_fileMenuFull, true);
    });
    onActiveWindowChanged();
    resize(800, 600);
}

MainWindow::~MainWindow() {
    // The MDI area still reports activations while the window is taken apart; and its child
    // windows go first, while the documents they show are still there.
    disconnect(m_mdiArea, nullptr, this, nullptr);
    delete m_mdiArea;
}

BracketDocument* MainWindow::activeDocument() const { return m_documentManager->activeDocument(); }

QAction* MainWindow::addCommand(int id, const QString& text, const QString& keys) {
    auto* action = new QAction(text, this);
    action->setData(id);
    const CommandPrompt prompt = promptOf(id);
    action->setStatusTip(prompt.status);
    action->setToolTip(prompt.tooltip.isEmpty() ? text : prompt.tooltip);
    if (!keys.isEmpty()) {
        QList<QKeySequence> sequences;
        for (const QString& key : keys.split(QLatin1Char('|'))) sequences << QKeySequence(key);
        action->setShortcuts(sequences);
        // The keys apply in every window, also while a name box has the focus.
        action->setShortcutContext(Qt::ApplicationShortcut);
    }
    addAction(action);
    m_actions.insert(id, action);
    return action;
}

void MainWindow::createActions() {
    DocumentManager* docs = m_documentManager;
    auto onDoc = [this](void (*command)(BracketDocument*, QWidget*)) {
        return [this, command] {
            if (BracketDocument* doc = activeDocument()) command(doc, this);
        };
    };
    connect(addCommand(Command::FileNew, "新規作成(&N)\tCtrl+N", "Ctrl+N"), &QAction::triggered,
            docs, &DocumentManager::onFileNew);
    connect(addCommand(Command::FileOpen, "開く(&O)...\tCtrl+O", "Ctrl+O"), &QAction::triggered,
            docs, &DocumentManager::onFileOpen);
    connect(addCommand(Command::FileClose, "閉じる(&C)"), &QAction::triggered, this,
            [this] { m_documentManager->onFileClose(activeDocument()); });
    connect(addCommand(Command::FileSave, "上書き保存(&S)\tCtrl+S", "Ctrl+S"), &QAction::triggered,
            this, [this] {
                if (BracketDocument* doc = activeDocument()) m_documentManager->onFileSave(doc);
            });
    connect(addCommand(Command::FileSaveAs, "名前を付けて保存(&A)..."), &QAction::triggered, this,
            [this] {
                if (BracketDocument* doc = activeDocument()) m_documentManager->onFileSaveAs(doc);
            });
    auto* printing = new PrintCommands(this);
    auto onPrinting = [this, printing](void (PrintCommands::*command)(BracketDocument*)) {
        return [this, printing, command] {
            if (BracketDocument* doc = activeDocument()) (printing->*command)(doc);
        };
    };
    connect(addCommand(Command::FilePrint, "印刷(&P)...\tCtrl+P", "Ctrl+P"), &QAction::triggered,
            this, onPrinting(&PrintCommands::print));
    connect(addCommand(Command::FilePrintPreview, "印刷ﾌﾟﾚﾋﾞｭｰ(&V)"), &QAction::triggered, this,
            onPrinting(&PrintCommands::preview));
    connect(addCommand(Command::FilePrintSetup, "ﾌﾟﾘﾝﾀの設定(&R)..."), &QAction::triggered, this,
            onPrinting(&PrintCommands::setUpPrinter));
    addCommand(Command::RecentFile1, "最近使ったﾌｧｲﾙ")->setEnabled(false);
    connect(addCommand(Command::AppExit, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"), &QAction::triggered, this,
            &QWidget::close);

    // The edit commands have no handler: shown disabled, their keys left to the name boxes.
    addCommand(Command::EditUndo, "元に戻す(&U)\tCtrl+Z");
    addCommand(Command::EditCut, "切り取り(&T)\tCtrl+X");
    addCommand(Command::EditCopy, "ｺﾋﾟｰ(&C)\tCtrl+C");
    addCommand(Command::EditPaste, "貼り付け(&P)\tCtrl+V");

    connect(addCommand(Command::HtmlExport, "HTML化(&H)\tCtrl+T", "Ctrl+T"), &QAction::triggered,
            this, onDoc(&exportHtmlPage));
    connect(addCommand(Command::HtmlSettings, "HTML設定(&S)\tCtrl+H", "Ctrl+H"),
            &QAction::triggered, this, onDoc(&editHtmlSettings));
    connect(addCommand(Command::SavePicture, "画像として保存(&I)..."), &QAction::triggered, this,
            onDoc(&saveBracketPicture));

    QAction* toolBar = addCommand(Command::ViewToolBar, "ﾂｰﾙ ﾊﾞｰ(&T)");
    toolBar->setCheckable(true);
    toolBar->setChecked(true);
    QAction* statusBarAction = addCommand(Command::ViewStatusBar, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)");
    statusBarAction->setCheckable(true);
    statusBarAction->setChecked(true);
    connect(statusBarAction, &QAction::toggled, this,
            [this](bool on) { statusBar()->setVisible(on); });

    connect(addCommand(Command::WindowNew, "新しいｳｨﾝﾄﾞｳを開く(&N)"), &QAction::triggered, this,
            [this] { m_documentManager->onWindowNew(activeDocument()); });
    connect(addCommand(Command::WindowCascade, "重ねて表示(&C)"), &QAction::triggered, m_mdiArea,
            &QMdiArea::cascadeSubWindows);
    connect(addCommand(Command::WindowTile, "並べて表示(&T)"), &QAction::triggered, m_mdiArea,
            &QMdiArea::tileSubWindows);
    connect(addCommand(Command::WindowArrange, "ｱｲｺﾝの整列(&A)"), &QAction::triggered, this,
            &MainWindow::arrangeIcons);
    connect(addCommand(Command::AppAbout, "Kaz_edit のﾊﾞｰｼﾞｮﾝ情報(&A)..."), &QAction::triggered,
            this, &MainWindow::showAbout);
    connect(addCommand(Command::Help, "ﾍﾙﾌﾟ", "F1"), &QAction::triggered, this,
            &MainWindow::showHelp);
    connect(addCommand(Command::ContextHelp, "ﾍﾙﾌﾟ", "Shift+F1"), &QAction::triggered, this,
            &MainWindow::showHelp);
    // The window keys of this kind of editor, beside Qt's own Ctrl+W and Ctrl+Tab.
    addWindowKey("Ctrl+F4", [this] { m_mdiArea->closeActiveSubWindow(); });
    addWindowKey("Ctrl+F6", [this] { m_mdiArea->activateNextSubWindow(); });
    addWindowKey("Ctrl+Shift+F6", [this] { m_mdiArea->activatePreviousSubWindow(); });
    // No window of this program is split into panes, so F6 and Shift+F6 have nothing to do.
    addCommand(Command::NextPane, "次のﾍﾟｲﾝ", "F6")->setEnabled(false);
    addCommand(Command::PrevPane, "前のﾍﾟｲﾝ", "Shift+F6")->setEnabled(false);
    for (int id : {Command::EditUndo, Command::EditCut, Command::EditCopy, Command::EditPaste}) {
        m_actions[id]->setEnabled(false);
    }
}

void MainWindow::addWindowKey(const char* key, std::function<void()> handler) {
    auto* action = new QAction(this);
    action->setShortcut(QKeySequence(QString::fromLatin1(key)));
    action->setShortcutContext(Qt::ApplicationShortcut);
    connect(action, &QAction::triggered, this, std::move(handler));
    addAction(action);
}

void MainWindow::createMenus() {
    auto menu = [this](const char* title, std::initializer_list<int> ids) {
        auto* m = new QMenu(QString::fromUtf8(title), this);
        for (int id : ids) {
            if (id == 0) {
                m->addSeparator();
            } else {
                m->addAction(m_actions[id]);
            }
        }
        return m;
    };
    m_fileMenuShort = new QMenu(QStringLiteral("ﾌｧｲﾙ(&F)"), this);
    m_fileMenuFull = new QMenu(QStringLiteral("ﾌｧｲﾙ(&F)"), this);
    fillFileMenu(m_fileMenuShort, false);
    fillFileMenu(m_fileMenuFull, true);
    QMenu* viewShort = menu("表示(&V)", {Command::ViewToolBar, Command::ViewStatusBar});
    QMenu* helpShort = menu("ﾍﾙﾌﾟ(&H)", {Command::AppAbout});
    m_menusWithoutDocument = {m_fileMenuShort, viewShort, helpShort};

    QMenu* edit = menu("編集(&E)", {Command::EditUndo, 0, Command::EditCut, Command::EditCopy,
                                    Command::EditPaste});
    QMenu* tools =
        menu("ツール(&T)", {Command::HtmlExport, Command::HtmlSettings, 0, Command::SavePicture});
    QMenu* viewFull = menu("表示(&V)", {Command::ViewToolBar, Command::ViewStatusBar});
    m_windowMenu = menu("ｳｨﾝﾄﾞｳ(&W)", {Command::WindowNew, Command::WindowCascade,
                                       Command::WindowTile, Command::WindowArrange});
    connect(m_windowMenu, &QMenu::aboutToShow, this, &MainWindow::fillWindowList);
    QMenu* helpFull = menu("ﾍﾙﾌﾟ(&H)", {Command::AppAbout});
    m_menusWithDocument = {m_fileMenuFull, edit, tools, viewFull, m_windowMenu, helpFull};

    auto* style = new MenuStyle;
    style->setParent(this);
    for (QMenu* m : m_menusWithoutDocument + m_menusWithDocument) m->setStyle(style);
}

void MainWindow::fillFileMenu(QMenu* menu, bool withDocument) {
    menu->clear();
    menu->addAction(m_actions[Command::FileNew]);
    menu->addAction(m_actions[Command::FileOpen]);
    if (withDocument) {
        for (int id : {Command::FileClose, Command::FileSave, Command::FileSaveAs}) {
            menu->addAction(m_actions[id]);
        }
        menu->addSeparator();
        for (int id : {Command::FilePrint, Command::FilePrintPreview, Command::FilePrintSetup}) {
            menu->addAction(m_actions[id]);
        }
    }
    menu->addSeparator();
    const QStringList& recent = m_documentManager->recentFiles().entries();
    if (recent.isEmpty()) menu->addAction(m_actions[Command::RecentFile1]);
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QAction* entry = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path));
        entry->setData(Command::RecentFile1 + i);
        entry->setStatusTip(promptOf(Command::RecentFile1).status);
        connect(entry, &QAction::triggered, m_documentManager,
                [this, path] { m_documentManager->openDocumentFile(path); });
    }
    menu->addSeparator();
    menu->addAction(m_actions[Command::AppExit]);
}

void MainWindow::fillWindowList() {
    // remove the list of the previous showing: everything after the four commands.
    const QList<QAction*> actions = m_windowMenu->actions();
    for (int i = 4; i < actions.size(); ++i) {
        m_windowMenu->removeAction(actions[i]);
        actions[i]->deleteLater();  // the list's own entries and separator
    }
    const QList<QMdiSubWindow*> windows = m_mdiArea->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty()) return;
    m_windowMenu->addSeparator();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        QAction* entry =
            m_windowMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(window->windowTitle()));
        entry->setCheckable(true);
        entry->setChecked(window == m_mdiArea->currentSubWindow());
        connect(entry, &QAction::triggered, m_mdiArea,
                [this, window] { m_mdiArea->setActiveSubWindow(window); });
    }
}

void MainWindow::createToolBar() {
    m_toolBar = new QToolBar(QStringLiteral("ﾂｰﾙ ﾊﾞｰ"), this);
    m_toolBar->setObjectName(QStringLiteral("toolBar128"));
    m_toolBar->setIconSize(QSize(16, 15));
    m_toolBar->setMovable(true);
    m_toolBar->setFloatable(true);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    const int buttons[] = {Command::FileNew,
                           Command::FileOpen,
                           Command::FileSave,
                           0,
                           Command::EditCut,
                           Command::EditCopy,
                           Command::EditPaste,
                           0,
                           Command::FilePrint,
                           0,
                           Command::HtmlExport,
                           Command::HtmlSettings,
                           0,
                           Command::AppAbout};
    int image = 0;
    for (int id : buttons) {
        if (id == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        m_actions[id]->setIcon(QIcon(toolbarImage(image++)));
        m_toolBar->addAction(m_actions[id]);
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    QAction* toggle = m_actions[Command::ViewToolBar];
    connect(toggle, &QAction::toggled, m_toolBar, &QWidget::setVisible);
    connect(m_toolBar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

void MainWindow::createStatusBar() {
    QStatusBar* bar = statusBar();
    // Key-state panes, showing their text while that lock is on.
    for (const char* name : {"ｶﾅ", "CAP", "NUM", "SCRL"}) {
        auto* pane = new QLabel(this);
        pane->setObjectName(QString::fromUtf8(name));
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QString::fromUtf8(name)) + 8);
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        bar->addPermanentWidget(pane);
        m_indicators << pane;
    }
    connect(bar, &QStatusBar::messageChanged, this, [bar](const QString& message) {
        if (message.isEmpty()) bar->showMessage(idleStatusText());
    });
    bar->showMessage(idleStatusText());
    // The locks change only with a key, so the panes are refreshed after each one.
    qApp->installEventFilter(this);
    updateIndicators();
}

void MainWindow::updateIndicators() {
    const std::optional<KeyLocks> locks = queryKeyLocks();
    const bool on[] = {locks && locks->kana, locks && locks->caps, locks && locks->num,
                       locks && locks->scroll};
    for (int i = 0; i < m_indicators.size(); ++i) {
        m_indicators[i]->setText(on[i] ? m_indicators[i]->objectName() : QString());
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease || event->type() == QEvent::WindowActivate) {
        updateIndicators();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::onActiveWindowChanged() {
    BracketDocument* doc = activeDocument();
    const bool withDocument = doc != nullptr;
    if (withDocument != m_showingDocumentMenu || menuBar()->actions().isEmpty()) {
        menuBar()->clear();
        for (QMenu* m : withDocument ? m_menusWithDocument : m_menusWithoutDocument) {
            menuBar()->addMenu(m);
        }
        m_showingDocumentMenu = withDocument;
    }
    for (int id : {Command::FileClose, Command::FileSave, Command::FileSaveAs, Command::FilePrint,
                   Command::FilePrintPreview, Command::FilePrintSetup, Command::HtmlExport,
                   Command::HtmlSettings, Command::SavePicture, Command::WindowNew,
                   Command::WindowCascade, Command::WindowTile, Command::WindowArrange}) {
        m_actions[id]->setEnabled(withDocument);
    }
    if (doc) {
        connect(doc, &BracketDocument::titleChanged, this, &MainWindow::updateTitle,
                Qt::UniqueConnection);
    }
    updateTitle();
}

// "カズボー - " and the active bracket's title, once: not the window's caption (":2"), and not
// with the caption that Qt appends while a child window is maximised.
QString MainWindow::wantedTitle() const {
    const BracketDocument* doc = activeDocument();
    return doc ? QStringLiteral("カズボー - ") + doc->title() : QStringLiteral("カズボー");
}

void MainWindow::updateTitle() {
    if (windowTitle() != wantedTitle()) setWindowTitle(wantedTitle());
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowTitleChange) updateTitle();
}

void MainWindow::arrangeIcons() {
    // Minimised windows in a row along the bottom of the area.
    int x = 0;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized()) continue;
        const QSize size = window->size();
        window->move(x, m_mdiArea->viewport()->height() - size.height());
        x += size.width();
    }
}

void MainWindow::showHelp() {
    HelpDialog dialog(this);
    dialog.exec();
}

void MainWindow::showAbout() {
    AboutDialog dialog(appIcon(), this);
    dialog.exec();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_documentManager->saveAllModified()) {
        event->ignore();
        return;
    }
    m_documentManager->closeAllDocuments();
    m_documentManager->recentFiles().save();
    event->accept();
}
