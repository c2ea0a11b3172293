#include "SalesPrintForms.h"

#include "FrmSaleOrder.h"
#include "FrmSaleOut.h"
#include "FrmSaleReturn.h"

const QVector<PrintForm> &salesPrintForms()
{
    using K = PrintForm;
    static const QVector<PrintForm> forms = {
        {"FrmSaleOrderDetailPrint", K::Detail, "销售订单", {}, saleOrderKind().lineSql},
        {"FrmSaleOutDetailPrint", K::Detail, "销售出库单", {}, deliveryKind().lineSql},
        {"FrmSaleReturnDetailPrint", K::Detail, "销售退货单", {}, saleReturnKind().lineSql},
        {"FrmSaleOrderPrint", K::List, "销售订单统计表", {201}},
        {"FrmSaleOutPrint", K::List, "销售出库单统计表", {202, 302}},
        {"FrmIncomePrint", K::List, "应收款", {203}},
        {"FrmSaleReturnPrint", K::List, "销售退货单统计表", {204}},
        {"FrmSaleAllGoodsPrint", K::List, "销售商品统计表", {404}},
        {"FrmTotalIncomePrint", K::List, "应收款统计表", {405}},
        {"FrmSaleReturnAllGoodsPrint", K::List, "销售退货统计表", {408}},
    };
    return forms;
}

void registerSalesPrintForms(WindowRegistry &registry)
{
    registerPrintForms(registry, salesPrintForms());
}
