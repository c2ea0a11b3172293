#pragma once

#include <QString>

class Database;

// The outcome of checking a login name and password against Operator.
struct LoginOutcome {
    enum Result { Ok, Invalid, Disabled };
    Result result = Invalid;
    QString operatorId;   // as stored
    QString operatorName; // as stored
};

// Looks the operator up by the trimmed login name (without regard to case)
// and the trimmed password (exactly). Throws DbError.
LoginOutcome checkLogin(const Database &db, const QString &loginName, const QString &password);
