#include "WindowRegistry.h"

#include "AppState.h"

int WindowRegistry::stateEditMode(const AppState &state)
{
    return state.editMode;
}

void WindowRegistry::addEditor(std::initializer_list<int> codes, const QString &name, EditorFactory make)
{
    for (int code : codes)
        m_editors.insert(code, Editor{name, make});
}

void WindowRegistry::addListPrint(std::initializer_list<int> codes, const QString &name, PrintFactory make)
{
    for (int code : codes)
        m_prints.insert(code, ListPrint{name, make});
}

void WindowRegistry::addWindow(const QString &name, WindowFactory make)
{
    m_windows.insert(name, std::move(make));
}

const WindowRegistry::Editor *WindowRegistry::editor(int code) const
{
    const auto it = m_editors.constFind(code);
    return it == m_editors.constEnd() ? nullptr : &it.value();
}

const WindowRegistry::ListPrint *WindowRegistry::listPrint(int code) const
{
    const auto it = m_prints.constFind(code);
    return it == m_prints.constEnd() ? nullptr : &it.value();
}

const WindowRegistry::WindowFactory *WindowRegistry::window(const QString &name) const
{
    const auto it = m_windows.constFind(name);
    return it == m_windows.constEnd() ? nullptr : &it.value();
}

const WindowRegistry &WindowRegistry::standard()
{
    static const WindowRegistry registry = [] {
        WindowRegistry r;
        registerAllWindows(r);
        return r;
    }();
    return registry;
}
