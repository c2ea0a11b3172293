#include "GoodsPrint.h"

const PrintFormSpec &goodsPrintForm()
{
    static const PrintFormSpec form{"FrmGoodsPrint", PrintFormSpec::List, "商品统计表"};
    return form;
}
