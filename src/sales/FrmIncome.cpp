#include "FrmIncome.h"

const VoucherKind &receivableKind()
{
    static const VoucherKind kind = voucherKind(QStringLiteral("FrmIncome"), QStringLiteral("应收款"),
                                                QStringLiteral("Income"), QStringLiteral("Customer"),
                                                QStringLiteral("客    户"), QStringLiteral("客户"), QStringLiteral("SaleOutID"));
    return kind;
}
