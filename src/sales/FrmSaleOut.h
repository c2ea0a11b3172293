#pragma once

#include "bills/BillWindow.h"

// A delivery "销售出库单": goods delivered out of storage, lowering stock
// (below zero if need be); it may be made from an open sales order and
// opens its receivable.
const BillKind &deliveryKind();

class FrmSaleOut : public KindWindow<deliveryKind> { using KindWindow::KindWindow; };
