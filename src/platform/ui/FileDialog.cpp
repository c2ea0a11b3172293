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

QString ask(bool save, QWidget *parent, const QString &caption, const QString &initial, const QString &filter,
            bool confirmOverwrite)
{
    if (g_script) {
        g_script->m_asked << Script::Asked{save, caption, initial, filter};
        return g_script->m_answers.isEmpty() ? QString() : g_script->m_answers.takeFirst();
    }
    if (!save)
        return QFileDialog::getOpenFileName(parent, caption, initial, filter);
    return QFileDialog::getSaveFileName(parent, caption, initial, filter, nullptr,
                                        confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite);
}

QString saveFileName(QWidget *parent, const QString &caption, const QString &initial, const QString &filter,
                     bool confirmOverwrite)
{
    return ask(true, parent, caption, initial, filter, confirmOverwrite);
}

QString openFileName(QWidget *parent, const QString &caption, const QString &initial, const QString &filter)
{
    return ask(false, parent, caption, initial, filter, true);
}

} // namespace filedialog
