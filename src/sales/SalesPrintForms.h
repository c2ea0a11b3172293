#pragma once

#include "core/PrintForm.h"

class WindowRegistry;

// The print forms of sales: the three bills and the sales lists and
// summaries.
const QVector<PrintForm> &salesPrintForms();
void registerSalesPrintForms(WindowRegistry &registry);
