#include "DbError.h"

#include <QSqlError>
#include <QStringList>
#include <sqlite3.h>

namespace {

QString shownText(const QString &driverText, DbFault fault)
{
    const QString advice = dbfault::advice(fault);
    if (advice.isEmpty())
        return driverText;
    return driverText.isEmpty() ? advice : advice + QLatin1Char('\n') + driverText;
}

} // namespace

DbError::DbError(const QString &driverText, const QString &sql, DbFault fault)
    : std::runtime_error(shownText(driverText, fault).toStdString()), m_driverText(driverText),
      m_text(shownText(driverText, fault)), m_sql(sql), m_fault(fault)
{
}

namespace dbfault {

QString advice(DbFault fault)
{
    switch (fault) {
    case DbFault::None:
        return QString();
    case DbFault::Busy:
        return QStringLiteral("数据库正被另一台电脑上的操作占用，本次操作没有完成。请稍后再试。");
    case DbFault::Timeout:
        return QStringLiteral("数据库服务器没有及时响应，本次操作没有完成。请稍后再试；如果一直如此，请检查网络和数据库服务器。");
    case DbFault::Deadlock:
        return QStringLiteral("本次操作与另一台电脑上的操作互相等待，已被数据库服务器撤销。请再试一次。");
    case DbFault::Connection:
        return QStringLiteral("无法连接数据库服务器，或连接已经中断。请检查网络和数据库服务器，然后重新启动本程序。");
    case DbFault::Full:
        return QStringLiteral("磁盘已满，数据无法写入。请清理出磁盘空间后再试。");
    case DbFault::ReadOnly:
        return QStringLiteral("数据库文件是只读的，数据无法写入。请检查该文件及其所在文件夹的权限。");
    case DbFault::Damaged:
        return QStringLiteral("数据库文件已损坏。请用最近的备份还原数据库。");
    case DbFault::CannotOpen:
        return QStringLiteral("无法打开数据库文件，或无法在它所在的文件夹中建立临时文件。请检查该文件是否存在，以及该文件和文件夹的访问权限。");
    case DbFault::DiskIo:
        return QStringLiteral("读写磁盘时出错，本次操作没有完成。请检查磁盘或网络连接后再试。");
    }
    return QString();
}

DbFault fromSqliteCode(int code)
{
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return DbFault::Busy;
    case SQLITE_FULL: return DbFault::Full;
    case SQLITE_READONLY: return DbFault::ReadOnly;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return DbFault::Damaged;
    case SQLITE_CANTOPEN: return DbFault::CannotOpen;
    case SQLITE_IOERR: return DbFault::DiskIo;
    default: return DbFault::None;
    }
}

DbFault fromSqlState(const QString &state)
{
    const QString s = state.trimmed().toUpper();
    if (s == QLatin1String("HYT00") || s == QLatin1String("HYT01"))
        return DbFault::Timeout;
    if (s.size() == 5 && s.startsWith(QLatin1String("08")))
        return DbFault::Connection;
    if (s == QLatin1String("40001"))
        return DbFault::Deadlock;
    return DbFault::None;
}

DbFault fromServerError(int number)
{
    switch (number) {
    case 1205: return DbFault::Deadlock;                // chosen as deadlock victim
    case 1222: return DbFault::Busy;                    // lock request time out
    case 1101: case 1105: case 9002: return DbFault::Full; // filegroup or log full
    case 3906: return DbFault::ReadOnly;                // database is read-only
    case 823: return DbFault::DiskIo;                   // operating-system I/O error
    case 824: return DbFault::Damaged;                  // page consistency error
    case 4060: return DbFault::CannotOpen;              // cannot open the database
    case 20003: return DbFault::Timeout;                // FreeTDS: server timed out
    case 20002: case 20004: case 20006: case 20009: case 20017:
        return DbFault::Connection;                     // FreeTDS: connect, read, write failed
    default: return DbFault::None;
    }
}

DbFault fromNativeCode(const QString &code, bool sqlite)
{
    if (sqlite) {
        bool isNumber = false;
        const int number = code.trimmed().toInt(&isNumber);
        return isNumber ? fromSqliteCode(number) : DbFault::None;
    }
    // An SQLSTATE is five characters, and may be all digits ("40001"); a
    // server's number is tried when it is none the program knows.
    for (const QString &part : code.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        DbFault f = fromSqlState(part);
        bool isNumber = false;
        const int number = part.trimmed().toInt(&isNumber);
        if (f == DbFault::None && isNumber)
            f = fromServerError(number);
        if (f != DbFault::None)
            return f;
    }
    return DbFault::None;
}

DbError errorOf(const QSqlError &e, bool sqlite, const QString &sql)
{
    QString t = e.databaseText().trimmed();
    if (t.isEmpty())
        t = e.text().trimmed();
    if (t.isEmpty())
        t = QStringLiteral("数据库操作失败");
    return DbError(t, sql, fromNativeCode(e.nativeErrorCode(), sqlite));
}

bool keyTakenMeanwhile(const std::function<bool()> &exists)
{
    try {
        return exists();
    } catch (const DbError &) {
        return false;
    }
}

} // namespace dbfault
