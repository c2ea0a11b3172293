#include "PurchasingPrintForms.h"

#include "BillLines.h"

namespace {

ResultPtr orderLines(const Database &db, const QString &no)
{
    return billlines::load(db, billlines::purchaseOrderSql(), no);
}

ResultPtr receiptLines(const Database &db, const QString &no)
{
    return billlines::load(db, billlines::goodsReceiptSql(), no);
}

ResultPtr returnLines(const Database &db, const QString &no)
{
    return billlines::load(db, billlines::purchaseReturnSql(), no);
}

} // namespace

const QVector<PrintForm> &purchasingPrintForms()
{
    using K = PrintForm;
    static const QVector<PrintForm> forms = {
        {"FrmBuyOrderDetailPrint", K::Detail, "采购订单", {}, orderLines},
        {"FrmBuyInDetailPrint", K::Detail, "采购入库单", {}, receiptLines},
        {"FrmBuyReturnDetailPrint", K::Detail, "采购退货单", {}, returnLines},
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
