#pragma once

#include <QString>

#include <functional>
#include <stdexcept>

class QSqlError;

// The failures the program recognises from the driver's error code, each
// with a sentence for the operator. Anything else is None.
enum class DbFault {
    None,
    Busy,       // another connection holds the lock
    Timeout,    // the server did not answer in time
    Deadlock,   // the server chose this work as a deadlock victim
    Connection, // no connection to the server, or it broke off
    Full,       // the disk (or the server's file) is full
    ReadOnly,   // the database cannot be written
    Damaged,    // the file is corrupt or no database at all
    CannotOpen, // the file cannot be opened
    DiskIo,     // reading or writing the disk failed
};

// A failure reported by the database driver, with the driver's own text.
class DbError : public std::runtime_error
{
public:
    DbError(const QString &driverText, const QString &sql = QString(), DbFault fault = DbFault::None);

    // What the operator is shown: for a recognised fault, the sentence that
    // says what happened and what to do, then the driver's text on a line of
    // its own; otherwise the driver's text as it is.
    const QString &text() const { return m_text; }
    const QString &driverText() const { return m_driverText; }
    const QString &sql() const { return m_sql; }
    DbFault fault() const { return m_fault; }

private:
    QString m_driverText;
    QString m_text;
    QString m_sql;
    DbFault m_fault;
};

namespace dbfault {

// The sentence for a fault (empty for None).
QString advice(DbFault fault);
// From an SQLite result code (primary or extended).
DbFault fromSqliteCode(int code);
// From an ODBC SQLSTATE ("HYT00", "08S01", "40001", ...).
DbFault fromSqlState(const QString &state);
// From the native error number of SQL Server or its FreeTDS client.
DbFault fromServerError(int number);
// From QSqlError::nativeErrorCode(): the SQLite code for the embedded
// driver; for ODBC, the SQLSTATEs some drivers report (separated by ';')
// or the server's native number.
DbFault fromNativeCode(const QString &code, bool sqlite);
// A Qt driver's error: its database text (or, lacking one, its own text),
// classified by its native code. sqlite tells the embedded driver.
DbError errorOf(const QSqlError &e, bool sqlite, const QString &sql = QString());
// After a save that adds a record failed (writing nothing): whether its key
// is on file now, saved by another desk since the save checked it. exists
// asks the database; when asking fails as well, the answer is no.
bool keyTakenMeanwhile(const std::function<bool()> &exists);

} // namespace dbfault
