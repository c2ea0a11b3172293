#pragma once

#include "BillKind.h"

// The six trading bills come in three families, each on the buying and on
// the selling side: orders; receipts and deliveries, which move goods into
// or out of a storage location, may be made from an open order and have a
// voucher; and returns. A family builds the whole kind from the few names
// that set one bill apart.
namespace billfamily {

// The side of the trade: whom its bills deal with and at what price.
struct TradeSide {
    QString partner;     // Supplier or Customer
    QString priceColumn; // the goods item's price: BuyUnitPrice or SaleUnitPrice
    QString priceAlias;  // how a typed code brings it: 采购单价 or 销售单价
    bool closeAfterSave = false;
};

// What sets one bill apart within its family.
struct BillNames {
    QString window;       // FrmSaleOut: its grid SaleOutGrd, its print form FrmSaleOutDetailPrint
    QString caption;      // 销售出库单: its title 销 售 出 库 单, its log noun 的销售出库单
    QString headTable;    // SaleOut: the number SaleOutID in txt_SaleOutID, the lines in SaleOutDetail
    QString numberAlias;  // how the header query names the number: 出库单号
    QString staff;        // Saler
    QString qtyColumn;    // GoodsNumber
    QString qtyCaption;   // 出库数量
    QString requiredTail; // the required-field message's second line ("" for none)
};

// An order: the quantity ordered and, shown and kept, what has been
// received or delivered against each line (extraColumn, extraCaption).
BillKind order(const TradeSide &side, const BillNames &names, const QString &extraColumn,
               const QString &extraCaption);

// The link of a receipt or delivery to the open orders of its side: the
// order's kind, how the picker names the order's staff, and the word of the
// movement ("入库", "出库": open orders are '未入库', done ones '已入库').
struct OrderSource {
    const BillKind *order = nullptr;
    QString staffAlias; // 采购人, 销售人
    QString movement;   // 入库, 出库
};

// A receipt or delivery: each line's storage location chosen from a list,
// stock moved by stockSign × the quantity, made from an open order, with
// its voucher.
BillKind storeBill(const TradeSide &side, const BillNames &names, int stockSign, const OrderSource &source,
                   const VoucherLink &voucher);

// A return: a second date and the person who handled the goods (a party),
// every box's list starting on its first item; stock moved by stockSign ×
// the quantity. staffLabel, when given, replaces the staff box's label.
BillKind returnBill(const TradeSide &side, const BillNames &names, const QString &handler, int stockSign,
                    const QString &staffLabel = QString());

} // namespace billfamily
