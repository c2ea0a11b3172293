// Operator accounts and the password change: what is saved, what sign-in
// then accepts, and what is refused.
#include "EditorKit.h"

#include "core/FrmMain.h"
#include "core/Login.h"
#include "platform/ui/Modal.h"
#include "platform/ui/Msg.h"

#include <QAction>
#include <QCheckBox>

class TestOperators : public QObject
{
    Q_OBJECT

    static QString account(TestApp &app, const QString &id)
    {
        return app.one(QStringLiteral("select OperatorID,OperatorName,UserPassword,Flage from Operator where OperatorID=?"),
                       {id});
    }
    static LoginOutcome::Result signIn(TestApp &app, const QString &id, const QString &password)
    {
        return checkLogin(app.db(), id, password).result;
    }

private slots:
    void addsAccountsThatCanSignIn()
    {
        TestApp app;
        QVERIFY(app.ok());
        msg::Recorder box;
        auto dlg = openEditor(app, 602);
        QCOMPARE(dlg->objectName(), QStringLiteral("FrmOperator"));
        QCOMPARE(dlg->windowTitle(), QStringLiteral("用户管理"));
        QCOMPARE(dlg->focusWidget()->objectName(), QStringLiteral("txt_OperatorID"));
        QCOMPARE(child<QLineEdit>(dlg.get(), "txt_Password")->echoMode(), QLineEdit::Password);
        QCOMPARE(child<QLineEdit>(dlg.get(), "txt_ConfirmPassword")->echoMode(), QLineEdit::Password);
        child<QLineEdit>(dlg.get(), "txt_ConfirmPassword")->setText(QStringLiteral("x1"));
        QCOMPARE(child<QLineEdit>(dlg.get(), "txt_ConfirmPassword")->displayText(), QStringLiteral("**"));
        child<QLineEdit>(dlg.get(), "txt_ConfirmPassword")->clear();
        typeInto(dlg.get(), "txt_OperatorID", QStringLiteral(" O'Hara "));
        typeInto(dlg.get(), "txt_OperatorName", QStringLiteral("\"老王\"'"));
        typeInto(dlg.get(), "txt_Password", QStringLiteral("p'w \""));
        typeInto(dlg.get(), "txt_ConfirmPassword", QStringLiteral("p'w \""));
        press(dlg.get(), "cmd_Add");
        QCOMPARE(box.count(), 0);
        QCOMPARE(account(app, QStringLiteral("O'Hara")), QStringLiteral("O'Hara|\"老王\"'|p'w \"|否"));
        QCOMPARE(app.log().last(), QStringLiteral("添加登录名为O'Hara的操作员"));
        QCOMPARE(signIn(app, QStringLiteral("o'hara"), QStringLiteral("p'w \"")), LoginOutcome::Ok);

        // 新增 empties the login and full name only.
        QCOMPARE(textOf(dlg.get(), "txt_OperatorID"), QString());
        QCOMPARE(textOf(dlg.get(), "txt_OperatorName"), QString());
        QCOMPARE(textOf(dlg.get(), "txt_Password"), QStringLiteral("p'w \""));
        QCOMPARE(textOf(dlg.get(), "txt_ConfirmPassword"), QStringLiteral("p'w \""));

        // A disabled account, with an empty password.
        typeInto(dlg.get(), "txt_OperatorID", QStringLiteral("clerk"));
        typeInto(dlg.get(), "txt_OperatorName", QStringLiteral("张三"));
        typeInto(dlg.get(), "txt_Password", QString());
        typeInto(dlg.get(), "txt_ConfirmPassword", QString());
        child<QCheckBox>(dlg.get(), "chk_Stop")->setChecked(true);
        press(dlg.get(), "cmd_OK");
        QVERIFY(!dlg->isVisible());
        QCOMPARE(account(app, QStringLiteral("clerk")), QStringLiteral("clerk|张三||是"));
        QCOMPARE(signIn(app, QStringLiteral("clerk"), QString()), LoginOutcome::Disabled);
    }

    void refusesWhatCannotBeSaved_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<QString>("message");
        QTest::newRow("login taken, other case") << "administrator" << "" << "" << "" << "该编号已经存在！";
        QTest::newRow("no full name") << "clerk" << "  " << "pw" << "pw" << "请将数据填写完整！";
        QTest::newRow("no login") << "" << "张三" << "" << "" << "请将数据填写完整！";
        QTest::newRow("confirmation differs") << "clerk" << "张三" << "pw" << "pW" << "密码与确认密码不一致！";
    }
    void refusesWhatCannotBeSaved()
    {
        QFETCH(QString, login);
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, confirm);
        QFETCH(QString, message);
        TestApp app;
        QVERIFY(app.ok());
        msg::Recorder box;
        auto dlg = openEditor(app, 602);
        typeInto(dlg.get(), "txt_OperatorID", login);
        typeInto(dlg.get(), "txt_OperatorName", name);
        typeInto(dlg.get(), "txt_Password", password);
        typeInto(dlg.get(), "txt_ConfirmPassword", confirm);
        press(dlg.get(), "cmd_OK");
        QCOMPARE(box.count(), 1);
        QCOMPARE(box.lastText(), message);
        QCOMPARE(box.lastTitle(), QStringLiteral("错误"));
        QVERIFY(dlg->isVisible());
        QCOMPARE(app.count(QStringLiteral("Operator")), 1);
        QCOMPARE(app.log().size(), 0);
    }

    void modifyChangesPasswordAndFlagOnly()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.db().exec(QStringLiteral("insert into Operator values('clerk','张三','old',1)"));
        msg::Recorder box;
        auto dlg = openEditor(app, 602, QStringLiteral("CLERK"));
        QVERIFY(dlg && dlg->isVisible());
        QCOMPARE(textOf(dlg.get(), "txt_OperatorName"), QStringLiteral("张三"));
        QCOMPARE(textOf(dlg.get(), "txt_Password"), QStringLiteral("old"));
        QCOMPARE(textOf(dlg.get(), "txt_ConfirmPassword"), QStringLiteral("old"));
        QVERIFY(child<QCheckBox>(dlg.get(), "chk_Stop")->isChecked());
        QVERIFY(!child<QLineEdit>(dlg.get(), "txt_OperatorID")->isEnabled());
        QVERIFY(!child<QLineEdit>(dlg.get(), "txt_OperatorName")->isEnabled());
        QVERIFY(child<QPushButton>(dlg.get(), "cmd_Add")->isHidden());
        QCOMPARE(dlg->focusWidget()->objectName(), QStringLiteral("txt_Password"));
        child<QLineEdit>(dlg.get(), "txt_OperatorName")->setText(QStringLiteral("不会保存"));
        typeInto(dlg.get(), "txt_Password", QStringLiteral(" new "));
        typeInto(dlg.get(), "txt_ConfirmPassword", QStringLiteral(" new "));
        child<QCheckBox>(dlg.get(), "chk_Stop")->setChecked(false);
        press(dlg.get(), "cmd_OK");
        QCOMPARE(box.count(), 0);
        QCOMPARE(account(app, QStringLiteral("clerk")), QStringLiteral("clerk|张三|new|否"));
        QCOMPARE(app.log(), QStringList{QStringLiteral("修改登录名为clerk的操作员")});
        QCOMPARE(signIn(app, QStringLiteral("clerk"), QStringLiteral("new")), LoginOutcome::Ok);
    }

    void onlyTheAdministratorOpensTheEditor()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.db().exec(QStringLiteral("insert into Operator values('clerk','张三','pw',0)"));
        msg::Recorder box;
        modal::Script script;
        script.then([](QDialog *d) { QCOMPARE(d->objectName(), QStringLiteral("FrmOperator")); });
        FrmMain w(app.state());
        w.navigate(602);
        w.findChild<QAction *>(QStringLiteral("E_Add"))->trigger();
        QCOMPARE(script.shownCount(), 1);
        app.state().currentOperatorID = QStringLiteral("clerk");
        w.navigate(602);
        QVERIFY(!w.findChild<QAction *>(QStringLiteral("E_Add"))->isEnabled());
        QVERIFY(!w.findChild<QAction *>(QStringLiteral("E_Modify"))->isEnabled());
    }

    void changingThePassword_data()
    {
        QTest::addColumn<QString>("oldPassword");
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<QString>("message"); // empty: changed, silently
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("stored");
        QTest::newRow("changed, stored trimmed") << "Secret" << " new " << " new " << "" << "cmd_OK" << "new";
        QTest::newRow("same again") << "Secret" << "Secret" << "Secret" << "" << "cmd_OK" << "Secret";
        QTest::newRow("old in other case") << "secret" << "x" << "x" << "旧密码错误！" << "txt_OldPassword" << "Secret";
        QTest::newRow("old with blanks") << " Secret" << "x" << "x" << "旧密码错误！" << "txt_OldPassword" << "Secret";
        QTest::newRow("mismatch") << "Secret" << "x" << "x " << "新密码与确认密码不一致！" << "txt_NewPassword"
                                  << "Secret";
    }
    void changingThePassword()
    {
        QFETCH(QString, oldPassword);
        QFETCH(QString, newPassword);
        QFETCH(QString, confirm);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(QString, stored);
        TestApp app;
        QVERIFY(app.ok());
        app.db().exec(QStringLiteral("insert into Operator values('clerk','张三','Secret',0)"));
        app.state().currentOperatorID = QStringLiteral("clerk");
        msg::Recorder box;
        modal::Script script;
        script.then([&](QDialog *d) {
            QCOMPARE(d->objectName(), QStringLiteral("FrmChangePassword"));
            QCOMPARE(d->windowTitle(), QStringLiteral("更改密码"));
            QCOMPARE(d->focusWidget()->objectName(), QStringLiteral("cmd_OK"));
            QVERIFY(child<QPushButton>(d, "cmd_OK")->isDefault());
            typeInto(d, "txt_OldPassword", oldPassword);
            typeInto(d, "txt_NewPassword", newPassword);
            typeInto(d, "txt_ConfirmPassword", confirm);
            press(d, "cmd_OK");
            QVERIFY(d->isVisible());
            QCOMPARE(d->focusWidget()->objectName(), focus);
            QCOMPARE(textOf(d, "txt_NewPassword"), newPassword);
            // Escape closes.
            QTest::keyClick(child<QLineEdit>(d, "txt_ConfirmPassword"), Qt::Key_Escape);
            QVERIFY(!d->isVisible());
        });
        FrmMain w(app.state());
        box.clear();
        w.findChild<QAction *>(QStringLiteral("F_ChangePassword"))->trigger();
        QCOMPARE(script.shownCount(), 1);
        QCOMPARE(app.one(QStringLiteral("select UserPassword from Operator where OperatorID='clerk'")), stored);
        if (message.isEmpty()) {
            QCOMPARE(box.count(), 0);
        } else {
            QCOMPARE(box.count(), 1);
            QCOMPARE(box.lastText(), message);
            QCOMPARE(box.lastTitle(), QStringLiteral("错误"));
        }
        QCOMPARE(app.log().size(), 0);
        QCOMPARE(app.state().currentOperatorID, QStringLiteral("clerk"));
    }

    void enterInABoxPressesConfirm()
    {
        TestApp app;
        QVERIFY(app.ok());
        msg::Recorder box;
        modal::Script script;
        script.then([](QDialog *d) {
            typeInto(d, "txt_OldPassword", QStringLiteral("admin"));
            typeInto(d, "txt_NewPassword", QStringLiteral("neu"));
            typeInto(d, "txt_ConfirmPassword", QStringLiteral("neu"));
            QTest::keyClick(child<QLineEdit>(d, "txt_ConfirmPassword"), Qt::Key_Return);
            QVERIFY(d->isVisible());
            // Enter on "关闭" closes.
            QTest::keyClick(child<QPushButton>(d, "cmd_Close"), Qt::Key_Return);
            QVERIFY(!d->isVisible());
        });
        FrmMain w(app.state());
        box.clear();
        w.findChild<QAction *>(QStringLiteral("F_ChangePassword"))->trigger();
        QCOMPARE(box.count(), 0);
        QCOMPARE(signIn(app, QStringLiteral("Administrator"), QStringLiteral("neu")), LoginOutcome::Ok);
    }

    void aFailedPasswordChangeIsReported()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.db().exec(QStringLiteral("create trigger NoChange before update on Operator "
                                     "begin select raise(abort,'只读'); end"));
        msg::Recorder box;
        modal::Script script;
        script.then([](QDialog *d) {
            typeInto(d, "txt_OldPassword", QStringLiteral("admin"));
            typeInto(d, "txt_NewPassword", QStringLiteral("neu"));
            typeInto(d, "txt_ConfirmPassword", QStringLiteral("neu"));
            press(d, "cmd_OK");
            QVERIFY(d->isVisible());
            QCOMPARE(textOf(d, "txt_NewPassword"), QStringLiteral("neu"));
        });
        FrmMain w(app.state());
        box.clear();
        w.findChild<QAction *>(QStringLiteral("F_ChangePassword"))->trigger();
        QCOMPARE(box.count(), 1);
        QCOMPARE(box.lastTitle(), QStringLiteral("错误"));
        QVERIFY(box.lastText().contains(QStringLiteral("只读")));
        QCOMPARE(signIn(app, QStringLiteral("Administrator"), QStringLiteral("admin")), LoginOutcome::Ok);
    }

    void anEmptyOldPasswordMatchesOnlyAnEmptyOne()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.db().exec(QStringLiteral("insert into Operator values('nopw','无密码','',0)"));
        msg::Recorder box;
        modal::Script script;
        for (int i = 0; i < 2; ++i) {
            script.then([](QDialog *d) {
                typeInto(d, "txt_NewPassword", QStringLiteral("abc"));
                typeInto(d, "txt_ConfirmPassword", QStringLiteral("abc"));
                press(d, "cmd_OK");
            });
        }
        FrmMain w(app.state());
        box.clear();
        w.findChild<QAction *>(QStringLiteral("F_ChangePassword"))->trigger(); // Administrator has one
        QCOMPARE(box.lastText(), QStringLiteral("旧密码错误！"));
        app.state().currentOperatorID = QStringLiteral("nopw");
        box.clear();
        w.findChild<QAction *>(QStringLiteral("F_ChangePassword"))->trigger();
        QCOMPARE(box.count(), 0);
        QCOMPARE(signIn(app, QStringLiteral("nopw"), QStringLiteral("abc")), LoginOutcome::Ok);
        QCOMPARE(signIn(app, QStringLiteral("Administrator"), QStringLiteral("admin")), LoginOutcome::Ok);
    }
};

QTEST_MAIN(TestOperators)
#include "test_operators.moc"
