#include "FrmPay.h"

const VoucherKind &payableKind()
{
    static const VoucherKind kind =
        voucherKind(QStringLiteral("FrmPay"), QStringLiteral("应付款"), QStringLiteral("Pay"), QStringLiteral("Supplier"),
                    QStringLiteral("供 应 商"), QStringLiteral("供应商"), QStringLiteral("BuyInID"));
    return kind;
}
