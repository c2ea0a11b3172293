#pragma once

#include <QList>
#include <QString>

class QWidget;

// File dialogs. Windows ask for file names through these, so a test can
// give the answers without a modal dialog.
namespace filedialog {

// The chosen file, or an empty text when the operator cancelled. A caller
// that asks about replacing an existing file itself passes
// confirmOverwrite = false, so the question is not asked twice.
QString saveFileName(QWidget *parent, const QString &caption, const QString &initial, const QString &filter,
                     bool confirmOverwrite = true);
QString openFileName(QWidget *parent, const QString &caption, const QString &initial, const QString &filter);

// While a Script lives, no dialog is shown: each call takes the next queued
// answer (an empty text when none is left) and records what was asked.
class Script
{
public:
    Script();
    ~Script();
    Script(const Script &) = delete;
    Script &operator=(const Script &) = delete;

    void answer(const QString &fileName);
    struct Asked {
        bool save;
        QString caption, initial, filter;
    };
    const QList<Asked> &asked() const { return m_asked; }

private:
    friend QString ask(bool, QWidget *, const QString &, const QString &, const QString &, bool);
    QList<QString> m_answers;
    QList<Asked> m_asked;
    Script *m_previous = nullptr;
};

} // namespace filedialog
