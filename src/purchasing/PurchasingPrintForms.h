#pragma once

#include "core/PrintForm.h"

class WindowRegistry;

// The print forms of purchasing: the three bills and the purchasing lists
// and summaries.
const QVector<PrintForm> &purchasingPrintForms();
void registerPurchasingPrintForms(WindowRegistry &registry);
