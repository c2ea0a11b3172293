#include "OnePress.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QList>
#include <QPointer>
#include <QStyleHints>
#include <QWidget>

#include <algorithm>

namespace {

PressClock *g_clock = nullptr;
qint64 g_setTime = 0; // the time while a PressClock lives; it never goes back

qint64 monotonicTime()
{
    static const QElapsedTimer since = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return since.elapsed();
}

// Whether a press now is the second of a double press begun at `first`. A
// time before the first press is one of another clock (a test's), long over.
bool secondPress(qint64 first)
{
    const qint64 since = PressClock::now() - first;
    return since >= 0 && since < QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

// A mouse button, or a key that presses the focused or the default button.
bool isPress(const QEvent *e)
{
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const int key = static_cast<const QKeyEvent *>(e)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    }
    default:
        return false;
    }
}

// What is left of a double click whose first press closed its window: its
// presses do nothing until the double-click interval from the first press
// has passed, then this goes.
class RestOfDoubleClick : public QObject
{
public:
    explicit RestOfDoubleClick(qint64 from) : QObject(qApp), m_from(from) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (!isPress(event))
            return false;
        if (secondPress(m_from))
            return true;
        qApp->removeEventFilter(this);
        deleteLater();
        return false;
    }

private:
    qint64 m_from;
};

} // namespace

PressClock::PressClock(qint64 step) : m_step(step), m_previous(g_clock)
{
    // A day after every press measured before it.
    g_setTime = std::max(g_setTime, monotonicTime()) + 24 * 3600 * 1000;
    g_clock = this;
}

PressClock::~PressClock()
{
    g_clock = m_previous;
}

qint64 PressClock::now()
{
    return g_clock ? g_setTime += g_clock->m_step : monotonicTime();
}

void PressClock::advance(qint64 ms)
{
    g_setTime += ms;
}

void OnePress::connect(QAbstractButton *button, std::function<void()> pressed)
{
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [this, button, pressed = std::move(pressed)] { press(button, pressed); });
}

void OnePress::connectCommand(QAbstractButton *button, std::function<void()> command)
{
    connect(button, [this, command = std::move(command)] {
        run([&command] {
            command();
            return true;
        });
    });
}

void OnePress::press(const QObject *button, const std::function<void()> &pressed)
{
    const auto last = m_pressedAt.constFind(button);
    if (last != m_pressedAt.cend() && secondPress(*last))
        return;
    const qint64 at = PressClock::now();
    m_pressedAt.insert(button, at);
    QPointer<QWidget> window = m_window;
    const bool shown = window->isVisible();
    pressed();
    // From here on this guard may be gone with its window.
    if (shown && (!window || !window->isVisible()))
        new RestOfDoubleClick(at);
}

bool OnePress::run(const std::function<bool()> &work)
{
    if (m_running)
        return false;
    m_running = true;
    QPointer<QWidget> window = m_window;
    const bool shown = window->isVisible();
    // A disabled button would hand its focus on to the next box; the window
    // holds it instead, so it goes back to the button unless the work put
    // it somewhere.
    QPointer<QWidget> focused = window->focusWidget();
    bool heldFocus = false;
    QList<QPointer<QAbstractButton>> disabled;
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
        if (b->window() != window || !b->isEnabled())
            continue; // a button of a window this one owns, or one off already
        if (b == focused) {
            window->setFocus(Qt::OtherFocusReason);
            heldFocus = true;
        }
        b->setEnabled(false);
        disabled << b;
    }
    const auto finish = [&] {
        QCoreApplication::processEvents(); // the presses that came meanwhile
        if (!window)
            return; // gone, and this guard with it
        m_running = false;
        if (shown && !window->isVisible())
            return;
        for (const QPointer<QAbstractButton> &b : std::as_const(disabled))
            if (b)
                b->setEnabled(true);
        if (heldFocus && focused && window->focusWidget() == window)
            focused->setFocus(Qt::OtherFocusReason);
    };
    bool result = false;
    try {
        result = work();
    } catch (...) {
        finish();
        throw;
    }
    finish();
    return result;
}
