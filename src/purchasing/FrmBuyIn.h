#pragma once

#include "bills/BillWindow.h"

// A goods receipt "采购入库单": goods received into storage, raising stock;
// it may be made from an open purchase order and opens its payable.
const BillKind &goodsReceiptKind();

class FrmBuyIn : public KindWindow<goodsReceiptKind> { using KindWindow::KindWindow; };
