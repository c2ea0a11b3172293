#include "DbOperation.h"

#include "AppState.h"
#include "SqlServerBackup.h"
#include "Startup.h"
#include "platform/ini/IniFile.h"

#include <QDir>
#include <QFileInfo>

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
    dbop::refuseLiveFile(file, live);
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
