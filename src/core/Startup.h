#pragma once

#include "platform/db/Database.h"

#include <QString>

struct AppState;

// The [database] section of Setup.ini, each value trimmed.
struct DatabaseSettings {
    QString library;
    QString dbName;
    QString serverName;
    QString password;
};

// The fixed data source and account of the "oracle" kind.
inline constexpr const char *OracleDataSource = "HENGYUAN";
inline constexpr const char *OracleUser = "system";
inline constexpr const char *OraclePassword = "tarvesk";

DatabaseSettings readDatabaseSettings(const QString &setupIni);

// The kind of database named by library: exactly "server sql" or "oracle"
// after trimming; anything else is the embedded default.
DbKind databaseKind(const QString &library);

// How to open the database these settings name. Throws DbError when the
// server kind's settings cannot make a connection string.
ConnectionTarget connectionTargetFor(const DatabaseSettings &settings, const QString &programDir);

// Reads the settings into the state and opens its connection. Throws
// DbError when the database cannot be opened, or is a server's database
// whose code page holds no Chinese.
void openDatabase(AppState &state);

// Start-up's open, run again on a running program: the given settings go
// into the state, Setup.ini is read afresh over them and the connection is
// opened again from it (an embedded database file is never created). When
// that fails, the state keeps its settings and connection from before, and
// DbError is thrown with the reason.
void reopenDatabase(AppState &state, const DatabaseSettings &given);

// The program's start: opens the database (a failure is shown and ends the
// program), then the splash window and the sign-in. Returns the exit code.
int runApplication(AppState &state);
