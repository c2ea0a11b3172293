#include "OtherDesk.h"

#include <QFile>
#include <sqlite3.h>

#include <chrono>

bool OtherDesk::hold(int holdMs, const char *savedWrite)
{
    release();
    m_released = false;
    std::promise<bool> taken;
    std::future<bool> held = taken.get_future();
    m_thread = std::thread(&OtherDesk::run, this, holdMs, savedWrite, std::move(taken));
    return held.get();
}

void OtherDesk::release()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_released = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void OtherDesk::run(int holdMs, const char *savedWrite, std::promise<bool> taken)
{
    sqlite3 *db = nullptr;
    bool ok = sqlite3_open(QFile::encodeName(m_file).constData(), &db) == SQLITE_OK;
    ok = ok && sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
    const char *write = savedWrite ? savedWrite : "insert into Storage(StorageID,StorageName) values('其他','另一台电脑')";
    ok = ok && sqlite3_exec(db, write, nullptr, nullptr, nullptr) == SQLITE_OK;
    taken.set_value(ok);
    if (ok) {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_wake.wait_for(lock, std::chrono::milliseconds(holdMs), [this] { return m_released; });
    }
    sqlite3_exec(db, ok && savedWrite ? "COMMIT" : "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}
