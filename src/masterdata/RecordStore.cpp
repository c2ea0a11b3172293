#include "RecordStore.h"

#include "core/GenFunc.h"
#include "platform/db/Database.h"

#include <QDateTime>

bool recordExists(const Database &db, const RecordTable &table, const QString &key)
{
    return db.exists(QStringLiteral("select * from %1 where %2=?").arg(table.table, table.key), {key});
}

QString storedCode(const Database &db, const QString &table, const QString &keyColumn, const QString &code)
{
    if (code.isEmpty())
        return QString();
    const QVariant v = db.scalar(QStringLiteral("select %2 from %1 where %2=?").arg(table, keyColumn), {code});
    return v.isNull() ? QString() : v.toString();
}

bool saveRecord(Database &db, const RecordTable &table, bool insert, const QString &key,
                const QVariantHash &values, const QString &operatorId, const QString &logText)
{
    Transaction tx(db);
    QVariantList params;
    if (insert) {
        params << key;
        for (const QString &c : table.columns) {
            Q_ASSERT(values.contains(c));
            params << values.value(c);
        }
        db.exec(QStringLiteral("insert into %1(%2,%3) values(%4)")
                    .arg(table.table, table.key, table.columns.join(QLatin1Char(',')),
                         Database::placeholders(int(params.size()))),
                params);
    } else {
        QStringList sets;
        for (const QString &c : table.updated) {
            Q_ASSERT(values.contains(c));
            sets << c + QStringLiteral("=?");
            params << values.value(c);
        }
        params << key;
        const qint64 changed = db.exec(QStringLiteral("update %1 set %2 where %3=?")
                                           .arg(table.table, sets.join(QLatin1Char(',')), table.key),
                                       params);
        if (changed == 0)
            return false;
    }
    writeOperatorLog(db, operatorId, QDateTime::currentDateTime(), logText);
    tx.commit();
    return true;
}

namespace {

QString selectList(const QVector<QPair<QString, QString>> &columnsAs, const QString &prefix)
{
    QStringList select;
    for (const auto &[column, alias] : columnsAs)
        select << prefix + column + QStringLiteral(" as ") + alias;
    return select.join(QLatin1Char(','));
}

} // namespace

QVector<CodeItem> masterItems(const Database &db, const QString &table)
{
    return codeItems(db.query(QStringLiteral("select %1ID,%1Name from %1 order by %1ID").arg(table)));
}

ResultPtr goodsRecord(const Database &db, const QString &key)
{
    return db.query(
        QStringLiteral("select A.GoodsID as 商品编码,A.GoodsName as 商品名称,A.ProductTypeID as 类别编号,"
                       "B.ProductTypeName as 类别名称,A.Unit as 单位,A.Model as 规格型号,A.Home as 产地,"
                       "A.BuyUnitPrice as 采购单价,A.SaleUnitPrice as 销售单价,A.MinStorage as 最小库存,"
                       "A.StorageID as 仓库编号,C.StorageName as 仓库名称,A.Remark as 备注 "
                       "from Product as A left join ProductType as B on B.ProductTypeID=A.ProductTypeID "
                       "left join Storage as C on C.StorageID=A.StorageID where A.GoodsID=?"),
        {key});
}

ResultPtr recordOf(const Database &db, const QString &table, const QString &keyColumn,
                   const QVector<QPair<QString, QString>> &columnsAs, const QString &key)
{
    return db.query(QStringLiteral("select %1 from %2 where %3=?").arg(selectList(columnsAs, QString()), table, keyColumn),
                    {key});
}

ResultPtr partnerRecord(const Database &db, const QString &table, const QVector<QPair<QString, QString>> &columnsAs,
                        const QString &key)
{
    return db.query(QStringLiteral("select %1,B.%2TypeName as 类别名称 from %2 as A left join %2Type as B "
                                   "on B.%2TypeID=A.TypeID where A.%2ID=?")
                        .arg(selectList(columnsAs, QStringLiteral("A.")), table),
                    {key});
}

ResultPtr goodsPickList(const Database &db)
{
    return db.query(QStringLiteral("select A.GoodsID as 商品编号,A.GoodsName as 商品名称,A.Unit as 单位,"
                                   "A.Model as 规格型号,B.StorageName as 库位,A.BuyUnitPrice as 单价 "
                                   "from Product as A,Storage as B where B.StorageID=A.StorageID Order by A.GoodsID"));
}
