#include "MaintenanceWindows.h"

#include "FrmAbout.h"
#include "FrmBackup.h"
#include "FrmBillBColor.h"
#include "FrmComName.h"
#include "FrmRestore.h"
#include "WindowRegistry.h"

void registerMaintenanceWindows(WindowRegistry &registry)
{
    registry.addWindow(QStringLiteral("FrmBackup"),
                       [](AppState &state, QWidget *parent) { return new FrmBackup(state, parent); });
    registry.addWindow(QStringLiteral("FrmRestore"),
                       [](AppState &state, QWidget *parent) { return new FrmRestore(state, parent); });
    registry.addWindow(QStringLiteral("FrmComName"),
                       [](AppState &state, QWidget *parent) { return new FrmComName(state, parent); });
    registry.addWindow(QStringLiteral("FrmBillBColor"),
                       [](AppState &state, QWidget *parent) { return new FrmBillBColor(state, parent); });
    registry.addWindow(QStringLiteral("FrmAbout"), [](AppState &, QWidget *parent) { return new FrmAbout(parent); });
}
