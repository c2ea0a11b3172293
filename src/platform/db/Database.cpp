#include "Database.h"

#include "SqliteDirect.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

#include <optional>
#include <sqlite3.h>

namespace {

DbError sqlError(const QSqlDatabase &db, const QSqlError &e, const QString &sql = QString())
{
    return dbfault::errorOf(e, db.driverName() == QLatin1String("QSQLITE"), sql);
}

// Some ODBC drivers hand back a column name followed by a NUL and garbage.
QString cleanName(QString name)
{
    const qsizetype nul = name.indexOf(QChar(0));
    if (nul >= 0)
        name.truncate(nul);
    return name;
}

// An empty text is stored as '', never as NULL, whichever way it was made.
QVariantList bindable(QVariantList params)
{
    for (QVariant &p : params) {
        if (p.typeId() == QMetaType::QString && p.toString().isNull())
            p = QVariant(QStringLiteral(""));
    }
    return params;
}

// Forward-only, so no statement goes through a server cursor; a statement
// without values is sent as it stands.
QSqlQuery runQuery(const QSqlDatabase &db, const QString &sql, const QVariantList &params)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (params.isEmpty()) {
        if (!q.exec(sql))
            throw sqlError(db, q.lastError(), sql);
        return q;
    }
    if (!q.prepare(sql))
        throw sqlError(db, q.lastError(), sql);
    for (const QVariant &p : params)
        q.addBindValue(p);
    if (!q.exec())
        throw sqlError(db, q.lastError(), sql);
    return q;
}

} // namespace

Database::Database(const QString &connectionName) : m_name(connectionName) {}

Database::~Database()
{
    close();
}

void Database::open(const ConnectionTarget &target)
{
    close();
    m_target = target;
    if (target.kind == DbKind::Embedded && !QFileInfo(target.databaseName).isFile())
        throw DbError(QStringLiteral("数据库文件不存在：%1").arg(target.databaseName));

    std::optional<DbError> error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(target.driver, m_name);
        if (!db.isValid()) {
            error = DbError(QStringLiteral("数据库驱动 %1 不可用").arg(target.driver));
        } else {
            db.setDatabaseName(target.databaseName);
            if (target.kind == DbKind::Embedded)
                db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_busyTimeoutMs));
            if (!db.open())
                error = sqlError(db, db.lastError());
        }
    }
    if (error) {
        close();
        throw *error;
    }
    // A database without this system's tables is not ours to work on; a
    // file that cannot be read says why.
    try {
        query(QStringLiteral("select OperatorID from Operator where 1=0"));
    } catch (const DbError &e) {
        close();
        if (e.fault() != DbFault::None)
            throw;
        throw DbError(QStringLiteral("数据库中没有本系统的数据表：%1").arg(e.text()));
    }
}

void Database::close()
{
    m_depth = 0;
    m_rollbackOnly = false;
    if (QSqlDatabase::contains(m_name)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            if (db.isOpen())
                db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
}

void Database::reopen()
{
    const ConnectionTarget target = m_target;
    open(target);
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen();
}

QSqlDatabase Database::connection() const
{
    return QSqlDatabase::database(m_name, false);
}

sqlite3 *Database::sqliteHandle() const
{
    if (m_target.driver != QStringLiteral("QSQLITE") || !QSqlDatabase::contains(m_name))
        return nullptr;
    return sqlitedirect::handleOf(connection());
}

ResultPtr Database::query(const Select &select, const QVariantList &params) const
{
    if (sqlite3 *h = sqliteHandle())
        return sqlitedirect::query(h, select, bindable(params));
    const QString &sql = select.text;
    QSqlQuery q = runQuery(connection(), sql, bindable(params));
    const QSqlRecord rec = q.record();
    const int cols = rec.count();
    QStringList names;
    QVector<bool> boolColumn(cols, false);
    names.reserve(cols);
    for (int c = 0; c < cols; ++c) {
        names << cleanName(rec.fieldName(c));
        boolColumn[c] = select.isYesNo(names[c]);
    }
    const Derivation derivation(select, names);
    std::vector<ResultColumn> data(cols);
    const auto read = [&](int c) {
        QVariant v = q.value(c);
        if (boolColumn[c] && !v.isNull() && v.metaType().id() != QMetaType::Bool)
            v = QVariant(v.toLongLong() != 0);
        data[c].append(v);
    };
    while (q.next())
        derivation.appendRow(data, read);
    if (q.lastError().isValid())
        throw sqlError(connection(), q.lastError(), sql);
    q.finish();
    derivation.finish(data);
    for (ResultColumn &c : data)
        c.squeeze();
    return std::make_shared<const ResultTable>(std::move(names), std::move(data));
}

QVariant Database::scalar(const QString &sql, const QVariantList &params) const
{
    if (sqlite3 *h = sqliteHandle())
        return sqlitedirect::scalar(h, sql, bindable(params));
    QSqlQuery q = runQuery(connection(), sql, bindable(params));
    QVariant v;
    if (q.next())
        v = q.value(0);
    else if (q.lastError().isValid())
        throw sqlError(connection(), q.lastError(), sql);
    q.finish();
    return v;
}

bool Database::exists(const QString &sql, const QVariantList &params) const
{
    if (sqlite3 *h = sqliteHandle()) {
        bool found = false;
        sqlitedirect::scalar(h, sql, bindable(params), &found);
        return found;
    }
    QSqlQuery q = runQuery(connection(), sql, bindable(params));
    const bool found = q.next();
    if (!found && q.lastError().isValid())
        throw sqlError(connection(), q.lastError(), sql);
    q.finish();
    return found;
}

qint64 Database::exec(const QString &sql, const QVariantList &params)
{
    if (sqlite3 *h = sqliteHandle())
        return sqlitedirect::exec(h, sql, bindable(params));
    QSqlQuery q = runQuery(connection(), sql, bindable(params));
    const qint64 n = q.numRowsAffected();
    q.finish();
    return n;
}

SqlText Database::firstMatch(SqlDialect dialect, const QString &table, const SqlText &set, const SqlText &where)
{
    if (dialect == SqlDialect::Sqlite)
        return QStringLiteral("update %1 set ").arg(table) + set
               + QStringLiteral(" where LineID=(select min(LineID) from %1 where ").arg(table) + where
               + QStringLiteral(")");
    return QStringLiteral("with FirstRow as (select top (1) * from %1 where ").arg(table) + where
           + QStringLiteral(" order by LineID) update FirstRow set ") + set;
}

qint64 Database::execOnFirstMatch(const QString &table, const SqlText &set, const SqlText &where)
{
    return exec(firstMatch(m_target.dialect, table, set, where));
}

SqlText Database::writeLock(SqlDialect dialect, int timeoutMs)
{
    if (dialect == SqlDialect::Sqlite)
        return SqlText(QStringLiteral("BEGIN IMMEDIATE"));
    // One lock for the whole database, as the embedded database has one
    // writer at a time; released with the transaction's commit or rollback.
    return SqlText(QStringLiteral("set nocount on; declare @granted int; "
                                  "exec @granted=sp_getapplock @Resource=?,@LockMode='Exclusive',"
                                  "@LockOwner='Transaction',@LockTimeout=?; select @granted"),
                   {QStringLiteral("hengyuan-write"), timeoutMs});
}

void Database::runPlain(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery q = runQuery(db, sql, {});
    // A server reports the progress of a backup or restore as results, and
    // stops when they are left unread; a later statement's failure comes
    // with its own result.
    while (q.nextResult()) {
    }
    if (q.lastError().isValid())
        throw sqlError(db, q.lastError(), sql);
}

QString Database::placeholders(int count)
{
    QString s;
    s.reserve(count * 2);
    for (int i = 0; i < count; ++i)
        s += i ? QStringLiteral(",?") : QStringLiteral("?");
    return s;
}

void Database::setBusyTimeout(int ms)
{
    m_busyTimeoutMs = ms;
    if (sqlite3 *h = sqliteHandle())
        sqlite3_busy_timeout(h, ms);
}

void Database::beginTransaction()
{
    if (m_depth == 0) {
        if (sqlite3 *h = sqliteHandle()) {
            // A writer from the start: it waits for another connection's
            // write lock (up to the busy timeout) instead of failing at its
            // first write after having read.
            const SqlText lock = writeLock(SqlDialect::Sqlite, m_busyTimeoutMs);
            sqlitedirect::exec(h, lock.text, lock.values);
        } else {
            QSqlDatabase db = connection();
            if (!db.transaction())
                throw sqlError(db, db.lastError());
            if (m_target.dialect == SqlDialect::SqlServer) {
                try {
                    takeServerWriteLock();
                } catch (const DbError &) {
                    db.rollback();
                    throw;
                }
            }
        }
        m_rollbackOnly = false;
    }
    ++m_depth;
}

void Database::takeServerWriteLock()
{
    const SqlText lock = writeLock(SqlDialect::SqlServer, m_busyTimeoutMs);
    const QVariant result = scalar(lock.text, lock.values);
    bool isNumber = false;
    const int granted = result.toInt(&isNumber);
    if (isNumber && granted >= 0)
        return;
    // -1: not granted in time, -2: cancelled, -3: chosen as deadlock victim;
    // the operator reads the same sentence as on the embedded database.
    if (isNumber && granted == -3)
        throw DbError(QString(), lock.text, DbFault::Deadlock);
    if (isNumber && (granted == -1 || granted == -2))
        throw DbError(QString(), lock.text, DbFault::Busy);
    throw DbError(QStringLiteral("未能取得数据库的写入权（sp_getapplock：%1）").arg(result.toString()), lock.text);
}

void Database::commitTransaction()
{
    if (m_depth <= 0)
        return;
    if (m_depth > 1) {
        --m_depth;
        return;
    }
    m_depth = 0;
    if (m_rollbackOnly) {
        endTransaction(false);
        m_rollbackOnly = false;
        throw DbError(QStringLiteral("保存未完成，所做的修改已撤销"));
    }
    try {
        endTransaction(true);
    } catch (const DbError &) {
        endTransaction(false);
        throw;
    }
}

void Database::rollbackTransaction()
{
    if (m_depth <= 0)
        return;
    if (m_depth > 1) {
        m_rollbackOnly = true;
        --m_depth;
        return;
    }
    m_depth = 0;
    m_rollbackOnly = false;
    endTransaction(false);
}

void Database::endTransaction(bool commit)
{
    if (sqlite3 *h = sqliteHandle()) {
        // A failed statement may have ended the transaction already.
        if (sqlite3_get_autocommit(h)) {
            if (commit)
                throw DbError(QStringLiteral("保存未完成，所做的修改已撤销"));
            return;
        }
        if (commit) {
            sqlitedirect::exec(h, QStringLiteral("COMMIT"), {});
        } else {
            try {
                sqlitedirect::exec(h, QStringLiteral("ROLLBACK"), {});
            } catch (const DbError &) {
            }
        }
        return;
    }
    QSqlDatabase db = connection();
    if (!commit)
        db.rollback();
    else if (!db.commit())
        throw sqlError(db, db.lastError());
}

Transaction::Transaction(Database &db) : m_db(db)
{
    m_db.beginTransaction();
}

Transaction::~Transaction()
{
    if (!m_done)
        m_db.rollbackTransaction();
}

void Transaction::commit()
{
    m_done = true;
    m_db.commitTransaction();
}
