#include "SqlServerBackup.h"

#include "AppState.h"
#include "Startup.h"

#include <QSqlDatabase>
#include <QSqlError>

#include <optional>

namespace sqlserver {

QString quoteName(const QString &name)
{
    QString n = name;
    n.replace(QLatin1Char(']'), QStringLiteral("]]"));
    return QLatin1Char('[') + n + QLatin1Char(']');
}

QString quoteText(const QString &text)
{
    QString t = text;
    t.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QStringLiteral("N'") + t + QLatin1Char('\'');
}

QString backupStatement(const QString &dbName, const QString &file)
{
    return QStringLiteral("backup database %1 to disk=%2 with init")
        .arg(quoteName(dbName.trimmed()), quoteText(file.trimmed()));
}

RestoreStatements restoreStatements(const QString &dbName, const QString &file)
{
    const QString db = quoteName(dbName.trimmed());
    return RestoreStatements{
        QStringLiteral("alter database %1 set single_user with rollback immediate").arg(db),
        QStringLiteral("restore database %1 from disk=%2 with replace").arg(db, quoteText(file.trimmed())),
        QStringLiteral("alter database %1 set multi_user").arg(db),
    };
}

void backup(ServerLink &link, const QString &dbName, const QString &file)
{
    link.execOnMain(backupStatement(dbName, file));
}

void restore(ServerLink &link, const QString &dbName, const QString &file)
{
    const RestoreStatements s = restoreStatements(dbName, file);
    std::optional<DbError> failure;
    auto keepFirst = [&failure](const DbError &e) {
        if (!failure)
            failure = e;
    };
    link.closeMain();
    try {
        link.openMaster();
        try {
            link.execOnMaster(s.singleUser);
            link.execOnMaster(s.restore);
        } catch (const DbError &e) {
            keepFirst(e);
        }
        try {
            link.execOnMaster(s.multiUser);
        } catch (const DbError &e) {
            keepFirst(e);
        }
        link.closeMaster();
    } catch (const DbError &e) {
        keepFirst(e);
    }
    try {
        link.reopenMain();
    } catch (const DbError &e) {
        keepFirst(DbError(QStringLiteral("无法重新连接数据库：%1").arg(e.driverText()), QString(), e.fault()));
    }
    if (failure)
        throw *failure;
}

namespace {

class OdbcLink : public ServerLink
{
public:
    explicit OdbcLink(AppState &state) : m_state(state) {}
    ~OdbcLink() override { closeMaster(); }

    void execOnMain(const QString &sql) override { Database::runPlain(m_state.db.connection(), sql); }
    void closeMain() override { m_state.db.close(); }
    void reopenMain() override { m_state.db.reopen(); }

    void openMaster() override
    {
        const DatabaseSettings settings{m_state.dbKind, QStringLiteral("master"), m_state.serverName,
                                        m_state.dbPassword};
        const ConnectionTarget target = connectionTargetFor(settings, m_state.programDir);
        std::optional<DbError> error;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(target.driver, masterName());
            db.setDatabaseName(target.databaseName);
            if (!db.open())
                error = dbfault::errorOf(db.lastError(), false);
        }
        if (error) {
            closeMaster();
            throw *error;
        }
    }

    void execOnMaster(const QString &sql) override
    {
        Database::runPlain(QSqlDatabase::database(masterName(), false), sql);
    }

    void closeMaster() override
    {
        if (!QSqlDatabase::contains(masterName()))
            return;
        QSqlDatabase::database(masterName(), false).close();
        QSqlDatabase::removeDatabase(masterName());
    }

private:
    QString masterName() const { return m_state.db.connectionName() + QStringLiteral("_master"); }
    AppState &m_state;
};

} // namespace

std::unique_ptr<ServerLink> odbcLink(AppState &state)
{
    return std::make_unique<OdbcLink>(state);
}

} // namespace sqlserver
