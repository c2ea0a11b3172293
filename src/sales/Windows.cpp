#include "Windows.h"

#include "FrmIncome.h"
#include "FrmSaleOrder.h"
#include "FrmSaleOut.h"
#include "FrmSaleReturn.h"
#include "core/WindowRegistry.h"

void registerSalesWindows(WindowRegistry &registry)
{
    registry.addEditor({201}, QStringLiteral("FrmSaleOrder"), WindowRegistry::editorOf<FrmSaleOrder>());
    registry.addEditor({202, 302}, QStringLiteral("FrmSaleOut"), WindowRegistry::editorOf<FrmSaleOut>());
    registry.addEditor({203}, QStringLiteral("FrmIncome"), WindowRegistry::editorOf<FrmIncome>());
    registry.addEditor({204}, QStringLiteral("FrmSaleReturn"), WindowRegistry::editorOf<FrmSaleReturn>());
}
