// Backup and restore of the embedded database.
#include "DbOperation.h"

#include "platform/db/SqliteDirect.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <cstring>
#include <filesystem>
#include <sqlite3.h>
#include <sys/file.h>
#include <unistd.h>

namespace dbop {
namespace {

const QString TempMark = QStringLiteral(".hengyuan-backup-");
const QStringList SqliteCompanions{QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")};
// How long a source file's reading waits for another program's lock.
const int SourceBusyMs = 1000;

DbError sourceInUse()
{
    return DbError(QStringLiteral("所选文件正被另一个程序使用（正在写入，或上次写入没有完成），现在不能用它还原。"
                                  "请关闭使用它的程序后再试。"));
}

// Whether another program is writing the file, or stopped part-way through
// a write: SQLite keeps an unfinished transaction in a rollback journal
// beside it, and a write-ahead log beside it for as long as a program has
// the file open in that mode (what was written last may be only there).
bool journalBeside(const QString &file)
{
    return QFileInfo(file + QStringLiteral("-journal")).size() > 0 || QFileInfo::exists(file + QStringLiteral("-wal"));
}

// Whether reading failed because another program holds the file: a lock
// held past the wait, or a journal that a read-only reader cannot undo.
bool heldByAnother(sqlite3 *db)
{
    const int code = sqlite3_extended_errcode(db);
    const int primary = code & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED || code == SQLITE_READONLY_ROLLBACK
           || code == SQLITE_READONLY_RECOVERY || code == SQLITE_READONLY_CANTLOCK || code == SQLITE_READONLY_CANTINIT;
}

// A table's name and its columns, as the database spells them.
struct Table {
    QString name;
    QStringList columns;
};

// Every table of a database (SQLite's own left out), by lower-case name:
// names compare without regard to case in SQL.
QMap<QString, Table> tablesOf(sqlite3 *db)
{
    QMap<QString, Table> tables;
    const ResultPtr names = sqlitedirect::query(
        db, QStringLiteral("select name from sqlite_master where type='table' and name not like 'sqlite!_%' escape '!'"),
        {});
    for (int r = 0; r < names->rowCount(); ++r) {
        Table t{names->text(r, 0), {}};
        const ResultPtr cols = sqlitedirect::query(db, QStringLiteral("select name from pragma_table_info(?)"), {t.name});
        for (int c = 0; c < cols->rowCount(); ++c)
            t.columns << cols->text(c, 0);
        tables.insert(t.name.toLower(), t);
    }
    return tables;
}

QString encodingOf(sqlite3 *db)
{
    return sqlitedirect::scalar(db, QStringLiteral("PRAGMA encoding"), {}).toString();
}

bool inWalMode(sqlite3 *db)
{
    return sqlitedirect::scalar(db, QStringLiteral("PRAGMA journal_mode"), {}).toString().toLower()
           == QStringLiteral("wal");
}

// A second connection to a backup file, read-only unless told otherwise,
// closed with the object. A file that cannot be opened still gets a handle
// from SQLite: it is closed at once.
class SourceFile
{
public:
    explicit SourceFile(const QString &file, int flags = SQLITE_OPEN_READONLY) : m_file(file)
    {
        if (sqlite3_open_v2(QFile::encodeName(file).constData(), &m_db, flags, nullptr) != SQLITE_OK) {
            const QString why = QString::fromUtf8(sqlite3_errmsg(m_db));
            sqlite3_close(m_db);
            throw DbError(QStringLiteral("无法打开所选文件：%1").arg(why));
        }
        sqlite3_busy_timeout(m_db, SourceBusyMs);
    }
    ~SourceFile() { sqlite3_close(m_db); }
    SourceFile(const SourceFile &) = delete;
    SourceFile &operator=(const SourceFile &) = delete;

    sqlite3 *get() const { return m_db; }

    // Runs the checks, against the live database when it is given. What is
    // said is about the chosen file, so the driver's text is quoted bare.
    void check(sqlite3 *live) const
    {
        if (journalBeside(m_file))
            throw sourceInUse();
        checkIntegrity();
        const QMap<QString, Table> own = tablesOf(m_db);
        const QMap<QString, Table> liveTables = live ? tablesOf(live) : QMap<QString, Table>();
        checkTablesPresent(own, liveTables);
        if (!live)
            return;
        const QString encoding = encodingOf(m_db), liveEncoding = encodingOf(live);
        if (encoding != liveEncoding)
            throw DbError(QStringLiteral("所选文件的文本编码是 %1，与当前数据库的 %2 不同。").arg(encoding, liveEncoding));
        checkColumnsPresent(own, liveTables);
        checkSomeoneCanSignIn();
    }

private:
    // A file that is no database fails the first statement.
    void checkIntegrity() const
    {
        ResultPtr integrity;
        try {
            integrity = sqlitedirect::query(m_db, QStringLiteral("PRAGMA integrity_check"), {});
        } catch (const DbError &e) {
            if (heldByAnother(m_db))
                throw sourceInUse();
            if (sqlite3_errcode(m_db) == SQLITE_NOTADB)
                throw DbError(QStringLiteral("所选文件不是数据库文件。"));
            throw DbError(QStringLiteral("所选文件已损坏：%1").arg(e.driverText()));
        }
        if (integrity->rowCount() != 1 || integrity->text(0, 0) != QStringLiteral("ok")) {
            const QString first = integrity->rowCount() ? integrity->text(0, 0) : QString();
            throw DbError(QStringLiteral("所选文件已损坏：%1").arg(first));
        }
    }

    static void checkTablesPresent(const QMap<QString, Table> &own, const QMap<QString, Table> &live)
    {
        QStringList required = systemTables();
        for (const Table &t : live) {
            if (!required.contains(t.name, Qt::CaseInsensitive))
                required << t.name;
        }
        QStringList missing;
        for (const QString &table : required) {
            if (!own.contains(table.toLower()))
                missing << table;
        }
        if (missing.size() > 3)
            throw DbError(QStringLiteral("所选文件不是本系统的数据库。"));
        if (!missing.isEmpty())
            throw DbError(QStringLiteral("所选文件不是本系统的数据库（缺少数据表 %1）。")
                              .arg(missing.join(QStringLiteral("、"))));
    }

    static void checkColumnsPresent(const QMap<QString, Table> &own, const QMap<QString, Table> &live)
    {
        QStringList gaps;
        for (const Table &t : live) {
            const QStringList &have = own.value(t.name.toLower()).columns;
            QStringList lacking;
            for (const QString &c : t.columns) {
                if (!have.contains(c, Qt::CaseInsensitive))
                    lacking << c;
            }
            if (!lacking.isEmpty())
                gaps << QStringLiteral("数据表 %1 缺少列 %2").arg(t.name, lacking.join(QStringLiteral("、")));
        }
        if (!gaps.isEmpty())
            throw DbError(QStringLiteral("所选文件的数据表与当前数据库不一致（%1）。").arg(gaps.join(QStringLiteral("；"))));
    }

    // Restored, a file without an operator who may sign in would lock
    // everybody out; the flag is read as the sign-in reads it.
    void checkSomeoneCanSignIn() const
    {
        const ResultPtr flags = sqlitedirect::query(m_db, QStringLiteral("select Flage from Operator"), {});
        for (int r = 0; r < flags->rowCount(); ++r) {
            if (!flags->value(r, 0).toBool())
                return;
        }
        throw DbError(QStringLiteral("所选文件中没有未停用的操作员，还原后将无人能够登录本系统。"));
    }

    QString m_file;
    sqlite3 *m_db = nullptr;
};

QString liveFileOf(sqlite3 *live)
{
    const char *name = live ? sqlite3_db_filename(live, "main") : nullptr;
    return name ? QString::fromUtf8(name) : QString();
}

// Whether two paths lead to one file (the same device and inode), however
// they are spelt: symbolic links, "..", hard links.
bool sameFile(const QString &a, const QString &b)
{
    std::error_code ec;
    const bool same =
        std::filesystem::equivalent(QFile::encodeName(a).toStdString(), QFile::encodeName(b).toStdString(), ec);
    return same && !ec;
}

bool isLiveFile(const QString &file, const QString &liveFile)
{
    if (liveFile.isEmpty())
        return false;
    if (sameFile(file, liveFile))
        return true;
    // The files SQLite keeps beside it: one that is there, by any name; one
    // still to come, by the name it will have.
    for (const QString &suffix : SqliteCompanions) {
        if (sameFile(file, liveFile + suffix)
            || (file.endsWith(suffix) && sameFile(file.chopped(suffix.size()), liveFile)))
            return true;
    }
    return false;
}

// The temporary file a backup's file name belongs to (itself, or the one
// SQLite keeps it beside).
QString tempFileOf(const QString &fileName)
{
    for (const QString &suffix : SqliteCompanions) {
        if (fileName.endsWith(suffix))
            return fileName.left(fileName.size() - suffix.size());
    }
    return fileName;
}

// Whether a backup still writes the file: it holds a lock on it for as
// long as it runs, and a killed one holds none.
bool beingWritten(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return ::flock(f.handle(), LOCK_EX | LOCK_NB) != 0;
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

void refuseLiveFile(const QString &file, sqlite3 *live)
{
    if (isLiveFile(file, liveFileOf(live)))
        throw DbError(QStringLiteral("所选文件就是正在使用的数据库。"));
}

QString backupTempTemplate(const QString &target)
{
    const QFileInfo info(target);
    return info.absolutePath() + QLatin1Char('/') + info.fileName() + TempMark + QStringLiteral("XXXXXX");
}

bool isBackupTempFile(const QString &fileName)
{
    static const QRegularExpression name(QStringLiteral("^.+\\.hengyuan-backup-[A-Za-z0-9]{6}(-journal|-wal|-shm)?$"));
    return name.match(fileName).hasMatch();
}

void removeBackupLeftovers(const QString &folder)
{
    const QDir dir(folder);
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    QStringList inUse;
    for (const QString &n : names) {
        if (isBackupTempFile(n) && tempFileOf(n) == n && beingWritten(dir.filePath(n)))
            inUse << n;
    }
    for (const QString &n : names) {
        if (isBackupTempFile(n) && !inUse.contains(tempFileOf(n)))
            QFile::remove(dir.filePath(n));
    }
}

void backupSqlite(sqlite3 *live, const QString &target)
{
    if (!live)
        throw DbError(QStringLiteral("数据库没有打开。"));
    refuseLiveFile(target, live);
    removeBackupLeftovers(QFileInfo(target).absolutePath());
    // VACUUM INTO writes into a file that is new or empty; this one is
    // removed again unless it replaces the target.
    QTemporaryFile tmp(backupTempTemplate(target));
    if (!tmp.open())
        throw DbError(QStringLiteral("无法在该文件夹中写入文件：%1").arg(tmp.errorString()));
    // Held while the copy is written, so that another backup into this
    // folder does not take it for a leftover.
    ::flock(tmp.handle(), LOCK_EX | LOCK_NB);
    sqlitedirect::exec(live, QStringLiteral("VACUUM INTO ?"), {tmp.fileName()});
    // The copy reaches the disk before it replaces the earlier backup.
    if (::fsync(tmp.handle()) != 0)
        throw DbError(QStringLiteral("无法写入备份文件：%1").arg(systemError()));
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(tmp.fileName()).toStdString(), QFile::encodeName(target).toStdString(), ec);
    if (ec)
        throw DbError(QStringLiteral("无法写入备份文件：%1").arg(QString::fromLocal8Bit(ec.message())));
    tmp.setAutoRemove(false);
}

void checkBackupFile(const QString &file, sqlite3 *live)
{
    refuseLiveFile(file, live);
    SourceFile(file).check(live);
}

namespace {

// Replaces the live database's pages with those of from.
void copyPages(sqlite3 *from, sqlite3 *live)
{
    sqlite3_backup *b = sqlite3_backup_init(live, "main", from, "main");
    if (!b)
        throw DbError(QString::fromUtf8(sqlite3_errmsg(live)), QString(), dbfault::fromSqliteCode(sqlite3_errcode(live)));
    // One step copies every page in one write transaction: the live data is
    // replaced whole, or left as it was.
    const int step = sqlite3_backup_step(b, -1);
    const int finish = sqlite3_backup_finish(b);
    if (step != SQLITE_DONE || finish != SQLITE_OK) {
        const int rc = step != SQLITE_DONE ? step : finish;
        throw DbError(QStringLiteral("%1（%2）").arg(QString::fromUtf8(sqlite3_errmsg(live)),
                                                  QString::fromUtf8(sqlite3_errstr(rc))),
                      QString(), dbfault::fromSqliteCode(rc));
    }
}

} // namespace

void restoreSqlite(sqlite3 *live, const QString &source)
{
    if (!live)
        throw DbError(QStringLiteral("数据库没有打开。"));
    refuseLiveFile(source, live);
    SourceFile src(source);
    src.check(live);
    if (!inWalMode(src.get()) || inWalMode(live)) {
        copyPages(src.get(), live);
        return;
    }
    // A file whose header names the WAL journal stays in WAL mode for good,
    // and the pages copied bring the header along. A backup taken in WAL
    // mode is restored from a copy in the rollback journal's mode, so the
    // live database keeps its own (WAL does not work on a shared folder).
    const QTemporaryDir dir;
    if (!dir.isValid())
        throw DbError(QStringLiteral("无法在临时文件夹中写入文件：%1").arg(dir.errorString()));
    const QString copy = dir.filePath(QStringLiteral("restore.db"));
    sqlitedirect::exec(src.get(), QStringLiteral("VACUUM INTO ?"), {copy});
    const SourceFile rollback(copy, SQLITE_OPEN_READWRITE);
    sqlitedirect::exec(rollback.get(), QStringLiteral("PRAGMA journal_mode=DELETE"), {});
    copyPages(rollback.get(), live);
}

} // namespace dbop
