#include "Windows.h"

#include "FrmPay.h"
#include "PurchaseBills.h"
#include "core/AppState.h"
#include "core/WindowRegistry.h"

namespace {
template <typename W> WindowRegistry::EditorFactory editor()
{
    return [](AppState &state, const QString &id, QWidget *parent) -> QDialog * {
        return new W(state, state.editMode, id, parent);
    };
}
} // namespace

void registerPurchasingWindows(WindowRegistry &registry)
{
    registry.addEditor({101}, QStringLiteral("FrmBuyOrder"), editor<FrmBuyOrder>());
    registry.addEditor({102, 301}, QStringLiteral("FrmBuyIn"), editor<FrmBuyIn>());
    registry.addEditor({103}, QStringLiteral("FrmPay"), editor<FrmPay>());
    registry.addEditor({104}, QStringLiteral("FrmBuyReturn"), editor<FrmBuyReturn>());
}
