#include "StockPrintForms.h"

#include "FrmCheck.h"

const QVector<PrintForm> &stockPrintForms()
{
    using K = PrintForm;
    // The list of counts (304) has no print form.
    static const QVector<PrintForm> forms = {
        {"FrmCheckDetailPrint", K::Detail, "盘点单", {}, FrmCheck::billKind().lineSql},
        {"FrmStorageWarnPrint", K::List, "库存警报表", {401}},
        {"FrmStorageGoodsPrint", K::List, "库存商品汇总表", {402}},
    };
    return forms;
}

void registerStockPrintForms(WindowRegistry &registry)
{
    registerPrintForms(registry, stockPrintForms());
}
