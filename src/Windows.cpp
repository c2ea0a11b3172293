// Every subsystem's windows, registered with the main window's table.
#include "core/MaintenanceWindows.h"
#include "core/WindowRegistry.h"
#include "masterdata/EditorWindows.h"
#include "purchasing/PurchasingPrintForms.h"
#include "purchasing/Windows.h"
#include "sales/SalesPrintForms.h"
#include "sales/Windows.h"
#include "stock/StockPrintForms.h"
#include "stock/Windows.h"

void registerAllWindows(WindowRegistry &registry)
{
    registerMaintenanceWindows(registry);
    registerEditorWindows(registry);
    registerPurchasingWindows(registry);
    registerPurchasingPrintForms(registry);
    registerSalesWindows(registry);
    registerSalesPrintForms(registry);
    registerStockWindows(registry);
    registerStockPrintForms(registry);
}
