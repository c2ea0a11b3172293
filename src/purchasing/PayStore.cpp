#include "PayStore.h"

#include "BillStore.h"
#include "core/GenFunc.h"
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
    return QString::number(highest + 1).rightJustified(std::max(idByte, 1), QLatin1Char('0'));
}

PayStore::PayStore(Database &db) : m_db(db) {}

QString PayStore::nextNumber(int idByte) const
{
    const ResultPtr rs = m_db.query(QStringLiteral("select PayID from Pay"));
    QStringList ids;
    for (int r = 0; r < rs->rowCount(); ++r)
        ids << rs->text(r, 0);
    return nextVoucherNumber(ids, idByte);
}

QString PayStore::payableOfReceipt(const QString &receipt) const
{
    return m_db.scalar(QStringLiteral("select PayID from Pay where BuyInID=? order by PayID"), {receipt.trimmed()})
        .toString();
}

ResultPtr PayStore::load(const QString &payId) const
{
    return m_db.query(
        QStringLiteral("select A.PayID as 应付款单号,A.OperateDate as 制单日期,A.SupplierID as 供应商编码,"
                       "B.SupplierName as 供应商名称,A.PayModeID as 支付方式代号,C.PayModeName as 支付方式名称,"
                       "A.MustPay as 应付金额,A.HavePay as 已付金额,A.Remark as 备注 from Pay as A "
                       "left join Supplier as B on B.SupplierID=A.SupplierID "
                       "left join PayMode as C on C.PayModeID=A.PayModeID where A.PayID=?"),
        {payId.trimmed()});
}

QVector<CodeItem> PayStore::suppliers() const
{
    return codeItems(m_db, QStringLiteral("select SupplierID as 供应商编号,SupplierName as 供应商名称 from Supplier"));
}

QVector<CodeItem> PayStore::payModes() const
{
    return codeItems(m_db, QStringLiteral("select PayModeID as 支付方式编号,PayModeName as 支付方式名称 from PayMode"));
}

bool PayStore::supplierExists(const QString &code) const
{
    return m_db.exists(QStringLiteral("select SupplierID from Supplier where SupplierID=?"), {code});
}

bool PayStore::payModeExists(const QString &code) const
{
    return m_db.exists(QStringLiteral("select PayModeID from PayMode where PayModeID=?"), {code});
}

QString PayStore::save(const PayDraft &d, int idByte)
{
    Transaction t(m_db);
    const QString date = d.date.toString(QStringLiteral("yyyy-MM-dd"));
    QString number = d.number.trimmed();
    if (d.mode == 1) {
        if (number.isEmpty() || m_db.exists(QStringLiteral("select PayID from Pay where PayID=?"), {number}))
            number = nextNumber(idByte);
        m_db.exec(QStringLiteral("insert into Pay(PayID,OperateDate,SupplierID,PayModeID,MustPay,HavePay,OperatorID,"
                                 "Remark,BuyInID) values(?,?,?,?,?,?,?,?,?)"),
                  {number, date, d.supplierId, d.payModeId, d.mustPay, d.havePay, d.operatorId, d.remark, d.buyInId});
    } else {
        const qint64 n = m_db.exec(QStringLiteral("update Pay set OperateDate=?,SupplierID=?,PayModeID=?,MustPay=?,"
                                                  "HavePay=?,Remark=? where PayID=?"),
                                   {date, d.supplierId, d.payModeId, d.mustPay, d.havePay, d.remark, number});
        if (n != 1)
            throw DbError(QStringLiteral("单号为%1的应付款已不存在，未能保存。").arg(number));
    }
    writeOperatorLog(m_db, d.operatorId, d.when,
                     (d.mode == 1 ? QStringLiteral("添加单号为") : QStringLiteral("修改单号为")) + number
                         + QStringLiteral("的应付款"));
    t.commit();
    return number;
}
