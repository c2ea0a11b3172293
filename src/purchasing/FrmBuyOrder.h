#pragma once

#include "bills/BillWindow.h"

// A purchase order "采购订单": goods to be bought from a supplier through a
// buyer; what is received against each line is kept.
const BillKind &purchaseOrderKind();

class FrmBuyOrder : public KindWindow<purchaseOrderKind> { using KindWindow::KindWindow; };
