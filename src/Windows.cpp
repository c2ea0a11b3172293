// Every subsystem's windows, registered with the main window's table.
#include "core/WindowRegistry.h"
#include "purchasing/PurchasingPrintForms.h"

void registerAllWindows(WindowRegistry &registry)
{
    registerPurchasingPrintForms(registry);
}
