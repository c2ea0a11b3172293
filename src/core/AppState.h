#pragma once

#include "platform/db/Database.h"

#include <QString>

// The process-wide state every window works with: the connection, the
// signed-in operator, the list and bill results and the settings read at
// start-up. main() makes one; tests make their own.
struct AppState {
    // The program's folder: Setup.ini, the database file and the pictures.
    QString programDir;

    QString appTitle;
    QString dbKind, dbName, serverName, dbPassword, connString;
    Database db;

    ResultPtr listRs;   // the main window's current list
    ResultPtr detailRs; // the bill lines last loaded by a bill or its print form
    // Why the main window's current list could not be read; empty when it was.
    QString listFailure;

    int idByte = 8; // digits of generated payable and receivable numbers
    QString currentOperatorID;
    QString currentOperatorName;
    QString printBillID;
    int editMode = 0; // 1 add, 2 modify
    int navCode = 0;
    QString billBColor = QStringLiteral("-2147483643");

    QString setupIni() const { return programDir + QStringLiteral("/Setup.ini"); }
    bool isAdministrator() const { return currentOperatorID == QStringLiteral("Administrator"); }
};
