#include "VoucherStore.h"

#include "BillStore.h"
#include "core/GenFunc.h"
#include "masterdata/RecordStore.h"
#include "platform/db/Database.h"

QString nextVoucherNumber(const QStringList &ids, int idByte)
{
    qint64 highest = 0;
    for (const QString &id : ids) {
        bool ok = false;
        const qint64 n = id.trimmed().toLongLong(&ok);
        if (ok && n > highest)
            highest = n;
    }
    const QString digits = QString::number(highest + 1);
    const int width = std::max(idByte, 1);
    if (digits.size() > width)
        return digits;
    return (QStringLiteral("0000000000") + digits).right(width);
}

VoucherStore::VoucherStore(Database &db, const VoucherKind &kind) : m_db(db), m_kind(kind) {}

QString VoucherStore::nextNumber(int idByte) const
{
    const ResultPtr rs = m_db.query(QStringLiteral("select %1 from %2").arg(m_kind.idColumn, m_kind.table));
    QStringList ids;
    for (int r = 0; r < rs->rowCount(); ++r)
        ids << rs->text(r, 0);
    return nextVoucherNumber(ids, idByte);
}

QString VoucherStore::voucherOfBill(const QString &bill) const
{
    return m_db
        .scalar(QStringLiteral("select %1 from %2 where %3=? order by %1").arg(m_kind.idColumn, m_kind.table, m_kind.billColumn),
                {bill.trimmed()})
        .toString();
}

ResultPtr VoucherStore::load(const QString &id) const
{
    return m_db.query(m_kind.loadSql, {id.trimmed()});
}

QVector<CodeItem> VoucherStore::partners() const
{
    return codeItems(m_db, m_kind.partnerListSql);
}

QVector<CodeItem> VoucherStore::payModes() const
{
    return codeItems(m_db, QStringLiteral("select PayModeID as 支付方式编号,PayModeName as 支付方式名称 from PayMode "
                                          "Order By PayModeID"));
}

QString VoucherStore::partnerCode(const QString &code) const
{
    return storedCode(m_db, m_kind.partnerTable, m_kind.partnerTable + QStringLiteral("ID"), code);
}

QString VoucherStore::payModeCode(const QString &code) const
{
    return storedCode(m_db, QStringLiteral("PayMode"), QStringLiteral("PayModeID"), code);
}

QString VoucherStore::save(const VoucherDraft &d, int idByte)
{
    const VoucherKind &k = m_kind;
    Transaction t(m_db);
    const QString date = d.date.toString(QStringLiteral("yyyy-MM-dd"));
    QString number = d.number.trimmed();
    if (d.mode == 1) {
        if (number.isEmpty()
            || m_db.exists(QStringLiteral("select %1 from %2 where %1=?").arg(k.idColumn, k.table), {number}))
            number = nextNumber(idByte);
        m_db.exec(QStringLiteral("insert into %1(%2,OperateDate,%3,PayModeID,%4,%5,OperatorID,Remark,%6) "
                                 "values(?,?,?,?,?,?,?,?,?)")
                      .arg(k.table, k.idColumn, k.partnerColumn, k.mustColumn, k.haveColumn, k.billColumn),
                  {number, date, d.partnerId, d.payModeId, d.must, d.have, d.operatorId, d.remark, d.billId});
    } else {
        const qint64 n = m_db.exec(QStringLiteral("update %1 set OperateDate=?,%2=?,PayModeID=?,%3=?,%4=?,Remark=? "
                                                  "where %5=?")
                                       .arg(k.table, k.partnerColumn, k.mustColumn, k.haveColumn, k.idColumn),
                                   {date, d.partnerId, d.payModeId, d.must, d.have, d.remark, number});
        if (n != 1)
            throw DbError(QStringLiteral("单号为%1的%2已不存在，未能保存。").arg(number, k.noun));
    }
    writeOperatorLog(m_db, d.operatorId, d.when,
                     (d.mode == 1 ? QStringLiteral("添加单号为") : QStringLiteral("修改单号为")) + number
                         + QStringLiteral("的") + k.noun);
    t.commit();
    return number;
}
