// The sales bills: deliveries, sales orders and sales returns, on the
// selling side of the trade; each closes after a successful save.
#include "FrmSaleOrder.h"
#include "FrmSaleOut.h"
#include "FrmSaleReturn.h"

#include "FrmIncome.h"
#include "bills/BillFamilies.h"

using namespace billfamily;

namespace {
const TradeSide Selling{QStringLiteral("Customer"), QStringLiteral("SaleUnitPrice"), QStringLiteral("销售单价"), true};
const QString CustomerAndSaler = QStringLiteral("制单日期、单据号、客户、业务员均为必填项。");
} // namespace

const BillKind &deliveryKind()
{
    const VoucherLink receivable{QStringLiteral("cmd_Income"), QStringLiteral("应收款"), QStringLiteral("txt_Customer"),
                                 &receivableKind};
    static const BillKind kind = storeBill(
        Selling,
        {QStringLiteral("FrmSaleOut"), QStringLiteral("销售出库单"), QStringLiteral("SaleOut"), QStringLiteral("出库单号"),
         QStringLiteral("Saler"), QStringLiteral("GoodsNumber"), QStringLiteral("出库数量"), CustomerAndSaler},
        -1, {&saleOrderKind(), QStringLiteral("销售人"), QStringLiteral("出库")}, receivable);
    return kind;
}

const BillKind &saleOrderKind()
{
    static const BillKind kind = order(Selling,
                                       {QStringLiteral("FrmSaleOrder"), QStringLiteral("销售订单"),
                                        QStringLiteral("SaleOrder"), QStringLiteral("销售单号"), QStringLiteral("Saler"),
                                        QStringLiteral("GoodsNumber"), QStringLiteral("销售数量"), CustomerAndSaler},
                                       QStringLiteral("OutNum"), QStringLiteral("出库数量"));
    return kind;
}

const BillKind &saleReturnKind()
{
    // The salesman's box reads "销售人：" here.
    static const BillKind kind =
        returnBill(Selling,
                   {QStringLiteral("FrmSaleReturn"), QStringLiteral("销售退货单"), QStringLiteral("SaleReturn"),
                    QStringLiteral("退货单号"), QStringLiteral("Saler"), QStringLiteral("ReturnNumber"),
                    QStringLiteral("退货数量"),
                    QStringLiteral("制单日期、单据号、客户、业务员、退货日期、验收人均为必填项。")},
                   QStringLiteral("Accepter"), 1, QStringLiteral("销售人："));
    return kind;
}
