#include "ServerDb.h"

#include "core/SqlServerBackup.h"
#include "platform/db/Database.h"
#include "platform/db/ServerConnection.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>
#include <optional>

namespace {

// The collation of the new database: every character as UTF-8 in varchar,
// codes compared without regard to case.
constexpr const char *Collation = "Latin1_General_100_CI_AS_SC_UTF8";
constexpr int FirstUtf8Version = 15; // SQL Server 2019

void say(FILE *to, const QString &text)
{
    std::fprintf(to, "makedb: %s\n", text.toUtf8().constData());
}

// One ODBC connection, closed and removed when it goes.
class Link
{
public:
    Link(const QString &name, const QString &connectionString) : m_name(name)
    {
        std::optional<DbError> failed;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), m_name);
            db.setDatabaseName(connectionString);
            if (!db.open())
                failed = dbfault::errorOf(db.lastError(), false);
        }
        if (failed) {
            QSqlDatabase::removeDatabase(m_name);
            throw *failed;
        }
    }
    ~Link()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

    QVariant scalar(const SqlText &statement) const
    {
        QSqlQuery q(db());
        q.setForwardOnly(true);
        q.prepare(statement.text);
        for (const QVariant &v : statement.values)
            q.addBindValue(v);
        if (!q.exec())
            throw dbfault::errorOf(q.lastError(), false, statement.text);
        return q.next() ? q.value(0) : QVariant();
    }

private:
    QString m_name;
};

void runFiles(const QString &connectionString, const QString &sqlDir)
{
    const Link link(QStringLiteral("makedb_new"), connectionString);
    const QDir dir(sqlDir);
    const QStringList files = dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    if (files.isEmpty())
        throw DbError(QStringLiteral("%1 中没有 .sql 文件").arg(sqlDir));
    for (const QString &f : files) {
        QFile in(dir.filePath(f));
        if (!in.open(QIODevice::ReadOnly))
            throw DbError(QStringLiteral("无法读取 %1").arg(in.fileName()));
        try {
            Database::runPlain(link.db(), QString::fromUtf8(in.readAll()));
        } catch (const DbError &e) {
            throw DbError(f + QStringLiteral(": ") + e.driverText());
        }
    }
}

} // namespace

int createServerDatabase(const QString &serverName, const QString &dbName, const QString &password,
                         const QString &sqlDir)
{
    if (dbName.trimmed().isEmpty()) {
        say(stderr, QStringLiteral("没有给出数据库名称。"));
        return 2;
    }
    const QString name = dbName.trimmed();
    try {
        const Link master(QStringLiteral("makedb_master"), serverdb::connectionString(serverName, QStringLiteral("master"), password));
        const int version =
            master.scalar(SqlText(QStringLiteral("select cast(serverproperty('ProductMajorVersion') as int)"))).toInt();
        if (version < FirstUtf8Version) {
            say(stderr, QStringLiteral("服务器 %1 的版本过低：需要 SQL Server 2019 或更高版本（UTF-8 排序规则）。").arg(serverName));
            return 1;
        }
        if (!master.scalar(SqlText(QStringLiteral("select db_id(?)"), {name})).isNull()) {
            say(stderr, QStringLiteral("服务器 %1 上已有数据库 %2，未做任何改动。").arg(serverName, name));
            return 1;
        }
        Database::runPlain(master.db(), QStringLiteral("create database %1 collate %2")
                                            .arg(sqlserver::quoteName(name), QString::fromLatin1(Collation)));
        try {
            runFiles(serverdb::connectionString(serverName, name, password), sqlDir);
        } catch (const DbError &e) {
            std::optional<DbError> dropFailed;
            try {
                Database::runPlain(master.db(), QStringLiteral("drop database %1").arg(sqlserver::quoteName(name)));
            } catch (const DbError &d) {
                dropFailed = d;
            }
            say(stderr, QStringLiteral("建立数据库 %1 的表时出错，%2：%3")
                            .arg(name, dropFailed ? QStringLiteral("未能删除建了一半的数据库") : QStringLiteral("已删除建了一半的数据库"),
                                 e.driverText()));
            return 1;
        }
    } catch (const DbError &e) {
        say(stderr, QStringLiteral("无法在服务器 %1 上建立数据库 %2：%3").arg(serverName, name, e.driverText()));
        return 1;
    }
    say(stdout, QStringLiteral("已在服务器 %1 上建立数据库 %2。").arg(serverName, name));
    return 0;
}
