#include "Msg.h"

namespace msg {
namespace {
Recorder *g_recorder = nullptr;

const QChar Ellipsis(0x2026);

// The first n characters, one fewer when the cut would split a character
// written as a surrogate pair.
QString head(const QString &text, qsizetype n)
{
    if (n > 0 && n < text.size() && text.at(n - 1).isHighSurrogate())
        --n;
    return text.left(n);
}

QString tail(const QString &text, qsizetype n)
{
    if (n > 0 && n < text.size() && text.at(text.size() - n).isLowSurrogate())
        --n;
    return text.right(n);
}
} // namespace

QString quoted(const QString &text)
{
    constexpr qsizetype Limit = 40;
    return text.size() <= Limit ? text : head(text, Limit) + Ellipsis;
}

QString quotedPath(const QString &path)
{
    constexpr qsizetype Limit = 80, Head = 24;
    if (path.size() <= Limit)
        return path;
    return head(path, Head) + Ellipsis + tail(path, Limit - Head - 1);
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
