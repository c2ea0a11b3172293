// The purchasing bills: orders, goods receipts and purchase returns, on the
// buying side of the trade.
#include "FrmBuyIn.h"
#include "FrmBuyOrder.h"
#include "FrmBuyReturn.h"

#include "FrmPay.h"
#include "bills/BillFamilies.h"

using namespace billfamily;

namespace {
const TradeSide Buying{QStringLiteral("Supplier"), QStringLiteral("BuyUnitPrice"), QStringLiteral("采购单价"), false};
} // namespace

const BillKind &purchaseOrderKind()
{
    static const BillKind kind = order(Buying,
                 {QStringLiteral("FrmBuyOrder"), QStringLiteral("采购订单"), QStringLiteral("PurchaseOrder"),
                  QStringLiteral("采购单号"), QStringLiteral("Buyer"), QStringLiteral("GoodsNum"),
                  QStringLiteral("采购数量"), QString()},
                 QStringLiteral("InNum"), QStringLiteral("入库数量"));
    return kind;
}

const BillKind &goodsReceiptKind()
{
    const BillNames names{QStringLiteral("FrmBuyIn"), QStringLiteral("采购入库单"), QStringLiteral("ReceiveReceipt"),
                          QStringLiteral("入库单号"), QStringLiteral("Accepter"), QStringLiteral("ReceiveNumber"),
                          QStringLiteral("入库数量"), QStringLiteral("制单日期、单据号、供应商、验收人均为必填项。")};
    const VoucherLink payable{QStringLiteral("cmd_Pay"), QStringLiteral("应付款"), QStringLiteral("txt_Supplier"),
                              &payableKind};
    static const BillKind kind =
        storeBill(Buying, names, 1, {&purchaseOrderKind(), QStringLiteral("采购人"), QStringLiteral("入库")}, payable);
    return kind;
}

const BillKind &purchaseReturnKind()
{
    static const BillKind kind = returnBill(Buying,
                      {QStringLiteral("FrmBuyReturn"), QStringLiteral("采购退货单"), QStringLiteral("PurchaseReturn"),
                       QStringLiteral("退货单号"), QStringLiteral("Buyer"), QStringLiteral("ReturnNumber"),
                       QStringLiteral("退货数量"),
                       QStringLiteral("制单日期、单据号、供应商、采购人、退货日期、退货人均为必填项。")},
                      QStringLiteral("Returner"), -1);
    return kind;
}

