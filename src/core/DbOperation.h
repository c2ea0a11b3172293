#pragma once

#include "platform/db/Database.h"

#include <QString>
#include <QStringList>

#include <functional>

struct AppState;
struct sqlite3;

// Backing up and restoring the database in use: the backup file names, the
// remembered backup path, and the work itself for each kind of database.
namespace dbop {

// ".bak" for SQL Server, ".db" for the embedded database (and any other kind).
QString backupExtension(DbKind kind);
// The file dialog's filter: "Backup Files(*.bak)" or "Backup Files(*.db)".
QString backupFilter(DbKind kind);

// The backup file named by what the operator typed: the text is trimmed,
// the file name loses everything from its first "." on and gets the kind's
// extension. Folders keep their dots: "/a/b.c/x.bak" gives "/a/b.c/x.db".
QString backupTarget(const QString &typed, DbKind kind);
// Whether a target from backupTarget() can be written to: an absolute path
// to an existing folder, with a name before the extension.
bool backupPathIsValid(const QString &target);

// The tables that make a database this system's.
const QStringList &systemTables();

// A consistent copy of the live embedded database, taken while it stays
// open: written to a new file in the target's folder, then renamed over the
// target, so an earlier backup survives a failure. Works on the handle
// alone, so it may run off the GUI thread. Throws DbError.
void backupSqlite(sqlite3 *live, const QString &target);

// Opens the file on its own, read-only, and makes sure it is an SQLite
// database that passes the integrity check and holds every system table.
// Throws DbError with the reason otherwise. liveFile, when given, is the
// database in use, which cannot be restored over itself.
void checkBackupFile(const QString &file, const QString &liveFile = QString());

// Checks the file as above, then replaces the whole content of the live
// database with it in one step; the connection stays open and sees the
// restored data at once. On any failure the live data is left as it was.
// Throws DbError.
void restoreSqlite(sqlite3 *live, const QString &source);

} // namespace dbop

// What the backup and restore windows run. Made on the GUI thread for the
// database in use; tests give the windows one of their own.
class DbOperation
{
public:
    explicit DbOperation(AppState &state);
    virtual ~DbOperation() = default;
    DbOperation(const DbOperation &) = delete;
    DbOperation &operator=(const DbOperation &) = delete;

    // The kind named in Setup.ini at start-up.
    virtual DbKind kind() const;

    enum class Work { Backup, Restore };
    // Throws DbError with the reason when this work cannot be done at all:
    // the "oracle" kind, or a save still under way on the connection.
    void checkAvailable(Work work) const;

    // A piece of work and whether it may leave the GUI thread while the
    // window waits for it. run() throws DbError.
    struct Job {
        std::function<void()> run;
        bool background = false;
    };
    // Made on the GUI thread; throws as checkAvailable() does.
    virtual Job backupJob(const QString &target);
    virtual Job restoreJob(const QString &source);

    // Setup.ini [file] backuppath: the last backup written.
    QString loadBackupPath() const;
    void saveBackupPath(const QString &target) const;

protected:
    AppState &m_state;

private:
    Job job(Work work, const QString &file);
};
