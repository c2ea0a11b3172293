#include "FrmMain.h"

#include "AppState.h"
#include "FrmLogin.h"
#include "GenFunc.h"
#include "ListCatalog.h"
#include "Settings.h"
#include "platform/grid/TextGrid.h"
#include "platform/ini/IniFile.h"
#include "platform/nav/NavigationBar.h"
#include "platform/ui/Modal.h"
#include "platform/ui/Msg.h"
#include "platform/ui/WaitCursor.h"
#include "platform/ui/Widgets.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace {

QAction *makeAction(QObject *owner, const char *name, const QString &text, const QString &iconText = QString())
{
    auto *a = new QAction(text, owner);
    a->setObjectName(QString::fromLatin1(name));
    if (!iconText.isEmpty())
        a->setIconText(iconText);
    return a;
}

QLabel *captionBox(const QString &text, const char *name, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setFixedHeight(twips(300));
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

} // namespace

FrmMain::FrmMain(AppState &state, const WindowRegistry &registry, QWidget *parent)
    : QMainWindow(parent), m_state(state), m_registry(registry)
{
    setObjectName(QStringLiteral("FrmMain"));
    const QString ini = state.setupIni();
    m_state.billBColor = billColorSetting(
        ini::read(ini, QStringLiteral("userset"), QStringLiteral("BillBColor"), QString::fromLatin1(DefaultBillColor)));
    m_state.appTitle = ini::read(ini, QStringLiteral("Title"), QStringLiteral("AppTitle")).trimmed();
    setWindowTitle(m_state.appTitle);
    setMinimumSize(twips(6000), twips(4000));

    auto *central = new QWidget(this);
    m_navCaption = captionBox(QStringLiteral("导 航 条"), "txt_Navigation", central);
    m_listTitle = captionBox(QString(), "txt_List", central);
    m_nav = new NavigationBar(central);
    m_nav->setObjectName(QStringLiteral("Navigation"));
    m_nav->setFixedWidth(twips(1880));
    m_navCaption->setFixedWidth(twips(1880));
    m_grid = new TextGrid(central);
    m_grid->setObjectName(QStringLiteral("Grd"));
    // The rows 修改记录 or a double click would open show white on black.
    m_grid->setRowSelection(true);
    m_grid->setSelectionColors(Qt::black, Qt::white);
    auto *layout = new QGridLayout(central);
    layout->setContentsMargins(2, 4, 8, 4);
    layout->setHorizontalSpacing(2);
    layout->setVerticalSpacing(2);
    layout->addWidget(m_navCaption, 0, 0);
    layout->addWidget(m_listTitle, 0, 1);
    layout->addWidget(m_nav, 1, 0);
    layout->addWidget(m_grid, 1, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);
    setCentralWidget(central);

    buildActions();
    buildMenus();
    buildToolBar();
    statusBar()->setObjectName(QStringLiteral("SBar"));
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new QLabel(this);
        m_panels[i]->setObjectName(QStringLiteral("panel%1").arg(i + 1));
        m_panels[i]->setAlignment(Qt::AlignCenter);
        m_panels[i]->setFrameShape(QFrame::Panel);
        m_panels[i]->setFrameShadow(QFrame::Sunken);
        statusBar()->addWidget(m_panels[i]);
    }
    updateStatusBar();

    connect(m_nav, &NavigationBar::itemClicked, this, [this](int group, int item) { navigate(group * 100 + item); });
    connect(m_grid, &TextGrid::doubleClicked, this, [this] {
        if (m_modify->isEnabled())
            m_modify->trigger();
    });
    connect(m_grid, &TextGrid::rightButtonReleased, this, [this](const QPoint &pos) { m_editMenu->popup(pos); });

    buildNavigation();
    m_nav->clickItem(1, 1);
    m_state.idByte = idByteSetting(ini::read(ini, QStringLiteral("UserSet"), QStringLiteral("IDByte")));
}

void FrmMain::buildActions()
{
    m_export = makeAction(this, "F_Out", QStringLiteral("导出"));
    m_exit = makeAction(this, "F_Exit", QStringLiteral("退出(&X)"), QStringLiteral("退出"));
    m_exit->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    m_add = makeAction(this, "E_Add", QStringLiteral("新增记录(&N)..."), QStringLiteral("新增记录"));
    m_add->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    m_add->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    m_modify = makeAction(this, "E_Modify", QStringLiteral("修改记录..."), QStringLiteral("修改记录"));
    m_modify->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    m_delete = makeAction(this, "E_Del", QStringLiteral("删除记录"), QStringLiteral("删除记录"));
    m_delete->setShortcut(QKeySequence(Qt::Key_Delete));
    m_delete->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    m_delete->setEnabled(false);
    m_preview = makeAction(this, "F_PrintPreview", QStringLiteral("打印预览(&V)"), QStringLiteral("打印预览"));
    m_preview->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    m_billColor = makeAction(this, "W_BillBColor", QStringLiteral("单据颜色..."));
    m_password = makeAction(this, "F_ChangePassword", QStringLiteral("修改用户密码..."));
    m_company = makeAction(this, "W_UseCom", QStringLiteral("本单位名称"));
    m_help = makeAction(this, "H_Help", QStringLiteral("系统帮助"));
    m_help->setShortcut(QKeySequence(Qt::Key_F1));
    m_about = makeAction(this, "H_About", QStringLiteral("关于(&A)"));

    connect(m_exit, &QAction::triggered, this, &QWidget::close);
    connect(m_add, &QAction::triggered, this, [this] { addRecord(m_state.navCode); });
    connect(m_modify, &QAction::triggered, this, [this] { modifyRecord(m_state.navCode); });
    connect(m_preview, &QAction::triggered, this, [this] { printList(m_state.navCode); });
    connect(m_billColor, &QAction::triggered, this, [this] { showShared(QStringLiteral("FrmBillBColor")); });
    connect(m_password, &QAction::triggered, this, [this] { runModal(QStringLiteral("FrmChangePassword")); });
    connect(m_company, &QAction::triggered, this, [this] { showShared(QStringLiteral("FrmComName")); });
    connect(m_help, &QAction::triggered, this, &FrmMain::showHelp);
    connect(m_about, &QAction::triggered, this, [this] { runModal(QStringLiteral("FrmAbout")); });
}

void FrmMain::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    file->setObjectName(QStringLiteral("File"));
    file->addAction(m_export);
    file->addSeparator()->setObjectName(QStringLiteral("F_3"));
    file->addAction(m_exit);

    m_editMenu = menuBar()->addMenu(QStringLiteral("编辑(&E)"));
    m_editMenu->setObjectName(QStringLiteral("Edit"));
    m_editMenu->addAction(m_add);
    m_editMenu->addAction(m_modify);
    m_editMenu->addAction(m_delete);
    m_editMenu->addSeparator()->setObjectName(QStringLiteral("F_2"));
    m_editMenu->addAction(m_preview);

    QMenu *window = menuBar()->addMenu(QStringLiteral("配置(&W)"));
    window->setObjectName(QStringLiteral("Window"));
    window->addAction(m_billColor);
    window->addSeparator()->setObjectName(QStringLiteral("W_1"));
    window->addAction(m_password);
    window->addSeparator()->setObjectName(QStringLiteral("W_2"));
    window->addAction(m_company);

    QMenu *help = menuBar()->addMenu(QStringLiteral("帮助(&H)"));
    help->setObjectName(QStringLiteral("Help"));
    help->addAction(m_help);
    help->addSeparator()->setObjectName(QStringLiteral("H_1"));
    help->addAction(m_about);
}

void FrmMain::buildToolBar()
{
    QToolBar *bar = addToolBar(QStringLiteral("工具栏"));
    bar->setObjectName(QStringLiteral("TBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->addAction(m_exit);
    bar->addSeparator();
    bar->addAction(m_preview);
    bar->addSeparator();
    bar->addAction(m_add);
    bar->addAction(m_modify);
    bar->addAction(m_delete);
}

void FrmMain::buildNavigation()
{
    for (const NavGroup &g : navigationGroups()) {
        const int group = m_nav->addGroup(g.caption);
        for (int code : g.codes)
            m_nav->addItem(group, listSpec(code)->caption);
    }
    m_nav->setCurrentGroup(1);
}

void FrmMain::updateStatusBar()
{
    m_panels[0]->setText(QStringLiteral("恒远软件工作室"));
    m_panels[1]->setText(QStringLiteral("当前操作员：") + m_state.currentOperatorName.trimmed());
    m_panels[2]->setText(QStringLiteral("当前时间：")
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

void FrmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    updateStatusBar();
}

void FrmMain::navigate(int code)
{
    m_state.navCode = code;
    showList(code);
    formatGrid(code);
}

void FrmMain::showList(int code)
{
    m_grid->clear();
    m_add->setEnabled(true);
    m_modify->setEnabled(true);
    const ListSpec *list = listSpec(code);
    if (!list)
        return;
    if (list->kind == ListSpec::Action) {
        switch (code) {
        case 601: signInAgain(); break;
        case 603: runModal(QStringLiteral("FrmBackup")); break;
        case 604: runModal(QStringLiteral("FrmRestore")); break;
        case 606: showHelp(); break;
        }
        return;
    }
    m_listTitle->setText(list->title);
    if (code == 602 && !m_state.isAdministrator()) {
        m_add->setEnabled(false);
        m_modify->setEnabled(false);
    }
    // The list shown before is freed before the next one is read.
    m_state.listRs.reset();
    m_state.listFailure.clear();
    try {
        WaitCursor wait; // a summary of many lines takes a while
        m_state.listRs = m_state.db.query(list->sql);
    } catch (const DbError &e) {
        m_state.listRs = std::make_shared<const ResultTable>();
        m_state.listFailure = e.text();
        m_modify->setEnabled(false);
        if (list->kind == ListSpec::Report)
            m_add->setEnabled(false);
        msg::error(this, QStringLiteral("无法显示%1：\n%2").arg(list->title, e.text()));
        return;
    }
    if (m_state.listRs->isEmpty())
        m_modify->setEnabled(false);
    m_grid->bind(m_state.listRs);
    if (list->kind == ListSpec::Report) {
        m_add->setEnabled(false);
        m_modify->setEnabled(false);
    }
    m_grid->setTextMatrix(0, 0, QStringLiteral("行号"));
    m_grid->numberRows();
}

void FrmMain::formatGrid(int code)
{
    for (int c = 0; c < m_grid->cols(); ++c)
        m_grid->setColAlignment(c, 1);
    m_grid->setFixedAlignment(4);
    const ListSpec *list = listSpec(code);
    if (!list || list->kind == ListSpec::Action)
        return;
    // Codes and numbers whole; free text up to a readable width, whole in
    // its tooltip.
    for (int c = 1; c < m_grid->cols(); ++c) {
        const bool whole = list->codeColumns.contains(c) || (m_state.listRs && m_state.listRs->holdsNumbers(c - 1));
        m_grid->setColFit(c, whole ? ColFit::Whole : ColFit::Capped);
    }
    const QVector<int> widths = (code == 602 && !m_state.isAdministrator()) ? hiddenOperatorWidths() : list->widths;
    for (int c = 0; c < widths.size() && c < m_grid->cols(); ++c)
        m_grid->setColWidth(c, widths[c]);
}

void FrmMain::addRecord(int code)
{
    openEditor(code, 1, QString());
}

void FrmMain::modifyRecord(int code)
{
    openEditor(code, 2, m_grid->textMatrix(m_grid->row(), 1));
}

void FrmMain::openEditor(int code, int editMode, const QString &id)
{
    m_state.editMode = editMode;
    if (const WindowRegistry::Editor *e = m_registry.editor(code)) {
        QDialog *dlg = e->make(m_state, id, this);
        auto *loadable = dynamic_cast<LoadableWindow *>(dlg);
        if (dlg && (!loadable || loadable->load()))
            modal::exec(dlg);
        delete dlg;
    }
    // Whatever the editor did, the list shows the table as it now is.
    showList(code);
    formatGrid(code);
}

void FrmMain::printList(int code)
{
    const WindowRegistry::ListPrint *p = m_registry.listPrint(code);
    if (!p)
        return;
    if (QWidget *open = m_shared.value(p->name)) {
        open->raise();
        open->activateWindow();
        return;
    }
    QWidget *w = p->make(m_state);
    if (!w)
        return;
    w->setAttribute(Qt::WA_DeleteOnClose);
    m_shared.insert(p->name, w);
    w->showMaximized();
}

void FrmMain::signInAgain()
{
    FrmLogin login(m_state, FrmLogin::Mode::SignInAgain, this);
    if (modal::exec(&login) == QDialog::Accepted)
        updateStatusBar();
}

void FrmMain::runModal(const QString &windowName)
{
    const WindowRegistry::WindowFactory *make = m_registry.window(windowName);
    if (!make)
        return;
    QWidget *w = (*make)(m_state, this);
    if (auto *dlg = qobject_cast<QDialog *>(w))
        modal::exec(dlg);
    delete w;
}

void FrmMain::showShared(const QString &windowName)
{
    if (QWidget *open = m_shared.value(windowName)) {
        open->raise();
        open->activateWindow();
        return;
    }
    const WindowRegistry::WindowFactory *make = m_registry.window(windowName);
    if (!make)
        return;
    QWidget *w = (*make)(m_state, nullptr);
    if (!w)
        return;
    w->setAttribute(Qt::WA_DeleteOnClose);
    m_shared.insert(windowName, w);
    w->show();
}

void FrmMain::showHelp()
{
    msg::critical(this, QStringLiteral("系统提示"), QStringLiteral("未找到帮助文件！"));
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    if (!m_exitConfirmed) {
        if (!msg::yesNo(this, QStringLiteral("系统提示"), QStringLiteral("真的要退出本系统？"))) {
            event->ignore();
            return;
        }
        try {
            writeOperatorLog(m_state.db, m_state.currentOperatorID, QDateTime::currentDateTime(),
                             QStringLiteral("退出系统"));
        } catch (const DbError &e) {
            msg::error(this, e.text());
        }
        m_exitConfirmed = true;
    }
    // The program ends with its main window: the previews and settings
    // windows go with it.
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w != this && w->isVisible())
            w->close();
    }
    event->accept();
}
