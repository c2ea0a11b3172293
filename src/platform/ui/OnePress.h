#pragma once

#include <QHash>
#include <QtGlobal>

#include <functional>

class QAbstractButton;
class QObject;
class QWidget;

// One press, one piece of work. A window's button that writes or signs in
// is connected through its window's OnePress (connect): a second press of
// the same button within the system's double-click interval of the first,
// a double click's or Enter's second one, does nothing, however quick the
// work was. When the press closed the window, the rest of the double click
// does nothing either, wherever it lands (the window under it, a list whose
// double click would open a record).
//
// The command itself runs through run(): every button of the window is
// disabled while the work runs (message boxes it shows work as ever). The
// presses that came meanwhile, clicks made while a save waited for the
// database, are then delivered to the still disabled buttons, so they do
// nothing; only then are the buttons enabled again, unless the work closed
// the window.
class OnePress
{
public:
    explicit OnePress(QWidget *window) : m_window(window) {}
    OnePress(const OnePress &) = delete;
    OnePress &operator=(const OnePress &) = delete;

    // Calls `pressed` for each press of the button but the second of a
    // double press.
    void connect(QAbstractButton *button, std::function<void()> pressed);
    // The same, for a command that runs through run().
    void connectCommand(QAbstractButton *button, std::function<void()> command);

    // Gives what the work gives; false, without running it, while other
    // work runs. The work's exceptions pass through.
    bool run(const std::function<bool()> &work);
    bool running() const { return m_running; }

private:
    void press(const QObject *button, const std::function<void()> &pressed);

    QWidget *m_window;
    bool m_running = false;
    QHash<const QObject *, qint64> m_pressedAt; // each button's last press that counted
};

// The monotonic clock presses are measured on, in milliseconds. While a
// PressClock lives, the time starts a day after every press measured before
// and stands still but for `step` at each reading and advance(), so a test
// sets the time between two presses without waiting for it.
class PressClock
{
public:
    explicit PressClock(qint64 step = 0);
    ~PressClock();
    PressClock(const PressClock &) = delete;
    PressClock &operator=(const PressClock &) = delete;

    void advance(qint64 ms);
    static qint64 now();

private:
    qint64 m_step;
    PressClock *m_previous;
};
