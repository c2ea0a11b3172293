#pragma once

#include <QString>

// Creates the supplied database on a SQL Server (2019 or later) through the
// ODBC driver the program uses, as the login sa: a new database of a UTF-8
// collation, then the SQL files of sqlDir run in it in the order of their
// names. A database of that name already on the server is never touched;
// one this call made is dropped again when its schema cannot be run.
// Returns 0 on success; says what happened on stdout or stderr.
int createServerDatabase(const QString &serverName, const QString &dbName, const QString &password,
                         const QString &sqlDir);
