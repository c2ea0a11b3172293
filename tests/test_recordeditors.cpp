// The ten code-and-name editors, driven through their windows, and the
// record-editor pattern they share: checks in order, one save with its log
// entry, failures that keep the input and write nothing.
#include "EditorKit.h"

#include "core/FrmMain.h"
#include "platform/grid/TextGrid.h"
#include "platform/ui/Modal.h"
#include "platform/ui/Msg.h"

#include <QAction>
#include <QApplication>

namespace {

QString logTail(TestApp &app)
{
    const QStringList l = app.log();
    return l.isEmpty() ? QString() : l.last();
}

} // namespace

class TestRecordEditors : public QObject
{
    Q_OBJECT

    // Each editor as the operator sees it; written out here on purpose, so
    // a wrong table, column, box or noun in the program's table shows.
    static void editors()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("codeBox");
        QTest::addColumn<QString>("nameBox");
        QTest::addColumn<QString>("noun");
        QTest::addColumn<QString>("addFocus");    // opening focus when adding
        QTest::addColumn<QString>("modifyFocus"); // and when modifying
        QTest::addColumn<bool>("enterMovesOn");
        const auto row = [](int code, const char *window, const char *caption, const char *table, const char *noun,
                            const char *addFocus, const char *modifyFocus, bool enter) {
            const QString t = QString::fromLatin1(table);
            QTest::newRow(window) << code << QString::fromLatin1(window) << QString::fromUtf8(caption) << t
                                  << QStringLiteral("txt_%1ID").arg(t) << QStringLiteral("txt_%1Name").arg(t)
                                  << QString::fromUtf8(noun) << QString::fromLatin1(addFocus)
                                  << QString::fromLatin1(modifyFocus) << enter;
        };
        row(504, "FrmStorage", "库房信息", "Storage", "的库房信息", "txt_StorageID", "txt_StorageName", false);
        row(505, "FrmGoodsType", "商品类别", "ProductType", "的商品类别", "cmd_Cancel", "cmd_Cancel", false);
        row(506, "FrmCustomerType", "客户类别", "CustomerType", "的客户类别", "txt_CustomerTypeID",
            "txt_CustomerTypeName", false);
        row(507, "FrmSupplierType", "供应商类别", "SupplierType", "的供应商类别", "txt_SupplierTypeID",
            "txt_SupplierTypeName", false);
        row(508, "FrmPayMode", "支付方式", "PayMode", "的支付方式", "txt_PayModeID", "txt_PayModeName", false);
        row(509, "FrmBuyer", "采购员", "Buyer", "的采购员", "cmd_Add", "cmd_OK", true);
        row(510, "FrmSaler", "销售业务员", "Saler", "的销售业务员", "cmd_Add", "cmd_OK", false);
        row(511, "FrmAccepter", "验货人", "Accepter", "的验货人", "cmd_Add", "cmd_OK", true);
        row(512, "FrmReturner", "退货人", "Returner", "的退货人", "cmd_Add", "cmd_OK", false);
        row(513, "FrmChecker", "盘点人", "Checker", "的盘点人", "txt_CheckerID", "txt_CheckerName", false);
    }

    QString nameOf(TestApp &app, const QString &table, const QString &code)
    {
        return app.one(QStringLiteral("select %1Name from %1 where %1ID=?").arg(table), {code});
    }

private slots:
    void addsAndRefusesDuplicatesAndBlanks_data() { editors(); }
    void addsAndRefusesDuplicatesAndBlanks()
    {
        QFETCH(int, code);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QString, table);
        QFETCH(QString, codeBox);
        QFETCH(QString, nameBox);
        QFETCH(QString, noun);
        TestApp app;
        QVERIFY(app.ok());
        msg::Recorder box;
        auto dlg = openEditor(app, code);
        QVERIFY(dlg);
        QCOMPARE(dlg->objectName(), window);
        QCOMPARE(dlg->windowTitle(), caption);
        QWidget *codeEdit = dlg->findChild<QLineEdit *>(codeBox);
        QWidget *nameEdit = dlg->findChild<QLineEdit *>(nameBox);
        QVERIFY(codeEdit && nameEdit);
        for (QPushButton *b : dlg->findChildren<QPushButton *>())
            QVERIFY(!b->autoDefault() && !b->isDefault());

        // 新增 saves, logs and empties both boxes; the window stays open.
        typeInto(codeEdit, QStringLiteral(" A01 "));
        typeInto(nameEdit, QStringLiteral("  O'Neil 张三  "));
        press(dlg.get(), "cmd_Add");
        QCOMPARE(box.count(), 0);
        QCOMPARE(nameOf(app, table, QStringLiteral("A01")), QStringLiteral("O'Neil 张三"));
        QCOMPARE(logTail(app), QStringLiteral("添加编号为A01") + noun);
        QCOMPARE(textOf(dlg.get(), qPrintable(codeBox)), QString());
        QCOMPARE(textOf(dlg.get(), qPrintable(nameBox)), QString());
        QVERIFY(dlg->isVisible());

        // The same code again, in another letter case.
        const qint64 rows = app.count(table), logged = app.log().size();
        typeInto(codeEdit, QStringLiteral("a01"));
        typeInto(nameEdit, QStringLiteral("另一个"));
        nameEdit->setFocus();
        press(dlg.get(), "cmd_OK");
        QCOMPARE(box.lastText(), QStringLiteral("该编号已经存在！"));
        QCOMPARE(box.lastTitle(), QStringLiteral("错误"));
        QVERIFY(box.shown().last().icon == msg::Icon::Critical);
        QCOMPARE(dlg->focusWidget(), codeEdit);
        QCOMPARE(textOf(dlg.get(), qPrintable(nameBox)), QStringLiteral("另一个"));

        // Blanks count as empty; the duplicate test comes first.
        const QList<QPair<QString, QString>> blanks{{QStringLiteral("   "), QStringLiteral("名")},
                                                    {QStringLiteral("B02"), QStringLiteral("  ")},
                                                    {QString(), QString()}};
        for (const auto &b : blanks) {
            box.clear();
            typeInto(codeEdit, b.first);
            typeInto(nameEdit, b.second);
            press(dlg.get(), "cmd_OK");
            QCOMPARE(box.count(), 1);
            QCOMPARE(box.lastText(), QStringLiteral("请将数据填写完整！"));
            QCOMPARE(box.lastTitle(), QStringLiteral("错误"));
        }
        QCOMPARE(app.count(table), rows);
        QCOMPARE(app.log().size(), logged);
        QVERIFY(dlg->isVisible());

        // 确定 saves and closes.
        typeInto(codeEdit, QStringLiteral("B02"));
        typeInto(nameEdit, QStringLiteral("'; drop table Product; --"));
        press(dlg.get(), "cmd_OK");
        QVERIFY(!dlg->isVisible());
        QCOMPARE(dlg->result(), int(QDialog::Accepted));
        QCOMPARE(nameOf(app, table, QStringLiteral("B02")), QStringLiteral("'; drop table Product; --"));
        QCOMPARE(app.count(QStringLiteral("Product")), 0);
        QCOMPARE(logTail(app), QStringLiteral("添加编号为B02") + noun);
    }

    void modifiesTheNameOnly_data() { editors(); }
    void modifiesTheNameOnly()
    {
        QFETCH(int, code);
        QFETCH(QString, table);
        QFETCH(QString, codeBox);
        QFETCH(QString, nameBox);
        QFETCH(QString, noun);
        TestApp app;
        QVERIFY(app.ok());
        app.db().exec(QStringLiteral("insert into %1 values('K-1','旧名'),('K-2','别的')").arg(table));
        msg::Recorder box;
        auto dlg = openEditor(app, code, QStringLiteral(" k-1 "));
        QVERIFY(dlg && dlg->isVisible());
        auto *codeEdit = dlg->findChild<QLineEdit *>(codeBox);
        QCOMPARE(codeEdit->text(), QStringLiteral("K-1"));
        QVERIFY(!codeEdit->isEnabled());
        QVERIFY(child<QPushButton>(dlg.get(), "cmd_Add")->isHidden());
        QCOMPARE(textOf(dlg.get(), qPrintable(nameBox)), QStringLiteral("旧名"));

        typeInto(dlg.get(), qPrintable(nameBox), QStringLiteral("   "));
        press(dlg.get(), "cmd_OK");
        QCOMPARE(box.lastText(), QStringLiteral("请将数据填写完整！"));
        QCOMPARE(nameOf(app, table, QStringLiteral("K-1")), QStringLiteral("旧名"));

        typeInto(dlg.get(), qPrintable(nameBox), QStringLiteral(" 新名 "));
        press(dlg.get(), "cmd_OK");
        QVERIFY(!dlg->isVisible());
        QCOMPARE(app.rows(QStringLiteral("select * from %1 order by 1").arg(table)),
                 (QStringList{QStringLiteral("K-1|新名"), QStringLiteral("K-2|别的")}));
        QCOMPARE(app.log(), QStringList{QStringLiteral("修改编号为K-1") + noun});
    }

    void focusAndEnter_data() { editors(); }
    void focusAndEnter()
    {
        QFETCH(int, code);
        QFETCH(QString, table);
        QFETCH(QString, codeBox);
        QFETCH(QString, nameBox);
        QFETCH(QString, addFocus);
        QFETCH(QString, modifyFocus);
        QFETCH(bool, enterMovesOn);
        TestApp app;
        QVERIFY(app.ok());
        app.db().exec(QStringLiteral("insert into %1 values('K1','名')").arg(table));
        msg::Recorder box;
        {
            auto dlg = openEditor(app, code, QStringLiteral("K1"));
            QCOMPARE(dlg->focusWidget()->objectName(), modifyFocus);
        }
        auto dlg = openEditor(app, code);
        QCOMPARE(dlg->focusWidget()->objectName(), addFocus);

        // Enter presses no button: it moves on from a box (two editors) or
        // does nothing. Escape does nothing either.
        auto *codeEdit = dlg->findChild<QLineEdit *>(codeBox);
        auto *nameEdit = dlg->findChild<QLineEdit *>(nameBox);
        typeInto(codeEdit, QStringLiteral("E1"));
        typeInto(nameEdit, QStringLiteral("回车"));
        codeEdit->setFocus();
        QTest::keyClick(codeEdit, Qt::Key_Return);
        QCOMPARE(dlg->focusWidget()->objectName(), enterMovesOn ? QStringLiteral("cmd_Add") : codeBox);
        nameEdit->setFocus();
        QTest::keyClick(nameEdit, Qt::Key_Return);
        QCOMPARE(dlg->focusWidget()->objectName(), enterMovesOn ? codeBox : nameBox);
        QTest::keyClick(dlg->focusWidget(), Qt::Key_Escape);
        QVERIFY(dlg->isVisible());
        QCOMPARE(app.count(table), 1);
        QCOMPARE(box.count(), 0);
        // Enter on the focused 取消 presses it: it closes without saving or
        // asking.
        auto *cancel = dlg->findChild<QPushButton *>(QStringLiteral("cmd_Cancel"));
        cancel->setFocus();
        QTest::keyClick(cancel, Qt::Key_Return);
        QVERIFY(!dlg->isVisible());
        QCOMPARE(app.count(table), 1);
        QCOMPARE(app.log().size(), 0);
    }

    // Hiding "新增" in modify mode moves nothing: the OK and cancel buttons
    // and the window keep the places they have when adding.
    void buttonsKeepTheirPlacesWhenModifying_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("id");
        QTest::newRow("FrmAccepter") << 511 << "A1";
        QTest::newRow("FrmCustomer") << 502 << "C1";
        QTest::newRow("FrmGoods") << 501 << "G1";
        QTest::newRow("FrmOperator") << 602 << "Administrator";
    }
    void buttonsKeepTheirPlacesWhenModifying()
    {
        QFETCH(int, code);
        QFETCH(QString, id);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        const auto shape = [](QDialog *d) {
            return QList<QRect>{child<QPushButton>(d, "cmd_OK")->geometry(),
                                child<QPushButton>(d, "cmd_Cancel")->geometry(), d->rect()};
        };
        auto adding = openEditor(app, code);
        auto modifying = openEditor(app, code, id);
        QVERIFY(modifying->isVisible());
        QVERIFY(child<QPushButton>(modifying.get(), "cmd_Add")->isHidden());
        QCOMPARE(shape(modifying.get()), shape(adding.get()));
    }

    void aRecordThatIsGoneIsNotOpened()
    {
        TestApp app;
        QVERIFY(app.ok());
        msg::Recorder box;
        bool loaded = true;
        auto dlg = openEditor(app, 511, QStringLiteral("A9"), &loaded);
        QVERIFY(!loaded);
        QVERIFY(!dlg->isVisible());
        QCOMPARE(box.lastText(), QStringLiteral("该记录已不存在，无法修改！"));
        QCOMPARE(box.lastTitle(), QStringLiteral("错误"));
        QCOMPARE(app.count(QStringLiteral("Accepter")), 0);
    }

    void aModifyThatChangesNoRowIsReportedAndNotLogged()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        msg::Recorder box;
        auto dlg = openEditor(app, 511, QStringLiteral("A1"));
        app.db().exec(QStringLiteral("delete from Accepter"));
        typeInto(dlg.get(), "txt_AccepterName", QStringLiteral("改名"));
        press(dlg.get(), "cmd_OK");
        QCOMPARE(box.lastText(), QStringLiteral("该记录已不存在，无法修改！"));
        QVERIFY(dlg->isVisible());
        QCOMPARE(app.count(QStringLiteral("Accepter")), 0);
        QCOMPARE(app.log().size(), 0);
    }

    void aFailedSaveKeepsTheInputAndLogsNothing_data()
    {
        QTest::addColumn<QString>("breakIt");
        QTest::addColumn<QString>("reason"); // part of the database's text
        QTest::newRow("insert refused") << "create trigger NoAdd before insert on Accepter "
                                           "begin select raise(abort,'不许添加'); end"
                                        << "不许添加";
        QTest::newRow("log missing") << "alter table OperatorLog rename to OldLog"
                                     << "OperatorLog";
    }
    void aFailedSaveKeepsTheInputAndLogsNothing()
    {
        QFETCH(QString, breakIt);
        QFETCH(QString, reason);
        TestApp app;
        QVERIFY(app.ok());
        msg::Recorder box;
        auto dlg = openEditor(app, 511);
        app.db().exec(breakIt);
        typeInto(dlg.get(), "txt_AccepterID", QStringLiteral("A01"));
        typeInto(dlg.get(), "txt_AccepterName", QStringLiteral("验货员"));
        press(dlg.get(), "cmd_OK");
        QCOMPARE(box.count(), 1);
        QCOMPARE(box.lastTitle(), QStringLiteral("错误"));
        QVERIFY(box.shown().last().icon == msg::Icon::Critical);
        QVERIFY2(box.lastText().contains(reason), qPrintable(box.lastText()));
        QVERIFY(dlg->isVisible());
        QCOMPARE(textOf(dlg.get(), "txt_AccepterID"), QStringLiteral("A01"));
        QCOMPARE(textOf(dlg.get(), "txt_AccepterName"), QStringLiteral("验货员"));
        // Neither the record nor a log entry: the two are one save.
        QCOMPARE(app.count(QStringLiteral("Accepter")), 0);
        const QString logTable = breakIt.contains(QStringLiteral("OldLog")) ? QStringLiteral("OldLog")
                                                                            : QStringLiteral("OperatorLog");
        QCOMPARE(app.count(logTable), 0);
        QCOMPARE(app.db().transactionDepth(), 0);
    }

    void opensFromTheMainWindowsList()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        msg::Recorder box;
        modal::Script script;
        script.then([](QDialog *d) {
            QCOMPARE(d->objectName(), QStringLiteral("FrmAccepter"));
            typeInto(d, "txt_AccepterID", QStringLiteral("A2"));
            typeInto(d, "txt_AccepterName", QStringLiteral("验货二"));
            press(d, "cmd_OK");
        });
        script.then([](QDialog *d) {
            QCOMPARE(textOf(d, "txt_AccepterID"), QStringLiteral("A2"));
            typeInto(d, "txt_AccepterName", QStringLiteral("验货贰"));
            press(d, "cmd_OK");
        });
        FrmMain w(app.state());
        w.navigate(511);
        w.findChild<QAction *>(QStringLiteral("E_Add"))->trigger();
        TextGrid *g = w.grid();
        QCOMPARE(g->rows(), 3);
        QCOMPARE(g->textMatrix(2, 1), QStringLiteral("A2"));
        g->setRow(2);
        w.findChild<QAction *>(QStringLiteral("E_Modify"))->trigger();
        QCOMPARE(script.shownCount(), 2);
        QCOMPARE(w.grid()->textMatrix(2, 2), QStringLiteral("验货贰"));
        QCOMPARE(app.log(), (QStringList{QStringLiteral("添加编号为A2的验货人"), QStringLiteral("修改编号为A2的验货人")}));

        // A row deleted elsewhere since the list was shown is not opened.
        app.db().exec(QStringLiteral("delete from Accepter where AccepterID='A2'"));
        w.grid()->setRow(2);
        w.findChild<QAction *>(QStringLiteral("E_Modify"))->trigger();
        QCOMPARE(script.shownCount(), 2);
        QCOMPARE(box.lastText(), QStringLiteral("该记录已不存在，无法修改！"));
        QCOMPARE(w.grid()->rows(), 2);
    }
};

QTEST_MAIN(TestRecordEditors)
#include "test_recordeditors.moc"
