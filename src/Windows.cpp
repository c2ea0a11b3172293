// Every subsystem's windows, registered with the main window's table.
#include "core/WindowRegistry.h"
#include "core/MaintenanceWindows.h"

void registerAllWindows(WindowRegistry &registry)
{
    (void)registry;
    registerMaintenanceWindows(registry);
}
