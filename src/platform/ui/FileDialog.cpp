#include "FileDialog.h"

#include <QFileDialog>

namespace filedialog {
namespace {
Script *g_script = nullptr;
}

Script::Script() : m_previous(g_script)
{
    g_script = this;
}

Script::~Script()
{
    g_script = m_previous;
}

void Script::answer(const QString &fileName)
{
    m_answers << fileName;
}

QString ask(bool save, QWidget *parent, const QString &caption, const QString &initial, const QString &filter)
{
    if (g_script) {
        g_script->m_asked << Script::Asked{save, caption, initial, filter};
        return g_script->m_answers.isEmpty() ? QString() : g_script->m_answers.takeFirst();
    }
    return save ? QFileDialog::getSaveFileName(parent, caption, initial, filter)
                : QFileDialog::getOpenFileName(parent, caption, initial, filter);
}

QString saveFileName(QWidget *parent, const QString &caption, const QString &initial, const QString &filter)
{
    return ask(true, parent, caption, initial, filter);
}

QString openFileName(QWidget *parent, const QString &caption, const QString &initial, const QString &filter)
{
    return ask(false, parent, caption, initial, filter);
}

} // namespace filedialog
