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

// The embedded database (SqliteBackup.cpp).

// Throws DbError ("所选文件就是正在使用的数据库。") when the file is the live
// database's own, by any path that leads to it (a symbolic link, "..", a
// hard link), or one of the files SQLite keeps beside it ("-journal",
// "-wal", "-shm"). Neither a backup nor a restore may write over them.
void refuseLiveFile(const QString &file, sqlite3 *live);

// A consistent copy of the live embedded database, taken while it stays
// open: written to a temporary file in the target's folder (named after
// backupTempTemplate()), then renamed over the target, so an earlier backup
// survives a failure. The live database's own file is refused, and the
// temporary files that an earlier backup into that folder left behind (a
// backup killed part-way) are removed first. Works
// on the handle alone, so it may run off the GUI thread. Throws DbError.
void backupSqlite(sqlite3 *live, const QString &target);

// The name a backup's temporary file is made from: the target's name with
// ".hengyuan-backup-XXXXXX" after it, in the target's folder (the X's are
// replaced by random characters). It never is the target's own name.
QString backupTempTemplate(const QString &target);
// Whether a file name is one of a backup's temporary files, or of the files
// SQLite keeps beside them ("-journal", "-wal", "-shm").
bool isBackupTempFile(const QString &fileName);
// Removes every backup temporary file in the folder that no backup is
// writing any more.
void removeBackupLeftovers(const QString &folder);

// Opens the file on its own, read-only, and makes sure it is an SQLite
// database that passes the integrity check and holds every system table,
// and that no other program is writing it (a journal beside it, or a lock
// held for longer than a second). With live given (the database in use),
// the file must hold every table of live with every one of its columns and
// use the same text encoding, at least one operator in it must be enabled
// (or nobody could sign in once it is restored), and it must not be live's
// own file. Throws DbError with the reason otherwise.
void checkBackupFile(const QString &file, sqlite3 *live = nullptr);

// Checks the file as above against the live database, then replaces the
// whole content of the live database with it in one step; the connection
// stays open and sees the restored data at once. On any failure the live
// data is left as it was. Throws DbError.
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
    // Made on the GUI thread; throws as checkAvailable() does, and refuses
    // the embedded database's own file (refuseLiveFile()) at once.
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
