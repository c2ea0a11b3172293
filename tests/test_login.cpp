// Signing in through the window "系统登录", as the operator would.
#include "TestSupport.h"

#include "core/FrmLogin.h"
#include "core/FrmWelcome.h"
#include "platform/ui/Msg.h"
#include "platform/ui/Widgets.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TestLogin : public QObject
{
    Q_OBJECT

    static void addOperators(TestApp &app)
    {
        Database &db = app.db();
        const QString sql = QStringLiteral("insert into Operator(OperatorID,OperatorName,UserPassword,Flage) values(?,?,?,?)");
        db.exec(sql, {QStringLiteral("clerk"), QStringLiteral("张三"), QStringLiteral("pw"), true});
        db.exec(sql, {QStringLiteral("nopass"), QStringLiteral("李四"), QString(), false});
        db.exec(sql, {QStringLiteral("O'Neil"), QStringLiteral("王五"), QStringLiteral("it's"), false});
    }

    // Types into the boxes and presses Enter in the password box.
    static void signIn(FrmLogin &w, const QString &name, const QString &password)
    {
        auto *user = child<QLineEdit>(&w, "txt_UserID");
        auto *pwd = child<QLineEdit>(&w, "txt_Password");
        user->clear();
        QTest::keyClicks(user, name);
        pwd->clear();
        QTest::keyClicks(pwd, password);
        QTest::keyClick(pwd, Qt::Key_Return);
    }

private slots:
    void cases_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("signedInAs");
        const QString invalid = QStringLiteral("无效的用户名或密码！");
        QTest::newRow("administrator") << "Administrator" << "admin" << "" << "Administrator";
        QTest::newRow("blanks around name") << "  Administrator " << "admin" << "" << "Administrator";
        QTest::newRow("blanks around password") << "Administrator" << " admin " << "" << "Administrator";
        QTest::newRow("name in other case") << "ADMINISTRATOR" << "admin" << "" << "Administrator";
        QTest::newRow("password in other case") << "Administrator" << "Admin" << invalid << "";
        QTest::newRow("wrong password") << "Administrator" << "x" << invalid << "";
        QTest::newRow("injection in password") << "Administrator" << "' or 'a'='a" << invalid << "";
        QTest::newRow("injection in name") << "' or 1=1 --" << "" << invalid << "";
        QTest::newRow("apostrophe in name") << "O'Brien" << "x" << invalid << "";
        QTest::newRow("apostrophes that match") << "O'Neil" << "it's" << "" << "O'Neil";
        QTest::newRow("unknown") << "nobody" << "" << invalid << "";
        QTest::newRow("disabled, right password") << "clerk" << "pw" << "该用户已被系统管理员停用" << "";
        QTest::newRow("disabled, wrong password") << "clerk" << "no" << invalid << "";
        QTest::newRow("empty password matches empty") << "nopass" << "" << "" << "nopass";
        QTest::newRow("empty stored, typed one") << "nopass" << "x" << invalid << "";
    }
    void cases()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, message);
        QFETCH(QString, signedInAs);
        TestApp app;
        QVERIFY(app.ok());
        addOperators(app);
        app.state().currentOperatorID.clear();
        app.state().currentOperatorName.clear();

        msg::Recorder box;
        FrmLogin w(app.state(), FrmLogin::Mode::SignInAgain);
        QSignalSpy signedIn(&w, &FrmLogin::signedIn);
        w.show();
        signIn(w, name, password);

        if (message.isEmpty()) {
            QCOMPARE(box.count(), 0);
            QCOMPARE(signedIn.count(), 1);
            QCOMPARE(app.state().currentOperatorID, signedInAs);
            QCOMPARE(app.log(), QStringList{QStringLiteral("系统登录")});
            QCOMPARE(app.one(QStringLiteral("select OperatorID from OperatorLog")), signedInAs);
            QVERIFY(!w.isVisible());
        } else {
            QCOMPARE(box.count(), 1);
            QCOMPARE(box.lastText(), message);
            QCOMPARE(box.lastTitle(), QStringLiteral("错误"));
            QCOMPARE(int(box.shown().first().icon), int(msg::Icon::Critical));
            QCOMPARE(signedIn.count(), 0);
            QCOMPARE(app.state().currentOperatorID, QString());
            QCOMPARE(app.log(), QStringList());
            QVERIFY(w.isVisible()); // stays open with the input as typed
            QCOMPARE(child<QLineEdit>(&w, "txt_Password")->text(), password);
        }
    }

    void startsWithAdministratorProposed()
    {
        TestApp app;
        QVERIFY(app.ok());
        FrmLogin w(app.state(), FrmLogin::Mode::Startup);
        QCOMPARE(w.windowTitle(), QStringLiteral("系统登录"));
        QCOMPARE(child<QLineEdit>(&w, "txt_UserID")->text(), QStringLiteral("Administrator"));
        QCOMPARE(child<QLineEdit>(&w, "txt_Password")->echoMode(), QLineEdit::Password);
        child<QLineEdit>(&w, "txt_Password")->setText(QStringLiteral("ab"));
        QCOMPARE(child<QLineEdit>(&w, "txt_Password")->displayText(), QStringLiteral("**"));
        QCOMPARE(child<QPushButton>(&w, "cmd_OK")->text(), QStringLiteral("登录"));
        QCOMPARE(child<QPushButton>(&w, "cmd_Exit")->text(), QStringLiteral("退出"));
    }

    void exitKeepsThePreviousOperator_data()
    {
        QTest::addColumn<bool>("byEnter"); // Enter on "退出"
        QTest::newRow("click") << false;
        QTest::newRow("Enter") << true;
    }
    void exitKeepsThePreviousOperator()
    {
        QFETCH(bool, byEnter);
        TestApp app;
        QVERIFY(app.ok());
        FrmLogin w(app.state(), FrmLogin::Mode::SignInAgain);
        w.show();
        QTest::keyClicks(child<QLineEdit>(&w, "txt_Password"), QStringLiteral("admin"));
        auto *exit = child<QPushButton>(&w, "cmd_Exit");
        byEnter ? QTest::keyClick(exit, Qt::Key_Return) : QTest::mouseClick(exit, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QCOMPARE(app.state().currentOperatorID, QStringLiteral("Administrator"));
        QCOMPARE(app.log(), QStringList());
    }

    void escapeLeavesAtStartupWithoutALogEntry()
    {
        TestApp app;
        QVERIFY(app.ok());
        QPointer<FrmLogin> w = new FrmLogin(app.state(), FrmLogin::Mode::Startup);
        w->show();
        QTest::keyClick(child<QLineEdit>(w, "txt_UserID"), Qt::Key_Escape);
        QTRY_VERIFY(w.isNull() || !w->isVisible());
        QCOMPARE(app.log(), QStringList());
    }

    void splashHandsOverToTheSignIn()
    {
        TestApp app;
        QVERIFY(app.ok());
        QPointer<FrmWelcome> splash = new FrmWelcome(app.state());
        splash->show();
        QVERIFY(!splash->findChild<QLabel *>(QStringLiteral("picWelcome"))->pixmap().isNull());
        auto login = [] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->objectName() == QStringLiteral("FrmLogin") && w->isVisible())
                    return w;
            return static_cast<QWidget *>(nullptr);
        };
        QVERIFY(!login());
        QTRY_VERIFY_WITH_TIMEOUT(login() != nullptr, 4000);
        QTRY_VERIFY(splash.isNull());
        delete login();
    }

    void enterMovesToTheNextField()
    {
        QWidget w;
        auto *a = new QLineEdit(&w);
        auto *b = new QLineEdit(&w);
        auto *hidden = new QLineEdit(&w);
        auto *c = new QLineEdit(&w);
        auto *layout = new QVBoxLayout(&w);
        for (QWidget *x : {static_cast<QWidget *>(a), static_cast<QWidget *>(b), static_cast<QWidget *>(hidden),
                           static_cast<QWidget *>(c)})
            layout->addWidget(x);
        EnterToTab::install(&w, {a, b, c});
        w.show();
        hidden->hide();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        a->setFocus();
        QTest::keyClicks(a, QStringLiteral("x"));
        QTest::keyClick(a, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), b);
        QTest::keyClick(b, Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), c); // the hidden box is passed over
        QCOMPARE(a->text(), QStringLiteral("x"));
    }
};

QTEST_MAIN(TestLogin)
#include "test_login.moc"
