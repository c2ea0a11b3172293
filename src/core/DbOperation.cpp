#include "DbOperation.h"

#include "AppState.h"
#include "SqlServerBackup.h"
#include "Startup.h"
#include "platform/db/SqliteDirect.h"
#include "platform/ini/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <filesystem>
#include <sqlite3.h>
#include <unistd.h>

namespace dbop {

QString backupExtension(DbKind kind)
{
    return kind == DbKind::SqlServer ? QStringLiteral(".bak") : QStringLiteral(".db");
}

QString backupFilter(DbKind kind)
{
    return QStringLiteral("Backup Files(*%1)").arg(backupExtension(kind));
}

QString backupTarget(const QString &typed, DbKind kind)
{
    const QString text = typed.trimmed();
    const qsizetype slash = text.lastIndexOf(QLatin1Char('/'));
    QString name = text.mid(slash + 1);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    return text.left(slash + 1) + name + backupExtension(kind);
}

bool backupPathIsValid(const QString &target)
{
    const qsizetype slash = target.lastIndexOf(QLatin1Char('/'));
    if (slash < 0 || target.mid(slash + 1).startsWith(QLatin1Char('.')))
        return false;
    const QString folder = slash == 0 ? QStringLiteral("/") : target.left(slash);
    return QDir::isAbsolutePath(folder) && QFileInfo(folder).isDir();
}

const QStringList &systemTables()
{
    static const QStringList tables{
        QStringLiteral("ProductType"), QStringLiteral("Storage"), QStringLiteral("Product"),
        QStringLiteral("CustomerType"), QStringLiteral("SupplierType"), QStringLiteral("Customer"),
        QStringLiteral("Supplier"), QStringLiteral("PayMode"), QStringLiteral("Buyer"),
        QStringLiteral("Saler"), QStringLiteral("Accepter"), QStringLiteral("Returner"),
        QStringLiteral("Checker"), QStringLiteral("Operator"), QStringLiteral("OperatorLog"),
        QStringLiteral("PurchaseOrder"), QStringLiteral("PurchaseOrderDetail"), QStringLiteral("ReceiveReceipt"),
        QStringLiteral("ReceiveReceiptDetail"), QStringLiteral("PurchaseReturn"),
        QStringLiteral("PurchaseReturnDetail"), QStringLiteral("Pay"), QStringLiteral("SaleOrder"),
        QStringLiteral("SaleOrderDetail"), QStringLiteral("SaleOut"), QStringLiteral("SaleOutDetail"),
        QStringLiteral("SaleReturn"), QStringLiteral("SaleReturnDetail"), QStringLiteral("Income"),
        QStringLiteral("CheckNumber"), QStringLiteral("CheckNumberDetail"), QStringLiteral("Temp"),
    };
    return tables;
}

namespace {

// A second connection to a backup file, read-only, closed with the object.
class SourceFile
{
public:
    explicit SourceFile(const QString &file)
    {
        const int rc = sqlite3_open_v2(QFile::encodeName(file).constData(), &m_db, SQLITE_OPEN_READONLY, nullptr);
        if (rc != SQLITE_OK)
            throw DbError(QStringLiteral("无法打开所选文件：%1").arg(QString::fromUtf8(sqlite3_errmsg(m_db))));
    }
    ~SourceFile() { sqlite3_close(m_db); }
    SourceFile(const SourceFile &) = delete;
    SourceFile &operator=(const SourceFile &) = delete;

    sqlite3 *get() const { return m_db; }

    // Runs the checks; a file that is no database fails the first statement.
    void check() const
    {
        ResultPtr integrity;
        try {
            integrity = sqlitedirect::query(m_db, QStringLiteral("PRAGMA integrity_check"), {});
        } catch (const DbError &e) {
            if (sqlite3_errcode(m_db) == SQLITE_NOTADB)
                throw DbError(QStringLiteral("所选文件不是数据库文件。"));
            throw DbError(QStringLiteral("所选文件已损坏：%1").arg(e.text()));
        }
        if (integrity->rowCount() != 1 || integrity->text(0, 0) != QStringLiteral("ok")) {
            const QString first = integrity->rowCount() ? integrity->text(0, 0) : QString();
            throw DbError(QStringLiteral("所选文件已损坏：%1").arg(first));
        }
        QStringList missing;
        for (const QString &table : systemTables()) {
            bool found = false;
            sqlitedirect::scalar(m_db,
                                 QStringLiteral("select 1 from sqlite_master where type='table' and name=? "
                                                "collate nocase"),
                                 {table}, &found);
            if (!found)
                missing << table;
        }
        if (missing.size() > 3)
            throw DbError(QStringLiteral("所选文件不是本系统的数据库。"));
        if (!missing.isEmpty())
            throw DbError(QStringLiteral("所选文件不是本系统的数据库（缺少数据表 %1）。")
                              .arg(missing.join(QStringLiteral("、"))));
    }

private:
    sqlite3 *m_db = nullptr;
};

QString liveFileOf(sqlite3 *live)
{
    const char *name = sqlite3_db_filename(live, "main");
    return name ? QString::fromUtf8(name) : QString();
}

void refuseLiveFile(const QString &file, const QString &liveFile)
{
    if (!liveFile.isEmpty() && QFileInfo(file).canonicalFilePath() == QFileInfo(liveFile).canonicalFilePath())
        throw DbError(QStringLiteral("所选文件就是正在使用的数据库。"));
}

// Makes sure a finished file has reached the disk before it replaces the
// earlier backup.
void syncToDisk(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadWrite) || ::fsync(f.handle()) != 0)
        throw DbError(QStringLiteral("无法写入备份文件：%1").arg(f.errorString()));
}

} // namespace

void backupSqlite(sqlite3 *live, const QString &target)
{
    if (!live)
        throw DbError(QStringLiteral("数据库没有打开。"));
    const QFileInfo info(target);
    // VACUUM INTO writes into a file that is new or empty; this one is
    // removed again unless it replaces the target.
    QTemporaryFile tmp(info.absolutePath() + QLatin1Char('/') + info.fileName() + QStringLiteral(".XXXXXX"));
    if (!tmp.open())
        throw DbError(QStringLiteral("无法在该文件夹中写入文件：%1").arg(tmp.errorString()));
    tmp.close();
    sqlitedirect::exec(live, QStringLiteral("VACUUM INTO ?"), {tmp.fileName()});
    syncToDisk(tmp.fileName());
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(tmp.fileName()).toStdString(),
                            QFile::encodeName(target).toStdString(), ec);
    if (ec)
        throw DbError(QStringLiteral("无法写入备份文件：%1").arg(QString::fromLocal8Bit(ec.message())));
    tmp.setAutoRemove(false);
}

void checkBackupFile(const QString &file, const QString &liveFile)
{
    refuseLiveFile(file, liveFile);
    SourceFile(file).check();
}

void restoreSqlite(sqlite3 *live, const QString &source)
{
    if (!live)
        throw DbError(QStringLiteral("数据库没有打开。"));
    refuseLiveFile(source, liveFileOf(live));
    SourceFile src(source);
    src.check();
    sqlite3_backup *b = sqlite3_backup_init(live, "main", src.get(), "main");
    if (!b)
        throw DbError(QString::fromUtf8(sqlite3_errmsg(live)));
    // One step copies every page in one write transaction: the live data is
    // replaced whole, or left as it was.
    const int step = sqlite3_backup_step(b, -1);
    const int finish = sqlite3_backup_finish(b);
    if (step != SQLITE_DONE || finish != SQLITE_OK) {
        const int rc = step != SQLITE_DONE ? step : finish;
        throw DbError(QStringLiteral("%1（%2）").arg(QString::fromUtf8(sqlite3_errmsg(live)),
                                                  QString::fromUtf8(sqlite3_errstr(rc))));
    }
}

} // namespace dbop

DbOperation::DbOperation(AppState &state) : m_state(state) {}

DbKind DbOperation::kind() const
{
    return databaseKind(m_state.dbKind);
}

void DbOperation::checkAvailable(Work work) const
{
    if (kind() == DbKind::Oracle)
        throw DbError(work == Work::Backup ? QStringLiteral("该类型的数据库不支持备份。")
                                           : QStringLiteral("该类型的数据库不支持还原。"));
    if (m_state.db.transactionDepth() > 0)
        throw DbError(QStringLiteral("还有未完成的保存，请稍后再试。"));
}

DbOperation::Job DbOperation::backupJob(const QString &target)
{
    return job(Work::Backup, target);
}

DbOperation::Job DbOperation::restoreJob(const QString &source)
{
    return job(Work::Restore, source);
}

DbOperation::Job DbOperation::job(Work work, const QString &file)
{
    checkAvailable(work);
    const bool backup = work == Work::Backup;
    if (kind() == DbKind::SqlServer) {
        // Works on this thread's connections.
        AppState &state = m_state;
        return Job{[&state, file, backup] {
                       const std::unique_ptr<sqlserver::ServerLink> link = sqlserver::odbcLink(state);
                       if (backup)
                           sqlserver::backup(*link, state.dbName, file);
                       else
                           sqlserver::restore(*link, state.dbName, file);
                   },
                   false};
    }
    // The handle is taken here, on the GUI thread; the work needs nothing else.
    sqlite3 *live = m_state.db.sqliteHandle();
    return Job{[live, file, backup] {
                   if (backup)
                       dbop::backupSqlite(live, file);
                   else
                       dbop::restoreSqlite(live, file);
               },
               true};
}

QString DbOperation::loadBackupPath() const
{
    return ini::read(m_state.setupIni(), QStringLiteral("file"), QStringLiteral("backuppath"));
}

void DbOperation::saveBackupPath(const QString &target) const
{
    ini::write(m_state.setupIni(), QStringLiteral("file"), QStringLiteral("backuppath"), target);
}
