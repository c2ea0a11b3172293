#pragma once

#include <QApplication>
#include <QCursor>

// The hourglass while something long runs; restored when the guard goes out
// of scope, whatever way it leaves (a return, an exception).
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};
