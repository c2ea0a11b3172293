// Every subsystem's windows, registered with the main window's table.
#include "core/WindowRegistry.h"
#include "masterdata/EditorWindows.h"

void registerAllWindows(WindowRegistry &registry)
{
    (void)registry;
    registerEditorWindows(registry);
}
