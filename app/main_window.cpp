#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "dialogs/about_dialog.h"
#include "app_icons.h"
#include "bracket_window.h"
#include "commands.h"
#include "document_manager.h"
#include "dialogs/help_dialog.h"
#include "key_locks.h"
#include "document/bracket_document.h"
#include "html_commands.h"

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent),
      m_mdiArea(new QMdiArea(this)),
      m_pDocManager(new CDocManager(m_mdiArea, this)) {
    setWindowTitle(QStringLiteral("カズボー"));
    setWindowIcon(AppIcon());
    setCentralWidget(m_mdiArea);
    m_pDocManager->RecentFiles().Load();
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::OnActiveWindowChanged);
    connect(m_pDocManager, &CDocManager::recentFilesChanged, this, [this] {
        FillFileMenu(m_fileMenuShort, false);
        FillFileMenu(m_fileMenuFull, true);
    });
    OnActiveWindowChanged();
    resize(800, 600);
}

CMainFrame::~CMainFrame() {
    // The MDI area still reports activations while the window is taken apart; and its child
    // windows go first, while the documents they show are still there.
    disconnect(m_mdiArea, nullptr, this, nullptr);
    delete m_mdiArea;
}

CKaz_editDoc* CMainFrame::ActiveDocument() const { return m_pDocManager->ActiveDocument(); }

QAction* CMainFrame::AddCommand(int id, const QString& text, const QString& keys) {
    auto* action = new QAction(text, this);
    action->setData(id);
    const CommandPrompt prompt = PromptOf(id);
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

void CMainFrame::CreateActions() {
    CDocManager* docs = m_pDocManager;
    auto onDoc = [this](void (*command)(CKaz_editDoc*, QWidget*)) {
        return [this, command] {
            if (CKaz_editDoc* doc = ActiveDocument()) command(doc, this);
        };
    };
    connect(AddCommand(ID_FILE_NEW, "新規作成(&N)\tCtrl+N", "Ctrl+N"), &QAction::triggered, docs,
            &CDocManager::OnFileNew);
    connect(AddCommand(ID_FILE_OPEN, "開く(&O)...\tCtrl+O", "Ctrl+O"), &QAction::triggered, docs,
            &CDocManager::OnFileOpen);
    connect(AddCommand(ID_FILE_CLOSE, "閉じる(&C)"), &QAction::triggered, this,
            [this] { m_pDocManager->OnFileClose(ActiveDocument()); });
    connect(AddCommand(ID_FILE_SAVE, "上書き保存(&S)\tCtrl+S", "Ctrl+S"), &QAction::triggered,
            this, [this] {
                if (CKaz_editDoc* doc = ActiveDocument()) m_pDocManager->OnFileSave(doc);
            });
    connect(AddCommand(ID_FILE_SAVE_AS, "名前を付けて保存(&A)..."), &QAction::triggered, this,
            [this] {
                if (CKaz_editDoc* doc = ActiveDocument()) m_pDocManager->OnFileSaveAs(doc);
            });
    AddCommand(ID_FILE_MRU_FILE1, "最近使ったﾌｧｲﾙ")->setEnabled(false);
    connect(AddCommand(ID_APP_EXIT, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"), &QAction::triggered, this,
            &QWidget::close);

    // The edit commands have no handler: shown disabled, their keys left to the name boxes.
    AddCommand(ID_EDIT_UNDO, "元に戻す(&U)\tCtrl+Z");
    AddCommand(ID_EDIT_CUT, "切り取り(&T)\tCtrl+X");
    AddCommand(ID_EDIT_COPY, "ｺﾋﾟｰ(&C)\tCtrl+C");
    AddCommand(ID_EDIT_PASTE, "貼り付け(&P)\tCtrl+V");

    connect(AddCommand(ID_HTML_EXPORT, "HTML化(&H)\tCtrl+T", "Ctrl+T"), &QAction::triggered,
            this, onDoc(&OnHtmlExport));
    connect(AddCommand(ID_HTML_SETTINGS, "HTML設定(&S)\tCtrl+H", "Ctrl+H"), &QAction::triggered,
            this, onDoc(&OnHtmlSettings));

    QAction* toolBar = AddCommand(ID_VIEW_TOOLBAR, "ﾂｰﾙ ﾊﾞｰ(&T)");
    toolBar->setCheckable(true);
    toolBar->setChecked(true);
    QAction* statusBarAction = AddCommand(ID_VIEW_STATUS_BAR, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)");
    statusBarAction->setCheckable(true);
    statusBarAction->setChecked(true);
    connect(statusBarAction, &QAction::toggled, this,
            [this](bool on) { statusBar()->setVisible(on); });

    connect(AddCommand(ID_WINDOW_NEW, "新しいｳｨﾝﾄﾞｳを開く(&N)"), &QAction::triggered, this,
            [this] { m_pDocManager->OnWindowNew(ActiveDocument()); });
    connect(AddCommand(ID_WINDOW_CASCADE, "重ねて表示(&C)"), &QAction::triggered, m_mdiArea,
            &QMdiArea::cascadeSubWindows);
    connect(AddCommand(ID_WINDOW_TILE_HORZ, "並べて表示(&T)"), &QAction::triggered, m_mdiArea,
            &QMdiArea::tileSubWindows);
    connect(AddCommand(ID_WINDOW_ARRANGE, "ｱｲｺﾝの整列(&A)"), &QAction::triggered, this,
            &CMainFrame::ArrangeIcons);
    connect(AddCommand(ID_APP_ABOUT, "Kaz_edit のﾊﾞｰｼﾞｮﾝ情報(&A)..."), &QAction::triggered,
            this, &CMainFrame::ShowAbout);
    connect(AddCommand(ID_HELP, "ﾍﾙﾌﾟ", "F1"), &QAction::triggered, this, &CMainFrame::ShowHelp);
    connect(AddCommand(ID_CONTEXT_HELP, "ﾍﾙﾌﾟ", "Shift+F1"), &QAction::triggered, this,
            &CMainFrame::ShowHelp);
    // No window of this program is split into panes, so F6 and Shift+F6 have nothing to do.
    AddCommand(ID_NEXT_PANE, "次のﾍﾟｲﾝ", "F6")->setEnabled(false);
    AddCommand(ID_PREV_PANE, "前のﾍﾟｲﾝ", "Shift+F6")->setEnabled(false);
    for (int id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE}) {
        m_actions[id]->setEnabled(false);
    }
}

void CMainFrame::CreateMenus() {
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
    FillFileMenu(m_fileMenuShort, false);
    FillFileMenu(m_fileMenuFull, true);
    QMenu* viewShort = menu("表示(&V)", {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR});
    QMenu* helpShort = menu("ﾍﾙﾌﾟ(&H)", {ID_APP_ABOUT});
    m_menusWithoutDocument = {m_fileMenuShort, viewShort, helpShort};

    QMenu* edit = menu("編集(&E)", {ID_EDIT_UNDO, 0, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE});
    QMenu* tools = menu("ツール(&T)", {ID_HTML_EXPORT, ID_HTML_SETTINGS});
    QMenu* viewFull = menu("表示(&V)", {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR});
    m_windowMenu = menu("ｳｨﾝﾄﾞｳ(&W)",
                        {ID_WINDOW_NEW, ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ, ID_WINDOW_ARRANGE});
    connect(m_windowMenu, &QMenu::aboutToShow, this, &CMainFrame::FillWindowList);
    QMenu* helpFull = menu("ﾍﾙﾌﾟ(&H)", {ID_APP_ABOUT});
    m_menusWithDocument = {m_fileMenuFull, edit, tools, viewFull, m_windowMenu, helpFull};
}

void CMainFrame::FillFileMenu(QMenu* menu, bool withDocument) {
    menu->clear();
    menu->addAction(m_actions[ID_FILE_NEW]);
    menu->addAction(m_actions[ID_FILE_OPEN]);
    if (withDocument) {
        for (int id : {ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS}) {
            menu->addAction(m_actions[id]);
        }
    }
    menu->addSeparator();
    const QStringList& recent = m_pDocManager->RecentFiles().Entries();
    if (recent.isEmpty()) menu->addAction(m_actions[ID_FILE_MRU_FILE1]);
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QAction* entry = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path));
        entry->setData(ID_FILE_MRU_FILE1 + i);
        entry->setStatusTip(PromptOf(ID_FILE_MRU_FILE1).status);
        connect(entry, &QAction::triggered, m_pDocManager,
                [this, path] { m_pDocManager->OpenDocumentFile(path); });
    }
    menu->addSeparator();
    menu->addAction(m_actions[ID_APP_EXIT]);
}

void CMainFrame::FillWindowList() {
    // Remove the list of the previous showing: everything after the four commands.
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

void CMainFrame::CreateToolBar() {
    m_toolBar = new QToolBar(QStringLiteral("ﾂｰﾙ ﾊﾞｰ"), this);
    m_toolBar->setObjectName(QStringLiteral("toolBar128"));
    m_toolBar->setIconSize(QSize(16, 15));
    m_toolBar->setMovable(true);
    m_toolBar->setFloatable(true);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    const int buttons[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_EDIT_CUT,
                           ID_EDIT_COPY, ID_EDIT_PASTE, 0, ID_HTML_EXPORT, ID_HTML_SETTINGS,
                           0, ID_APP_ABOUT};
    int image = 0;
    for (int id : buttons) {
        if (id == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        m_actions[id]->setIcon(QIcon(ToolbarImage(image++)));
        m_toolBar->addAction(m_actions[id]);
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    QAction* toggle = m_actions[ID_VIEW_TOOLBAR];
    connect(toggle, &QAction::toggled, m_toolBar, &QWidget::setVisible);
    connect(m_toolBar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

void CMainFrame::CreateStatusBar() {
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
        if (message.isEmpty()) bar->showMessage(IdleStatusText());
    });
    bar->showMessage(IdleStatusText());
    // The locks change only with a key, so the panes are refreshed after each one.
    qApp->installEventFilter(this);
    UpdateIndicators();
}

void CMainFrame::UpdateIndicators() {
    const std::optional<KeyLocks> locks = QueryKeyLocks();
    const bool on[] = {locks && locks->kana, locks && locks->caps, locks && locks->num,
                       locks && locks->scroll};
    for (int i = 0; i < m_indicators.size(); ++i) {
        m_indicators[i]->setText(on[i] ? m_indicators[i]->objectName() : QString());
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease || event->type() == QEvent::WindowActivate) {
        UpdateIndicators();
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::OnActiveWindowChanged() {
    CKaz_editDoc* doc = ActiveDocument();
    const bool withDocument = doc != nullptr;
    if (withDocument != m_bShowingDocumentMenu || menuBar()->actions().isEmpty()) {
        menuBar()->clear();
        for (QMenu* m : withDocument ? m_menusWithDocument : m_menusWithoutDocument) {
            menuBar()->addMenu(m);
        }
        m_bShowingDocumentMenu = withDocument;
    }
    for (int id : {ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_HTML_EXPORT, ID_HTML_SETTINGS,
                   ID_WINDOW_NEW, ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ, ID_WINDOW_ARRANGE}) {
        m_actions[id]->setEnabled(withDocument);
    }
    QMdiSubWindow* active = m_mdiArea->currentSubWindow();
    setWindowTitle(active ? QStringLiteral("カズボー - ") + active->windowTitle()
                          : QStringLiteral("カズボー"));
    if (active) {
        connect(active, &QWidget::windowTitleChanged, this, &CMainFrame::OnActiveWindowChanged,
                Qt::UniqueConnection);
    }
}

void CMainFrame::ArrangeIcons() {
    // Minimised windows in a row along the bottom of the area.
    int x = 0;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized()) continue;
        const QSize size = window->size();
        window->move(x, m_mdiArea->viewport()->height() - size.height());
        x += size.width();
    }
}

void CMainFrame::ShowHelp() {
    CHelpDlg dialog(this);
    dialog.exec();
}

void CMainFrame::ShowAbout() {
    CAboutDlg dialog(AppIcon(), this);
    dialog.exec();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_pDocManager->SaveAllModified()) {
        event->ignore();
        return;
    }
    m_pDocManager->CloseAllDocuments();
    m_pDocManager->RecentFiles().Save();
    event->accept();
}
