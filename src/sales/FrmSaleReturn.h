#pragma once

#include "bills/BillWindow.h"

// A sales return "销售退货单": goods a customer sends back, raising stock.
const BillKind &saleReturnKind();

class FrmSaleReturn : public KindWindow<saleReturnKind> { using KindWindow::KindWindow; };
