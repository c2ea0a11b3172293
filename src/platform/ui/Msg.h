#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

class QWidget;

// Message boxes. Every window shows its messages through these, so a test
// can record what was shown and give the answers without a modal loop.
namespace msg {

enum class Icon { Critical, Question, Information, Warning };

QMessageBox::StandardButton show(QWidget *parent, Icon icon, const QString &title, const QString &text,
                                 QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                 QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

// Critical icon, OK button.
void critical(QWidget *parent, const QString &title, const QString &text);
// A database or other failure: title "错误", critical icon, the reason.
void error(QWidget *parent, const QString &text);
void information(QWidget *parent, const QString &title, const QString &text);
// Yes/No with the question icon; true for Yes.
bool yesNo(QWidget *parent, const QString &title, const QString &text);
// OK/Cancel with Cancel as the default; true for OK.
bool okCancel(QWidget *parent, Icon icon, const QString &title, const QString &text);

// Text the operator typed, as a message quotes it: at most 40 characters;
// longer text is cut there and "…" follows.
QString quoted(const QString &text);
// A file path as a message quotes it: a path longer than 80 characters
// keeps its beginning and its end (the file name), with "…" between.
QString quotedPath(const QString &path);

struct Shown {
    Icon icon;
    QString title;
    QString text;
};

// While a Recorder lives, message boxes are not shown: each one is recorded
// and answered with the next queued answer (or its default button, or OK).
class Recorder
{
public:
    Recorder();
    ~Recorder();
    Recorder(const Recorder &) = delete;
    Recorder &operator=(const Recorder &) = delete;

    void answer(QMessageBox::StandardButton button) { m_answers << button; }
    const QList<Shown> &shown() const { return m_shown; }
    // The text of the last message, or an empty text.
    QString lastText() const { return m_shown.isEmpty() ? QString() : m_shown.last().text; }
    QString lastTitle() const { return m_shown.isEmpty() ? QString() : m_shown.last().title; }
    int count() const { return int(m_shown.size()); }
    void clear() { m_shown.clear(); }

private:
    friend QMessageBox::StandardButton show(QWidget *, Icon, const QString &, const QString &,
                                            QMessageBox::StandardButtons, QMessageBox::StandardButton);
    QList<Shown> m_shown;
    QList<QMessageBox::StandardButton> m_answers;
    Recorder *m_previous = nullptr;
};

} // namespace msg
