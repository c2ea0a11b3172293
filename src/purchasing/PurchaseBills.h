#pragma once

#include "bills/BillWindow.h"

// The three purchasing bills, each the bill window with its own kind; the
// goods receipt opens its payable ("应付款").
const BillKind &purchaseOrderKind();
const BillKind &goodsReceiptKind();
const BillKind &purchaseReturnKind();

class FrmBuyOrder : public KindWindow<purchaseOrderKind> { using KindWindow::KindWindow; };
class FrmBuyIn : public KindWindow<goodsReceiptKind> { using KindWindow::KindWindow; };
class FrmBuyReturn : public KindWindow<purchaseReturnKind> { using KindWindow::KindWindow; };
