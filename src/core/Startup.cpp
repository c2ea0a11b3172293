#include "Startup.h"

#include "AppState.h"
#include "FrmWelcome.h"
#include "platform/db/ServerConnection.h"
#include "platform/ini/IniFile.h"
#include "platform/ui/Msg.h"

#include <QApplication>

DatabaseSettings readDatabaseSettings(const QString &setupIni)
{
    const QString section = QStringLiteral("database");
    DatabaseSettings s;
    s.library = ini::read(setupIni, section, QStringLiteral("library")).trimmed();
    s.dbName = ini::read(setupIni, section, QStringLiteral("DbName")).trimmed();
    s.serverName = ini::read(setupIni, section, QStringLiteral("ServerName")).trimmed();
    s.password = ini::read(setupIni, section, QStringLiteral("Password")).trimmed();
    return s;
}

DbKind databaseKind(const QString &library)
{
    const QString kind = library.trimmed();
    if (kind == QStringLiteral("oracle"))
        return DbKind::Oracle;
    if (kind == QStringLiteral("server sql"))
        return DbKind::SqlServer;
    return DbKind::Embedded;
}

ConnectionTarget connectionTargetFor(const DatabaseSettings &settings, const QString &programDir)
{
    ConnectionTarget target;
    target.kind = databaseKind(settings.library);
    switch (target.kind) {
    case DbKind::Embedded:
        target.driver = QStringLiteral("QSQLITE");
        target.databaseName = programDir + QLatin1Char('/') + settings.dbName.trimmed() + QStringLiteral(".db");
        break;
    case DbKind::SqlServer:
        target.driver = QStringLiteral("QODBC");
        target.dialect = SqlDialect::SqlServer;
        target.databaseName = serverdb::connectionString(settings.serverName.trimmed(), settings.dbName.trimmed(),
                                                         settings.password.trimmed());
        break;
    case DbKind::Oracle:
        target.driver = QStringLiteral("QODBC");
        target.databaseName = QStringLiteral("DSN=%1;UID=%2;PWD=%3;")
                                .arg(odbcQuote(QString::fromLatin1(OracleDataSource)),
                                     odbcQuote(QString::fromLatin1(OracleUser)),
                                     odbcQuote(QString::fromLatin1(OraclePassword)));
        break;
    }
    return target;
}

namespace {

DatabaseSettings heldSettings(const AppState &state)
{
    return {state.dbKind, state.dbName, state.serverName, state.dbPassword};
}

void holdSettings(AppState &state, const DatabaseSettings &s)
{
    state.dbKind = s.library;
    state.dbName = s.dbName;
    state.serverName = s.serverName;
    state.dbPassword = s.password;
}

// Texts go to the server in the database's code page: one that holds no
// Chinese would fail at the first save, so the database is refused at once.
void refuseWithoutChinese(Database &db, const QString &dbName)
{
    try {
        const ResultPtr rs = db.query(serverdb::collationQuery());
        const bool row = rs->rowCount() > 0;
        const QString refusal =
            serverdb::codePageRefusal(dbName, row ? rs->text(0, 0) : QString(), row ? rs->value(0, 1).toInt() : 0);
        if (!refusal.isEmpty())
            throw DbError(refusal);
    } catch (const DbError &) {
        db.close();
        throw;
    }
}

} // namespace

void openDatabase(AppState &state)
{
    const DatabaseSettings s = readDatabaseSettings(state.setupIni());
    holdSettings(state, s);
    const ConnectionTarget target = connectionTargetFor(s, state.programDir);
    state.connString = target.databaseName;
    state.db.open(target);
    if (target.kind == DbKind::SqlServer)
        refuseWithoutChinese(state.db, s.dbName);
}

void reopenDatabase(AppState &state, const DatabaseSettings &given)
{
    const DatabaseSettings before = heldSettings(state);
    const QString connString = state.connString;
    const bool wasOpen = state.db.isOpen();
    const ConnectionTarget target = state.db.target();
    holdSettings(state, given);
    try {
        openDatabase(state);
    } catch (const DbError &) {
        holdSettings(state, before);
        state.connString = connString;
        if (wasOpen) {
            try {
                state.db.open(target);
            } catch (const DbError &) {
                // The database held before is gone as well; the failure
                // reported is the one asked for.
            }
        }
        throw;
    }
}

int runApplication(AppState &state)
{
    try {
        openDatabase(state);
    } catch (const DbError &e) {
        msg::critical(nullptr, QStringLiteral("错误"),
                      QStringLiteral("无法打开数据库，程序将退出。\n%1").arg(e.text()));
        return 1;
    }
    auto *splash = new FrmWelcome(state);
    splash->show();
    return QApplication::exec();
}
