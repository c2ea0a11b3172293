#pragma once

#include "bills/VoucherWindow.h"

// A payable "应付款": what the business owes a supplier, what it has paid,
// how, and the receipt it belongs to.
const VoucherKind &payableKind();

class FrmPay : public KindVoucherWindow<payableKind> { using KindVoucherWindow::KindVoucherWindow; };
