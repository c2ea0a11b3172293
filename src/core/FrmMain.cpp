#include "FrmMain.h"

#include "AppState.h"
#include "platform/ini/IniFile.h"

FrmMain::FrmMain(AppState &state, QWidget *parent) : QMainWindow(parent), m_state(state)
{
    setObjectName(QStringLiteral("FrmMain"));
    m_state.appTitle = ini::read(state.setupIni(), QStringLiteral("Title"), QStringLiteral("AppTitle")).trimmed();
    setWindowTitle(m_state.appTitle);
}
