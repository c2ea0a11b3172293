#pragma once

// A second program instance on the same database file, as far as locks go:
// a connection of its own that takes the write lock and keeps it for a
// while, on a thread of its own (the save under test blocks the GUI thread
// while it waits).
#include <QString>

#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>

class OtherDesk
{
public:
    explicit OtherDesk(const QString &file) : m_file(file) {}
    ~OtherDesk() { release(); }
    OtherDesk(const OtherDesk &) = delete;
    OtherDesk &operator=(const OtherDesk &) = delete;

    // Takes the write lock ("BEGIN IMMEDIATE" and a write that is rolled
    // back later) and returns once it is held; lets go after holdMs, or at
    // release(), whichever comes first. False when the lock was not taken.
    // Given a write of its own, the other desk commits it as it lets go.
    bool hold(int holdMs, const char *savedWrite = nullptr);
    // Lets go of the lock (if held) and waits for the thread to end.
    void release();

private:
    void run(int holdMs, const char *savedWrite, std::promise<bool> taken);

    QString m_file;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_released = false;
};
