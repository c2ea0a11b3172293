#pragma once

#include "bills/BillWindow.h"

// A purchase return "采购退货单": goods sent back to a supplier, lowering
// stock.
const BillKind &purchaseReturnKind();

class FrmBuyReturn : public KindWindow<purchaseReturnKind> { using KindWindow::KindWindow; };
