#include "Windows.h"

#include "FrmPay.h"
#include "FrmBuyIn.h"
#include "FrmBuyOrder.h"
#include "FrmBuyReturn.h"
#include "core/WindowRegistry.h"

void registerPurchasingWindows(WindowRegistry &registry)
{
    registry.addEditor({101}, QStringLiteral("FrmBuyOrder"), WindowRegistry::editorOf<FrmBuyOrder>());
    registry.addEditor({102, 301}, QStringLiteral("FrmBuyIn"), WindowRegistry::editorOf<FrmBuyIn>());
    registry.addEditor({103}, QStringLiteral("FrmPay"), WindowRegistry::editorOf<FrmPay>());
    registry.addEditor({104}, QStringLiteral("FrmBuyReturn"), WindowRegistry::editorOf<FrmBuyReturn>());
}
