#pragma once

#include "bills/VoucherWindow.h"

// A receivable "应收款": what a customer owes the business, what it has
// received, how, and the delivery it belongs to. Its amount boxes keep the
// payable's labels "应付金额" and "已付金额".
const VoucherKind &receivableKind();

class FrmIncome : public KindVoucherWindow<receivableKind> { using KindVoucherWindow::KindVoucherWindow; };
