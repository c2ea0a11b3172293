#include "ServerConnection.h"

#include "DbError.h"

QString odbcQuote(const QString &value)
{
    QString v = value;
    v.replace(QLatin1Char('}'), QStringLiteral("}}"));
    return QLatin1Char('{') + v + QLatin1Char('}');
}

namespace serverdb {

ServerAddress parseServerName(const QString &serverName)
{
    const QString name = serverName.trimmed();
    ServerAddress a;
    const qsizetype comma = name.lastIndexOf(QLatin1Char(','));
    a.host = (comma < 0 ? name : name.left(comma)).trimmed();
    if (a.host.isEmpty())
        throw DbError(QStringLiteral("Setup.ini 中没有填写数据库服务器的名称（ServerName）。"));
    if (comma >= 0) {
        bool isNumber = false;
        a.port = name.mid(comma + 1).trimmed().toInt(&isNumber);
        if (!isNumber || a.port < 1 || a.port > 65535)
            throw DbError(QStringLiteral("Setup.ini 中数据库服务器“%1”的端口号不正确：逗号后应是 1 到 65535 之间的数字。")
                              .arg(name));
    } else if (!a.host.contains(QLatin1Char('\\'))) {
        a.port = DefaultPort;
    }
    return a;
}

QString connectionString(const QString &serverName, const QString &dbName, const QString &password)
{
    const struct {
        const char *key, *noun;
        const QString &value;
    } settings[] = {{"ServerName", "服务器名称", serverName}, {"DbName", "数据库名称", dbName}, {"Password", "密码", password}};
    for (const auto &setting : settings) {
        if (setting.value.contains(QLatin1Char('}')))
            throw DbError(QStringLiteral("Setup.ini 中的 %1（%2）含有字符“}”，连接数据库服务器时无法原样传递。请换用不含“}”的%2。")
                              .arg(QString::fromLatin1(setting.key), QString::fromUtf8(setting.noun)));
    }
    const ServerAddress a = parseServerName(serverName);
    QString s = QStringLiteral("DRIVER=%1;SERVER=%2;").arg(odbcQuote(QString::fromLatin1(OdbcDriver)), odbcQuote(a.host));
    if (a.port != 0)
        s += QStringLiteral("PORT=%1;").arg(a.port);
    return s + QStringLiteral("TDS_Version=%1;ClientCharset=%2;DATABASE=%3;UID=sa;PWD=%4;")
                   .arg(QString::fromLatin1(TdsVersion), QString::fromLatin1(ClientCharset),
                        odbcQuote(dbName.trimmed()), odbcQuote(password));
}

QString collationQuery()
{
    return QStringLiteral("select convert(nvarchar(128),databasepropertyex(db_name(),'Collation')) as Collation,"
                          "collationproperty(convert(nvarchar(128),databasepropertyex(db_name(),'Collation')),"
                          "'CodePage') as CodePage");
}

QString codePageRefusal(const QString &dbName, const QString &collation, int codePage)
{
    if (codePage == 65001 || codePage == 936)
        return QString();
    return QStringLiteral("数据库“%1”的排序规则是 %2（代码页 %3），保存不了中文。"
                          "请用本系统的建库工具在 SQL Server 2019 或更高版本上建立数据库（UTF-8 排序规则），"
                          "或使用代码页为 936 的中文排序规则的数据库。")
        .arg(dbName, collation.isEmpty() ? QStringLiteral("未知") : collation, QString::number(codePage));
}

} // namespace serverdb
