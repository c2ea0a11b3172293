#pragma once

#include "bills/VoucherWindow.h"

// A payable "应付款": what the business owes a supplier, what it has paid,
// how, and the receipt it belongs to.
class FrmPay : public VoucherWindow
{
    Q_OBJECT
public:
    FrmPay(AppState &state, int mode, const QString &id, QWidget *parent = nullptr);
    static const VoucherKind &voucherKind();
    // The goods receipt's "应付款" opens it through this.
    static VoucherWindow *make(AppState &state, int mode, const QString &id, QWidget *parent);
};
