#pragma once

#include "DbError.h"
#include "ResultTable.h"
#include "Select.h"
#include "SqlText.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

struct sqlite3;

// The kinds of database the program can work on.
enum class DbKind {
    Embedded,  // an SQLite file beside the program (the default)
    SqlServer, // SQL Server through ODBC
    Oracle,    // a fixed ODBC data source
};

// The SQL spoken by the server behind a connection, where the two differ.
enum class SqlDialect { Sqlite, SqlServer };

// Everything needed to open one connection.
struct ConnectionTarget {
    DbKind kind = DbKind::Embedded;
    QString driver;       // Qt driver: "QSQLITE" or "QODBC"
    QString databaseName; // the SQLite file, or the ODBC connection string
    SqlDialect dialect = SqlDialect::Sqlite;
};

// The program's one database connection. Every value reaches SQL as a bound
// parameter; every result is read whole before the call returns, so no
// statement stays open between calls. Failures are thrown as DbError with
// the driver's text.
class Database
{
public:
    explicit Database(const QString &connectionName = QStringLiteral("hengyuan"));
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Opens the connection; an embedded database file must exist already and
    // hold this system's tables. Throws DbError.
    void open(const ConnectionTarget &target);
    void close();
    // Closes and opens again with the same target (after a server restore).
    void reopen();
    bool isOpen() const;
    DbKind kind() const { return m_target.kind; }
    const ConnectionTarget &target() const { return m_target; }

    // A fully read result; column names are the query's aliases, the
    // query's derived columns computed as they are read.
    ResultPtr query(const Select &select, const QVariantList &params = {}) const;
    // The first field of the first row, or a null value when there is no row.
    QVariant scalar(const QString &sql, const QVariantList &params = {}) const;
    // Whether the query returns at least one row.
    bool exists(const QString &sql, const QVariantList &params = {}) const;
    // Runs a statement that returns no rows; gives the number of rows affected.
    qint64 exec(const QString &sql, const QVariantList &params = {});
    qint64 exec(const SqlText &statement) { return exec(statement.text, statement.values); }

    // Runs "update <table> set <set> where <where>" on the first matching
    // row only (the one with the lowest LineID); returns the rows affected
    // (0 or 1). Each piece brings the values of its own markers.
    qint64 execOnFirstMatch(const QString &table, const SqlText &set, const SqlText &where);
    static SqlText firstMatch(SqlDialect dialect, const QString &table, const SqlText &set, const SqlText &where);

    // What begins every write: on the embedded database "BEGIN IMMEDIATE";
    // on the server an exclusive application lock held by the transaction,
    // waited for up to timeoutMs, whose one value is >= 0 when granted.
    static SqlText writeLock(SqlDialect dialect, int timeoutMs);

    // Runs SQL text without values that returns no rows (several statements
    // may follow one another) as a plain statement, not through a server
    // cursor, and reads every result the server sends back, so that the
    // failure of any of its statements is thrown. Throws DbError.
    static void runPlain(const QSqlDatabase &db, const QString &sql);

    // "?,?,?" for an in(...) list of count values.
    static QString placeholders(int count);

    // Transactions nest: only the outermost begin and commit reach the
    // database; a rollback inside makes the outermost commit fail. Use the
    // Transaction guard rather than these. Every transaction is begun as a
    // writer (writeLock()), so it waits for another connection's write up to
    // the busy timeout, and then fails as DbFault::Busy on either kind.
    void beginTransaction();
    void commitTransaction();
    void rollbackTransaction();
    int transactionDepth() const { return m_depth; }

    // How long a write waits for another connection's before it fails as
    // busy (5 s unless set).
    void setBusyTimeout(int ms);
    int busyTimeout() const { return m_busyTimeoutMs; }

    QSqlDatabase connection() const;
    // The SQLite handle of an embedded database (null for the other kinds).
    sqlite3 *sqliteHandle() const;
    QString connectionName() const { return m_name; }

private:
    // Commits or rolls back the outermost transaction; only a failed commit
    // throws.
    void endTransaction(bool commit);
    // Takes the server's write lock inside the transaction just begun.
    void takeServerWriteLock();

    QString m_name;
    ConnectionTarget m_target;
    int m_depth = 0;
    bool m_rollbackOnly = false;
    int m_busyTimeoutMs = 5000;
};

// Begins a transaction; commits on commit(), rolls back when it goes out of
// scope without one (an exception, an early return).
class Transaction
{
public:
    explicit Transaction(Database &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();

private:
    Database &m_db;
    bool m_done = false;
};
