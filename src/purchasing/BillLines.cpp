#include "BillLines.h"

#include "platform/db/Database.h"

namespace billlines {

QString purchaseOrderSql()
{
    return QStringLiteral(
        "select A.GoodsID as 商品编码,B.GoodsName as 商品名称,B.Unit as 单位,B.Model as 规格型号,"
        "A.GoodsNum as 数量,A.UnitPrice as 单价,A.GoodsNum*A.UnitPrice as 金额,A.InNum as 入库数量 "
        "from PurchaseOrderDetail as A,Product as B where A.PurchaseOrderID=? and B.GoodsID=A.GoodsID "
        "Order By A.LineID");
}

QString goodsReceiptSql()
{
    return QStringLiteral(
        "select A.GoodsID as 商品编码,B.GoodsName as 商品名称,B.Unit as 单位,B.Model as 规格型号,"
        "C.StorageName as 库位名称,A.ReceiveNumber as 数量,A.UnitPrice as 单价,"
        "A.ReceiveNumber*A.UnitPrice as 金额 from ReceiveReceiptDetail as A,Product as B,Storage as C "
        "where A.ReceiveReceiptID=? and B.GoodsID=A.GoodsID and C.StorageID=A.StorageID Order By A.LineID");
}

QString purchaseReturnSql()
{
    return QStringLiteral(
        "select A.GoodsID as 商品编码,B.GoodsName as 商品名称,B.Unit as 单位,B.Model as 规格型号,"
        "A.ReturnNumber as 退货数量,A.UnitPrice as 单价,A.ReturnNumber*A.UnitPrice as 金额 "
        "from PurchaseReturnDetail as A,Product as B where A.PurchaseReturnID=? and B.GoodsID=A.GoodsID "
        "Order By A.LineID");
}

ResultPtr load(const Database &db, const QString &sql, const QString &billNo)
{
    return db.query(sql, {billNo.trimmed()});
}

} // namespace billlines
