#pragma once

#include "bills/BillWindow.h"

// A sales order "销售订单": goods to be sold to a customer through a salesman;
// what is delivered against each line is kept.
const BillKind &saleOrderKind();

class FrmSaleOrder : public KindWindow<saleOrderKind> { using KindWindow::KindWindow; };
