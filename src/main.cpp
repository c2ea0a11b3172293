#include "core/AppState.h"
#include "core/Startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("恒远进销存系统"));
    AppState state;
    state.programDir = QApplication::applicationDirPath();
    return runApplication(state);
}
