#pragma once

#include "platform/db/ResultTable.h"

#include <QString>

class Database;

// The stored lines of one purchasing bill, as its window shows them when it
// opens the bill and as its detail print form prints them: goods code, name,
// unit and model, the quantity and price, their product as 金额, and the
// kind's own column. One query per kind, used by both.
namespace billlines {

// 商品编码,商品名称,单位,规格型号,数量,单价,金额,入库数量
QString purchaseOrderSql();
// 商品编码,商品名称,单位,规格型号,库位名称,数量,单价,金额
QString goodsReceiptSql();
// 商品编码,商品名称,单位,规格型号,退货数量,单价,金额
QString purchaseReturnSql();

// Runs one of the queries above for the bill number (blanks around it
// removed). Throws DbError.
ResultPtr load(const Database &db, const QString &sql, const QString &billNo);

} // namespace billlines
