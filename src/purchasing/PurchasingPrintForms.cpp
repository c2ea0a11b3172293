#include "PurchasingPrintForms.h"

#include "FrmBuyIn.h"
#include "FrmBuyOrder.h"
#include "FrmBuyReturn.h"

const QVector<PrintForm> &purchasingPrintForms()
{
    using K = PrintForm;
    static const QVector<PrintForm> forms = {
        {"FrmBuyOrderDetailPrint", K::Detail, "采购订单", {}, FrmBuyOrder::billKind().lineSql},
        {"FrmBuyInDetailPrint", K::Detail, "采购入库单", {}, FrmBuyIn::billKind().lineSql},
        {"FrmBuyReturnDetailPrint", K::Detail, "采购退货单", {}, FrmBuyReturn::billKind().lineSql},
        {"FrmBuyOrderPrint", K::List, "采购订单统计表", {101}},
        {"FrmBuyInPrint", K::List, "采购入库单统计表", {102, 301}},
        {"FrmPayPrint", K::List, "应付款", {103}},
        {"FrmBuyReturnPrint", K::List, "采购退货单统计表", {104}},
        {"FrmBuyAllGoodsPrint", K::List, "采购商品统计表", {403}},
        {"FrmTotalPayPrint", K::List, "应付款统计表", {406}},
        {"FrmBuyReturnAllGoodsPrint", K::List, "采购退货统计表", {407}},
    };
    return forms;
}

void registerPurchasingPrintForms(WindowRegistry &registry)
{
    registerPrintForms(registry, purchasingPrintForms());
}
