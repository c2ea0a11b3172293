#include "Windows.h"

#include "FrmCheck.h"
#include "core/WindowRegistry.h"

void registerStockWindows(WindowRegistry &registry)
{
    registry.addEditor({304}, QStringLiteral("FrmCheck"), WindowRegistry::editorOf<FrmCheck>());
}
