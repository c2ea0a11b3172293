#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include "WindowRegistry.h"

struct AppState;
class NavigationBar;
class QAction;
class QLabel;
class QMenu;
class TextGrid;
class WindowRegistry;

// The main window: the navigation bar, the list of the current navigation
// code, and the commands that open the editor or print form belonging to it.
class FrmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit FrmMain(AppState &state, const WindowRegistry &registry = WindowRegistry::standard(),
                     QWidget *parent = nullptr);

    // What a click on a navigation item runs.
    void navigate(int code);
    void showList(int code);
    void formatGrid(int code);
    void addRecord(int code);
    void modifyRecord(int code);
    void printList(int code);

    TextGrid *grid() const { return m_grid; }
    NavigationBar *navigation() const { return m_nav; }
    // The list print form or settings window of that name, while it is open.
    QWidget *openWindow(const QString &name) const { return m_shared.value(name); }

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildActions();
    void buildMenus();
    void buildToolBar();
    void buildNavigation();
    void updateStatusBar();
    // Opens the code's editor (1 add, 2 modify the record id), then lists again.
    void openEditor(int code, int editMode, const QString &id);
    void signInAgain();
    void runModal(const QString &windowName);
    void showShared(const QString &windowName);
    void showHelp();

    AppState &m_state;
    const WindowRegistry m_registry; // a copy: the caller's may be a temporary
    NavigationBar *m_nav = nullptr;
    TextGrid *m_grid = nullptr;
    QLabel *m_navCaption = nullptr;
    QLabel *m_listTitle = nullptr;
    QLabel *m_panels[3] = {};
    QMenu *m_editMenu = nullptr;
    QAction *m_exit = nullptr, *m_export = nullptr;
    QAction *m_add = nullptr, *m_modify = nullptr, *m_delete = nullptr, *m_preview = nullptr;
    QAction *m_billColor = nullptr, *m_password = nullptr, *m_company = nullptr;
    QAction *m_help = nullptr, *m_about = nullptr;
    QHash<QString, QPointer<QWidget>> m_shared;
    bool m_exitConfirmed = false;
};
