// Every subsystem's windows, registered with the main window's table.
#include "core/WindowRegistry.h"
#include "purchasing/Windows.h"

void registerAllWindows(WindowRegistry &registry)
{
    registerPurchasingWindows(registry);
}
