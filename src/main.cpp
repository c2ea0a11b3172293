#include "core/AppState.h"
#include "core/Startup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("恒远进销存系统"));
    // A compact CJK face, close to the 9-point 宋体 the layouts were drawn for.
    QFont font(QStringLiteral("Noto Sans CJK SC"), 9);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
    // Qt's own dialogs (message-box buttons, file and print dialogs) in Chinese.
    QTranslator qtChinese;
    if (qtChinese.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtChinese);
    AppState state;
    state.programDir = QApplication::applicationDirPath();
    return runApplication(state);
}
