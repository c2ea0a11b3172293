#include "Modal.h"

#include <QDialog>
#include <QList>

namespace modal {
namespace {
Script *g_script = nullptr;
}

struct Script::Private {
    QList<Handler> handlers;
};

Script::Script() : d(new Private), m_previous(g_script)
{
    g_script = this;
}

Script::~Script()
{
    g_script = m_previous;
    delete d;
}

void Script::then(Handler handler)
{
    d->handlers << std::move(handler);
}

bool Script::done() const
{
    return d->handlers.isEmpty();
}

int exec(QDialog *dialog)
{
    if (!g_script)
        return dialog->exec();
    Script *script = g_script;
    ++script->m_shown;
    dialog->setResult(QDialog::Rejected);
    dialog->show();
    if (!script->d->handlers.isEmpty()) {
        Handler h = script->d->handlers.takeFirst();
        h(dialog);
    }
    if (dialog->isVisible())
        dialog->close();
    return dialog->result();
}

} // namespace modal
