#pragma once

#include <QString>

// Reaching SQL Server through ODBC with the FreeTDS driver Debian ships:
// the connection string, and what the program asks of a server's database
// before it works on it.
// An ODBC connection-string value in braces, so that ';' and '}' inside it
// cannot start another key.
QString odbcQuote(const QString &value);

namespace serverdb {

// The ODBC driver (odbcinst.ini's name for FreeTDS) and what the connection
// string names instead of leaving it to freetds.conf.
inline constexpr const char *OdbcDriver = "FreeTDS";
inline constexpr const char *TdsVersion = "7.4";
inline constexpr const char *ClientCharset = "UTF-8";
inline constexpr int DefaultPort = 1433;

// Where a ServerName points: "host" (port 1433), "host,port", or
// "host\INSTANCE" (the port asked of the server's browser service).
struct ServerAddress {
    QString host;     // with "\INSTANCE" when an instance is named
    int port = 0;     // 0: the instance's port, found by the driver
};

// Throws DbError with a message for the operator when ServerName is empty
// or its port is no port number.
ServerAddress parseServerName(const QString &serverName);

// The connection string for the database dbName on the server serverName as
// the login sa. Every value in braces, so ';' cannot start another key.
// FreeTDS takes a value in braces as it stands, so a "}" (written "}}" in
// ODBC) would reach the server changed: throws DbError naming the setting
// when Password, ServerName or DbName holds one, or ServerName is unusable.
QString connectionString(const QString &serverName, const QString &dbName, const QString &password);

// The database's collation and its code page (65001 for UTF-8), as one row.
QString collationQuery();
// Empty when the code page holds Chinese (UTF-8 or 936); otherwise why the
// database cannot be worked on, for the operator.
QString codePageRefusal(const QString &dbName, const QString &collation, int codePage);

} // namespace serverdb
