#include "Msg.h"

namespace msg {
namespace {
Recorder *g_recorder = nullptr;
}

Recorder::Recorder() : m_previous(g_recorder)
{
    g_recorder = this;
}

Recorder::~Recorder()
{
    g_recorder = m_previous;
}

QMessageBox::StandardButton show(QWidget *parent, Icon icon, const QString &title, const QString &text,
                                 QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton defaultButton)
{
    if (g_recorder) {
        g_recorder->m_shown << Shown{icon, title, text};
        if (!g_recorder->m_answers.isEmpty())
            return g_recorder->m_answers.takeFirst();
        if (defaultButton != QMessageBox::NoButton)
            return defaultButton;
        return buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::NoButton;
    }
    QMessageBox::Icon qicon = QMessageBox::NoIcon;
    switch (icon) {
    case Icon::Critical: qicon = QMessageBox::Critical; break;
    case Icon::Question: qicon = QMessageBox::Question; break;
    case Icon::Information: qicon = QMessageBox::Information; break;
    case Icon::Warning: qicon = QMessageBox::Warning; break;
    }
    QMessageBox box(qicon, title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

void critical(QWidget *parent, const QString &title, const QString &text)
{
    show(parent, Icon::Critical, title, text);
}

void error(QWidget *parent, const QString &text)
{
    show(parent, Icon::Critical, QStringLiteral("错误"), text);
}

void information(QWidget *parent, const QString &title, const QString &text)
{
    show(parent, Icon::Information, title, text);
}

bool yesNo(QWidget *parent, const QString &title, const QString &text)
{
    return show(parent, Icon::Question, title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool okCancel(QWidget *parent, Icon icon, const QString &title, const QString &text)
{
    return show(parent, icon, title, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
           == QMessageBox::Ok;
}

} // namespace msg
