// The company-name, bill-colour and about windows, and how the main
// window's menus open them.
#include "TestSupport.h"

#include "core/FrmAbout.h"
#include "core/FrmBillBColor.h"
#include "core/FrmComName.h"
#include "core/FrmFirst.h"
#include "core/FrmMain.h"
#include "core/WindowRegistry.h"
#include "platform/ini/IniFile.h"
#include "platform/ui/Modal.h"
#include "platform/ui/Msg.h"
#include "platform/ui/Widgets.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

namespace {

const QString Missing = QStringLiteral("<missing>");

QString setting(TestApp &app, const char *section, const char *key)
{
    return ini::read(app.state().setupIni(), QString::fromLatin1(section), QString::fromLatin1(key), Missing);
}

void typeText(QWidget *w, const QString &text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

void replaceText(QLineEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    typeText(box, text);
}

void click(QWidget *parent, const char *name)
{
    QTest::mouseClick(child<QWidget>(parent, name), Qt::LeftButton);
}

bool fits(QWidget &w)
{
    const QSize need = w.layout()->minimumSize();
    return need.width() <= w.width() && need.height() <= w.height();
}

} // namespace

class TestSettingsWindows : public QObject
{
    Q_OBJECT

private slots:
    void companyNamesLoadTrimmed()
    {
        TestApp app;
        QVERIFY(app.ok());
        ini::write(app.state().setupIni(), QStringLiteral("Title"), QStringLiteral("FullName"),
                   QStringLiteral("  恒远商贸有限公司  "));
        ini::write(app.state().setupIni(), QStringLiteral("TITLE"), QStringLiteral("shortname"), QStringLiteral(" 恒远 "));
        FrmComName w(app.state());
        QCOMPARE(w.objectName(), QStringLiteral("FrmComName"));
        QCOMPARE(w.windowTitle(), QStringLiteral("单位名称"));
        QCOMPARE(child<QLineEdit>(&w, "txt_FullName")->text(), QStringLiteral("恒远商贸有限公司"));
        QCOMPARE(child<QLineEdit>(&w, "txt_ShortName")->text(), QStringLiteral("恒远"));
        QCOMPARE(child<QPushButton>(&w, "cmd_Save")->text(), QStringLiteral("保存"));
        QCOMPARE(child<QPushButton>(&w, "cmd_Exit")->text(), QStringLiteral("关闭"));
    }

    void companyNamesSave_data()
    {
        QTest::addColumn<QString>("full");
        QTest::addColumn<QString>("shortName");
        QTest::addColumn<QString>("storedFull");
        QTest::addColumn<QString>("storedShort");
        QTest::newRow("blanks around") << "  恒远商贸有限公司 " << " 恒远 " << "恒远商贸有限公司" << "恒远";
        QTest::newRow("both empty") << "" << "" << "" << "";
        QTest::newRow("only blanks") << "   " << " " << "" << "";
        QTest::newRow("quotes and signs") << "O'Brien & 张三 [总店]" << "a=b;c" << "O'Brien & 张三 [总店]" << "a=b;c";
    }
    void companyNamesSave()
    {
        QFETCH(QString, full);
        QFETCH(QString, shortName);
        QFETCH(QString, storedFull);
        QFETCH(QString, storedShort);
        TestApp app;
        QVERIFY(app.ok());
        ini::write(app.state().setupIni(), QStringLiteral("title"), QStringLiteral("FullName"), QStringLiteral("旧名称"));
        msg::Recorder box;
        FrmComName w(app.state());
        w.show();
        replaceText(child<QLineEdit>(&w, "txt_FullName"), full);
        replaceText(child<QLineEdit>(&w, "txt_ShortName"), shortName);
        click(&w, "cmd_Save");
        QCOMPARE(setting(app, "title", "FullName"), storedFull);
        QCOMPARE(setting(app, "title", "ShortName"), storedShort);
        QCOMPARE(box.count(), 0);
        QVERIFY(w.isVisible()); // stays open after saving
        FrmComName again(app.state());
        QCOMPARE(child<QLineEdit>(&again, "txt_FullName")->text(), storedFull);
        QCOMPARE(child<QLineEdit>(&again, "txt_ShortName")->text(), storedShort);
    }

    void companyNamesCloseWithoutSaving()
    {
        TestApp app;
        QVERIFY(app.ok());
        FrmComName w(app.state());
        w.show();
        replaceText(child<QLineEdit>(&w, "txt_FullName"), QStringLiteral("不保存"));
        QTest::keyClick(child<QLineEdit>(&w, "txt_FullName"), Qt::Key_Escape);
        QVERIFY(w.isVisible()); // Escape keeps what was typed
        QCOMPARE(child<QLineEdit>(&w, "txt_FullName")->text(), QStringLiteral("不保存"));
        click(&w, "cmd_Exit");
        QVERIFY(!w.isVisible());
        QCOMPARE(setting(app, "title", "FullName"), QString());
        QVERIFY(fits(w));
    }

    void billColour_data()
    {
        QTest::addColumn<QString>("held");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("role");
        const int base = int(QPalette::Base), tip = int(QPalette::ToolTipBase);
        QTest::newRow("colour one") << "-2147483624" << "B8" << "-2147483643" << base;
        QTest::newRow("colour two") << "-2147483643" << "B9" << "-2147483624" << tip;
        QTest::newRow("none chosen keeps colour two") << "-2147483624" << "" << "-2147483624" << tip;
        QTest::newRow("none chosen keeps the default") << "-2147483643" << "" << "-2147483643" << base;
    }
    void billColour()
    {
        QFETCH(QString, held);
        QFETCH(QString, option);
        QFETCH(QString, stored);
        QFETCH(int, role);
        TestApp app;
        QVERIFY(app.ok());
        app.state().billBColor = held;
        msg::Recorder box;
        FrmBillBColor w(app.state());
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("单据背景色设置"));
        auto *one = child<QRadioButton>(&w, "B8");
        auto *two = child<QRadioButton>(&w, "B9");
        QCOMPARE(one->text(), QStringLiteral("默认颜色一"));
        QCOMPARE(two->text(), QStringLiteral("默认颜色二"));
        QVERIFY(!one->isChecked() && !two->isChecked());
        if (!option.isEmpty())
            click(&w, qPrintable(option));
        click(&w, "cmd_Save");
        QCOMPARE(app.state().billBColor, stored);
        QCOMPARE(setting(app, "UserSet", "BillBColor"), stored);
        QCOMPARE(colorFromNumber(app.state().billBColor, w.palette()), w.palette().color(QPalette::ColorRole(role)));
        QVERIFY(!w.isVisible());
        QCOMPARE(box.count(), 0);
        QVERIFY(fits(w));
    }

    void billColourExitWritesNothing()
    {
        TestApp app;
        QVERIFY(app.ok());
        const QByteArray before = [&] {
            QFile f(app.state().setupIni());
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        FrmBillBColor w(app.state());
        w.show();
        click(&w, "B9");
        QCOMPARE(child<QPushButton>(&w, "cmd_Exit")->text(), QStringLiteral("退出"));
        click(&w, "cmd_Exit");
        QVERIFY(!w.isVisible());
        QCOMPARE(app.state().billBColor, QStringLiteral("-2147483643"));
        QFile f(app.state().setupIni());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    void aboutBox()
    {
        FrmAbout w;
        w.show();
        QVERIFY(w.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(child<QLabel>(&w, "lblTitle")->text(), QStringLiteral("恒远进销存系统"));
        QCOMPARE(child<QLabel>(&w, "lblVersion")->text(), QStringLiteral("版本：1.0.0"));
        QCOMPARE(child<QLabel>(&w, "lblDescription")->text(), QStringLiteral("For Win98/2000/NT/XP"));
        QVERIFY(child<QLabel>(&w, "lblSupport")->text().contains(QStringLiteral("恒远软件工作室")));
        QVERIFY(child<QLabel>(&w, "lblMaker")->text().contains(QStringLiteral("恒远软件工作室")));
        QVERIFY(child<QLabel>(&w, "lblTitle")->font().bold());
        QCOMPARE(w.size(), QSize(twips(4380), twips(3120)));
        QVERIFY(fits(w));
        // A click on a text does nothing; one on the background hides it.
        QTest::mouseClick(child<QLabel>(&w, "lblTitle"), Qt::LeftButton);
        QTest::mouseClick(child<QLabel>(&w, "lblMaker"), Qt::LeftButton);
        QVERIFY(w.isVisible());
        QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(w.width() - 3, 3));
        QVERIFY(!w.isVisible());
    }

    void serverSettingsWindow()
    {
        TestApp app;
        QVERIFY(app.ok());
        FrmFirst w(app.state());
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("服务器设置"));
        auto *kinds = child<QComboBox>(&w, "cmb_Libary");
        QCOMPARE(kinds->count(), 2);
        QCOMPARE(kinds->itemText(0), QStringLiteral("ACCESS"));
        QCOMPARE(kinds->itemText(1), QStringLiteral("SQL SERVER"));
        QCOMPARE(kinds->currentText(), QStringLiteral("ACCESS"));
        const QStringList labels{"数据库类型：", "服务器名称：", "数据库名称："};
        for (int i = 0; i < labels.size(); ++i)
            QCOMPARE(child<QLabel>(&w, qPrintable(QStringLiteral("Label%1").arg(i + 1)))->text(), labels[i]);
        QCOMPARE(child<QPushButton>(&w, "cmd_OK")->text(), QStringLiteral("确定"));
        QCOMPARE(child<QPushButton>(&w, "cmd_Exit")->text(), QStringLiteral("退出"));
        QVERIFY(fits(w));
        // Focus order: 确定, 退出, the kind, the server, the database.
        const QStringList order{"cmd_OK", "cmd_Exit", "cmb_Libary", "txt_ServerName", "txt_DbName", "cmd_OK"};
        for (const QString &name : order) {
            QCOMPARE(QApplication::focusWidget()->objectName(), name);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // "退出" does nothing.
        msg::Recorder box;
        click(&w, "cmd_Exit");
        QVERIFY(w.isVisible());
        QCOMPARE(box.count(), 0);
    }

    void serverSettingsOpenTheDatabaseAgain_data()
    {
        QTest::addColumn<QString>("dbName"); // in Setup.ini when "确定" is pressed
        QTest::addColumn<bool>("opened");
        QTest::newRow("the same database") << "hengyuan" << true;
        QTest::newRow("another database") << "other" << true;
        QTest::newRow("a missing database") << "missing" << false;
    }
    void serverSettingsOpenTheDatabaseAgain()
    {
        QFETCH(QString, dbName);
        QFETCH(bool, opened);
        TestApp app;
        QVERIFY(app.ok());
        AppState &state = app.state();
        QVERIFY(QFile::copy(app.dir() + QStringLiteral("/hengyuan.db"), app.dir() + QStringLiteral("/other.db")));
        app.db().exec(QStringLiteral("insert into Checker values('K1','只在原库')"));
        ini::write(state.setupIni(), QStringLiteral("database"), QStringLiteral("DbName"), QStringLiteral(" ") + dbName);
        msg::Recorder box;
        FrmFirst w(state);
        w.show();
        child<QComboBox>(&w, "cmb_Libary")->setCurrentIndex(1);
        typeText(child<QLineEdit>(&w, "txt_ServerName"), QStringLiteral(" srv "));
        typeText(child<QLineEdit>(&w, "txt_DbName"), QStringLiteral("typed"));
        click(&w, "cmd_OK");
        QVERIFY(w.isVisible());
        // What the window was given is read over from Setup.ini; a failure keeps what was held.
        const QString held = opened ? dbName : QStringLiteral("hengyuan");
        QCOMPARE(state.dbName, held);
        QCOMPARE(state.dbKind, QString());
        QCOMPARE(state.serverName, QString());
        QVERIFY(state.db.isOpen());
        QCOMPARE(state.db.target().databaseName, app.dir() + QLatin1Char('/') + held + QStringLiteral(".db"));
        QCOMPARE(state.connString, state.db.target().databaseName);
        QCOMPARE(app.count(QStringLiteral("Checker")), held == QStringLiteral("hengyuan") ? 1 : 0);
        QVERIFY(!QFile::exists(app.dir() + QStringLiteral("/missing.db")));
        if (opened) {
            QCOMPARE(box.count(), 0);
        } else {
            QCOMPARE(box.lastTitle(), QStringLiteral("错误"));
            QVERIFY(box.lastText().contains(QStringLiteral("missing.db")));
        }
    }

    void registeredWindows_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *n : {"FrmBackup", "FrmRestore", "FrmComName", "FrmBillBColor", "FrmAbout"})
            QTest::newRow(n) << QString::fromLatin1(n);
    }
    void registeredWindows()
    {
        QFETCH(QString, name);
        TestApp app;
        QVERIFY(app.ok());
        const WindowRegistry::WindowFactory *make = WindowRegistry::standard().window(name);
        QVERIFY(make);
        std::unique_ptr<QWidget> w((*make)(app.state(), nullptr));
        QVERIFY(qobject_cast<QDialog *>(w.get()));
        QCOMPARE(w->objectName(), name);
    }

    void openedFromTheMainWindowsMenus()
    {
        TestApp app;
        QVERIFY(app.ok());
        msg::Recorder box;
        modal::Script script;
        FrmMain main(app.state());
        QAction *company = main.findChild<QAction *>(QStringLiteral("W_UseCom"));
        QAction *colour = main.findChild<QAction *>(QStringLiteral("W_BillBColor"));
        QAction *about = main.findChild<QAction *>(QStringLiteral("H_About"));

        // Company name and bill colour: one window each, beside the main one.
        company->trigger();
        QWidget *names = main.openWindow(QStringLiteral("FrmComName"));
        QVERIFY(names && names->isVisible());
        company->trigger();
        QCOMPARE(main.openWindow(QStringLiteral("FrmComName")), names);
        colour->trigger();
        QWidget *colours = main.openWindow(QStringLiteral("FrmBillBColor"));
        QVERIFY(colours && colours->isVisible());
        QCOMPARE(script.shownCount(), 0);
        click(colours, "B9");
        click(colours, "cmd_Save");
        QCOMPARE(app.state().billBColor, QStringLiteral("-2147483624"));
        QVERIFY(QTest::qWaitFor([&] { return !main.openWindow(QStringLiteral("FrmBillBColor")); }));

        // The about box is modal.
        bool clicked = false;
        script.then([&](QDialog *d) {
            QCOMPARE(d->objectName(), QStringLiteral("FrmAbout"));
            QTest::mouseClick(d, Qt::LeftButton, {}, QPoint(d->width() - 3, 3));
            clicked = !d->isVisible();
        });
        about->trigger();
        QVERIFY(clicked);
        QCOMPARE(script.shownCount(), 1);

        // The next start reads the saved colour.
        app.state().billBColor.clear();
        FrmMain next(app.state());
        QCOMPARE(app.state().billBColor, QStringLiteral("-2147483624"));
        names->close();
    }
};

QTEST_MAIN(TestSettingsWindows)
#include "test_settingswindows.moc"
