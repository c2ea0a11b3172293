#include "core/AppState.h"
#include "core/Startup.h"
#include "platform/ui/Faces.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("恒远进销存系统"));
    faces::setUp();
    // Qt's own dialogs (message-box buttons, file and print dialogs) in Chinese.
    QTranslator qtChinese;
    if (qtChinese.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtChinese);
    AppState state;
    state.programDir = QApplication::applicationDirPath();
    return runApplication(state);
}
