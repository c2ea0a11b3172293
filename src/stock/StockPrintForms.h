#pragma once

#include "core/PrintForm.h"

class WindowRegistry;

// The print forms of the stock: the stock count and the two stock reports.
const QVector<PrintForm> &stockPrintForms();
void registerStockPrintForms(WindowRegistry &registry);
