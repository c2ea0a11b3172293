#pragma once

#include <QString>

#include <memory>

struct AppState;

// Backup and restore on SQL Server. The server reads and writes the backup
// file itself; the statements name the database and the file quoted, so no
// name or path can end them early.
namespace sqlserver {

// [name] with every "]" doubled.
QString quoteName(const QString &name);
// N'text' with every "'" doubled.
QString quoteText(const QString &text);

// Writes a new backup over the file (WITH INIT: the operator has agreed to
// replace it), so the file never holds older backup sets.
QString backupStatement(const QString &dbName, const QString &file);

// A restore runs on a connection of its own to master, with the database
// in single-user mode for it and back in multi-user mode afterwards.
struct RestoreStatements {
    QString singleUser;
    QString restore;
    QString multiUser;
};
RestoreStatements restoreStatements(const QString &dbName, const QString &file);

// The connections a backup or restore works with. Every call throws DbError.
class ServerLink
{
public:
    virtual ~ServerLink() = default;
    virtual void execOnMain(const QString &sql) = 0;
    virtual void closeMain() = 0;
    virtual void reopenMain() = 0;
    virtual void openMaster() = 0;
    virtual void execOnMaster(const QString &sql) = 0;
    virtual void closeMaster() = 0;
};

// The program's own connection and a second one to master on the same
// server, with the same account.
std::unique_ptr<ServerLink> odbcLink(AppState &state);

// Runs the backup statement on the program's connection. Throws DbError.
void backup(ServerLink &link, const QString &dbName, const QString &file);

// Closes the program's connection, restores on master (multi-user mode is
// set again even when the restore fails), then opens the program's
// connection again whatever happened. Throws the first failure as DbError.
void restore(ServerLink &link, const QString &dbName, const QString &file);

} // namespace sqlserver
