// The customer and supplier editors: fourteen texts round-trip exactly, the
// category must be one of its table, the tick box carries values over.
#include "EditorKit.h"

#include "platform/ui/Msg.h"

#include <QCheckBox>

class TestPartnerEditors : public QObject
{
    Q_OBJECT

    static void partners()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("category"); // an existing category code
        QTest::addColumn<QString>("noun");
        QTest::addColumn<QString>("field"); // how the category is named in messages
        QTest::newRow("customer") << 502 << "Customer" << "CT1" << "的客户资料" << "客户类别";
        QTest::newRow("supplier") << 503 << "Supplier" << "ST1" << "的供应商资料" << "供应商类别";
    }

    static QStringList boxes(const QString &table)
    {
        return {QStringLiteral("txt_%1ID").arg(table), QStringLiteral("txt_%1Name").arg(table),
                "txt_Tel", "txt_Address", "txt_PostalCode", "txt_TaxCode", "txt_Account", "txt_Bank",
                "txt_LinkMan", "txt_LinkManJob", "txt_Fax", "txt_Email", "txt_Remark"};
    }
    // The row as stored, in the order of boxes(), then TypeID.
    static QString stored(TestApp &app, const QString &table, const QString &key)
    {
        return app.one(QStringLiteral("select %1ID,%1Name,Tel,Address,PostalCode,TaxCode,Account,Bank,LinkMan,"
                                      "LinkManJob,Fax,Email,Remark,TypeID from %1 where %1ID=?")
                           .arg(table),
                       {key});
    }
    static QString combo(const QString &table) { return QStringLiteral("cmb_%1Type").arg(table); }

private slots:
    void everyTextRoundTrips_data() { partners(); }
    void everyTextRoundTrips()
    {
        QFETCH(int, code);
        QFETCH(QString, table);
        QFETCH(QString, category);
        QFETCH(QString, noun);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        msg::Recorder box;
        auto dlg = openEditor(app, code);
        QCOMPARE(dlg->focusWidget()->objectName(), QStringLiteral("txt_%1ID").arg(table));
        QStringList values;
        int i = 0;
        for (const QString &b : boxes(table)) {
            const QString v = i == 0 ? QStringLiteral("O'K-1")
                                     : QStringLiteral("'; drop table Product; -- 第%1项 \"引号\"").arg(i);
            typeInto(dlg.get(), qPrintable(b), QStringLiteral("  ") + v + QStringLiteral(" "));
            values << v;
            ++i;
        }
        choose(dlg.get(), qPrintable(combo(table)), category);
        press(dlg.get(), "cmd_OK");
        QCOMPARE(box.count(), 0);
        QVERIFY(!dlg->isVisible());
        QCOMPARE(stored(app, table, QStringLiteral("O'K-1")), values.join(QLatin1Char('|')) + QLatin1Char('|') + category);
        QCOMPARE(app.count(QStringLiteral("Product")), 3);
        QCOMPARE(app.log(), QStringList{QStringLiteral("添加编号为O'K-1") + noun});

        // Read back into the window exactly; the key is fixed, 新增 and the
        // tick box are gone, the focus is in the category.
        auto again = openEditor(app, code, QStringLiteral("O'K-1"));
        QVERIFY(again && again->isVisible());
        i = 0;
        for (const QString &b : boxes(table))
            QCOMPARE(textOf(again.get(), qPrintable(b)), values[i++]);
        QVERIFY(textOf(again.get(), qPrintable(combo(table))).startsWith(category + QLatin1Char('-')));
        QVERIFY(!again->findChild<QLineEdit *>(boxes(table).first())->isEnabled());
        QVERIFY(child<QPushButton>(again.get(), "cmd_Add")->isHidden());
        QVERIFY(child<QCheckBox>(again.get(), "Check1")->isHidden());
        QCOMPARE(again->focusWidget()->objectName(), combo(table));
        // A box entered shows its text selected from the start.
        QCOMPARE(child<QComboBox>(again.get(), qPrintable(combo(table)))->lineEdit()->cursorPosition(), 0);
        again->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(again.get()));
        QTest::keyClick(again->focusWidget(), Qt::Key_Tab);
        auto *name = qobject_cast<QLineEdit *>(again->focusWidget());
        QVERIFY(name && name->objectName() == QStringLiteral("txt_%1Name").arg(table));
        QCOMPARE(name->selectedText(), name->text());
        QCOMPARE(name->cursorPosition(), 0);
        typeInto(again.get(), "txt_Tel", QStringLiteral("021-1234"));
        press(again.get(), "cmd_OK");
        QVERIFY(stored(app, table, QStringLiteral("O'K-1")).contains(QStringLiteral("|021-1234|")));
        QCOMPARE(app.log().last(), QStringLiteral("修改编号为O'K-1") + noun);
    }

    void theCategoryMustExist_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("typed"); // typed into the combo, or "pick:<code>"; steps joined by "|"
        QTest::addColumn<QString>("saved"); // the TypeID stored, or empty when refused
        QTest::addColumn<QString>("message");
        const QString unknownC = QStringLiteral("客户类别不存在，请从列表中选择！");
        const QString unknownS = QStringLiteral("供应商类别不存在，请从列表中选择！");
        QTest::newRow("customer, picked code with a dash") << 502 << "Customer" << "pick:W-1" << "W-1" << "";
        QTest::newRow("customer, typed like an item") << 502 << "Customer" << "W-1-批发" << "W-1" << "";
        QTest::newRow("customer, code with a dash typed") << 502 << "Customer" << "w-1" << "W-1" << "";
        QTest::newRow("customer, code over a shorter one") << 502 << "Customer" << "01-01" << "01-01" << "";
        QTest::newRow("customer, code and its name") << 502 << "Customer" << "01-甲类" << "01" << "";
        QTest::newRow("customer, typed code, other case") << 502 << "Customer" << "ct1" << "CT1" << "";
        QTest::newRow("customer, code and any name") << 502 << "Customer" << "CT1-随便" << "CT1" << "";
        QTest::newRow("customer, unknown") << 502 << "Customer" << "ZZ-不存在" << "" << unknownC;
        QTest::newRow("customer, name only") << 502 << "Customer" << "零售" << "" << unknownC;
        QTest::newRow("customer, blank") << 502 << "Customer" << "   " << "" << "请将数据填写完整！";
        QTest::newRow("customer, S-1 typed, S named 1 shown so") << 502 << "Customer" << "S-1" << "S-1" << "";
        QTest::newRow("customer, S chosen, then S-1 typed") << 502 << "Customer" << "pick:S|S-1" << "S-1" << "";
        QTest::newRow("customer, S chosen") << 502 << "Customer" << "pick:S" << "S" << "";
        QTest::newRow("customer, ä is not Ä") << 502 << "Customer" << "ä" << "ä" << "";
        QTest::newRow("customer, ａ is not Ａ") << 502 << "Customer" << "ａ" << "" << unknownC;
        QTest::newRow("supplier, picked") << 503 << "Supplier" << "pick:ST1" << "ST1" << "";
        QTest::newRow("supplier, unknown") << 503 << "Supplier" << "-厂家" << "" << unknownS;
    }
    void theCategoryMustExist()
    {
        QFETCH(int, code);
        QFETCH(QString, table);
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        QFETCH(QString, message);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.db().exec(QStringLiteral("insert into %1Type values('W-1','批发'),('01','甲类'),('01-01','乙类'),"
                                     "('Ä','大'),('ä','小'),('Ａ','全角'),('S','1'),('S-1','另一')").arg(table));
        msg::Recorder box;
        auto dlg = openEditor(app, code);
        QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
        typeInto(dlg.get(), qPrintable(QStringLiteral("txt_%1ID").arg(table)), QStringLiteral("N1"));
        typeInto(dlg.get(), qPrintable(QStringLiteral("txt_%1Name").arg(table)), QStringLiteral("新伙伴"));
        auto *list = child<QComboBox>(dlg.get(), qPrintable(combo(table)));
        list->setFocus();
        for (const QString &step : typed.split(QLatin1Char('|'))) {
            if (step.startsWith(QStringLiteral("pick:")))
                choose(dlg.get(), qPrintable(combo(table)), step.mid(5));
            else
                typeInto(list, step);
        }
        QTest::keyClick(list, Qt::Key_Tab); // the clerk leaves the box
        QVERIFY(!list->hasFocus());
        press(dlg.get(), "cmd_OK");
        const QString got = app.one(QStringLiteral("select TypeID from %1 where %1ID='N1'").arg(table));
        QCOMPARE(got, saved);
        if (message.isEmpty()) {
            QCOMPARE(box.count(), 0);
        } else {
            QCOMPARE(box.lastText(), message);
            QCOMPARE(box.lastTitle(), QStringLiteral("错误"));
            QVERIFY(dlg->isVisible());
            QCOMPARE(app.log().size(), 0);
        }
    }

    void theTickBoxCarriesEverythingOver_data() { partners(); }
    void theTickBoxCarriesEverythingOver()
    {
        QFETCH(int, code);
        QFETCH(QString, table);
        QFETCH(QString, category);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        msg::Recorder box;
        auto dlg = openEditor(app, code);
        const QStringList b = boxes(table);
        typeInto(dlg.get(), qPrintable(b[0]), QStringLiteral("N1"));
        typeInto(dlg.get(), qPrintable(b[1]), QStringLiteral("甲"));
        typeInto(dlg.get(), "txt_Bank", QStringLiteral("工商银行"));
        choose(dlg.get(), qPrintable(combo(table)), category);
        auto *tick = child<QCheckBox>(dlg.get(), "Check1");
        QTest::mouseClick(tick, Qt::LeftButton, {}, QPoint(5, tick->height() / 2));
        QVERIFY(tick->isChecked());
        press(dlg.get(), "cmd_Add");
        QCOMPARE(app.count(table), 2);
        QCOMPARE(textOf(dlg.get(), qPrintable(b[0])), QStringLiteral("N1"));
        QCOMPARE(textOf(dlg.get(), "txt_Bank"), QStringLiteral("工商银行"));
        press(dlg.get(), "cmd_Add");
        QCOMPARE(box.lastText(), QStringLiteral("该编号已经存在！"));

        // Unticked: every input is emptied, the combo keeps its items.
        tick->setChecked(false);
        typeInto(dlg.get(), qPrintable(b[0]), QStringLiteral("N2"));
        press(dlg.get(), "cmd_Add");
        QCOMPARE(app.count(table), 3);
        for (const QString &name : b)
            QCOMPARE(textOf(dlg.get(), qPrintable(name)), QString());
        QCOMPARE(textOf(dlg.get(), qPrintable(combo(table))), QString());
        QCOMPARE(child<QComboBox>(dlg.get(), qPrintable(combo(table)))->count(), 1);
        QVERIFY(dlg->isVisible());
    }

    void aPartnerWhoseCategoryIsGoneCanBeMended()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.db().exec(QStringLiteral("insert into Customer(CustomerID,CustomerName,TypeID) values('C9','孤儿','XX')"));
        msg::Recorder box;
        auto dlg = openEditor(app, 502, QStringLiteral("C9"));
        QVERIFY(dlg && dlg->isVisible());
        QCOMPARE(textOf(dlg.get(), "cmb_CustomerType"), QStringLiteral("XX"));
        press(dlg.get(), "cmd_OK");
        QCOMPARE(box.lastText(), QStringLiteral("客户类别不存在，请从列表中选择！"));
        choose(dlg.get(), "cmb_CustomerType", QStringLiteral("CT1"));
        press(dlg.get(), "cmd_OK");
        QCOMPARE(app.one(QStringLiteral("select TypeID from Customer where CustomerID='C9'")), QStringLiteral("CT1"));
    }
};

QTEST_MAIN(TestPartnerEditors)
#include "test_partnereditors.moc"
