#include "GoodsPrint.h"

const PrintForm &goodsPrintForm()
{
    static const PrintForm form{"FrmGoodsPrint", PrintForm::List, "商品统计表"};
    return form;
}
