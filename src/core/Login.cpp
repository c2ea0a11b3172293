#include "Login.h"

#include "platform/db/Database.h"

namespace {
QString rightTrimmed(QString s)
{
    while (!s.isEmpty() && s.back().isSpace())
        s.chop(1);
    return s;
}
} // namespace

LoginOutcome checkLogin(const Database &db, const QString &loginName, const QString &password)
{
    const ResultPtr rs = db.query(
        QStringLiteral("select OperatorID as 用户名,OperatorName as 真实名称,Flage as 停用 from Operator "
                       "where OperatorID=? and UserPassword=?"),
        {loginName.trimmed(), password.trimmed()});
    LoginOutcome out;
    if (rs->isEmpty())
        return out;
    if (rs->value(0, QStringLiteral("停用")).toBool()) {
        out.result = LoginOutcome::Disabled;
        return out;
    }
    out.result = LoginOutcome::Ok;
    // A fixed-width server column pads with blanks; the stored name is the
    // one without them.
    out.operatorId = rightTrimmed(rs->text(0, QStringLiteral("用户名")));
    out.operatorName = rightTrimmed(rs->text(0, QStringLiteral("真实名称")));
    return out;
}
