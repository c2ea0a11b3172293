#pragma once

#include <functional>

class QWidget;

// One press, one piece of work. A window's command that writes runs through
// its window's OnePress: every button of the window is disabled while the
// work runs (message boxes it shows work as ever). The presses that came
// meanwhile, a double click's second one or clicks made while a save waited
// for the database, are then delivered to the still disabled buttons, so
// they do nothing; only then are the buttons enabled again, unless the work
// closed the window.
class OnePress
{
public:
    explicit OnePress(QWidget *window) : m_window(window) {}
    OnePress(const OnePress &) = delete;
    OnePress &operator=(const OnePress &) = delete;

    // Gives what the work gives; false, without running it, while other
    // work runs. The work's exceptions pass through.
    bool run(const std::function<bool()> &work);
    bool running() const { return m_running; }

private:
    QWidget *m_window;
    bool m_running = false;
};
