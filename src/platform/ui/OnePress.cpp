#include "OnePress.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QList>
#include <QPointer>
#include <QWidget>

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
