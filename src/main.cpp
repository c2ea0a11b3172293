#include "core/AppState.h"
#include "core/Startup.h"

#include <QApplication>
#include <QFont>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("恒远进销存系统"));
    // A compact CJK face, close to the 9-point 宋体 the layouts were drawn for.
    QFont font(QStringLiteral("Noto Sans CJK SC"), 9);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
    AppState state;
    state.programDir = QApplication::applicationDirPath();
    return runApplication(state);
}
