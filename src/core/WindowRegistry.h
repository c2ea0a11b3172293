#pragma once

#include <QHash>
#include <QString>

#include <functional>
#include <initializer_list>

struct AppState;
class QDialog;
class QWidget;

// A window that reads its record or bill when it opens; load() shows what
// went wrong and gives false when the window cannot be used (the record is
// gone, the database failed).
class LoadableWindow
{
public:
    virtual ~LoadableWindow() = default;
    virtual bool load() = 0;
};

// Which window belongs to which navigation code and menu command. Each
// subsystem registers its windows here; the main window only looks them up.
class WindowRegistry
{
public:
    // An editor or bill window for add (id empty) or modify (id = the key);
    // the shared edit mode is set before it is made.
    using EditorFactory = std::function<QDialog *(AppState &, const QString &id, QWidget *parent)>;
    // A list print form: built from the main window's current list.
    using PrintFactory = std::function<QWidget *(AppState &)>;
    // Any other window (backup, password, settings...).
    using WindowFactory = std::function<QWidget *(AppState &, QWidget *parent)>;

    struct Editor {
        QString name;
        EditorFactory make;
    };
    struct ListPrint {
        QString name;
        PrintFactory make;
    };

    void addEditor(std::initializer_list<int> codes, const QString &name, EditorFactory make);
    // The factory of a window class made as W(state, state.editMode, id, parent).
    template <typename W> static EditorFactory editorOf()
    {
        return [](AppState &state, const QString &id, QWidget *parent) -> QDialog * {
            return new W(state, stateEditMode(state), id, parent);
        };
    }
    void addListPrint(std::initializer_list<int> codes, const QString &name, PrintFactory make);
    void addWindow(const QString &name, WindowFactory make);

    const Editor *editor(int code) const;
    const ListPrint *listPrint(int code) const;
    const WindowFactory *window(const QString &name) const;

    // Every window of the program, registered once.
    static const WindowRegistry &standard();

private:
    static int stateEditMode(const AppState &state);

    QHash<int, Editor> m_editors;
    QHash<int, ListPrint> m_prints;
    QHash<QString, WindowFactory> m_windows;
};

// Registers the windows of every subsystem (src/Windows.cpp).
void registerAllWindows(WindowRegistry &registry);
