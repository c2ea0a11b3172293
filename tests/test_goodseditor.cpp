// The goods editor: exact texts, numbers that must be numbers, category and
// storage from their tables, the stock quantity never touched, and the
// Enter walk through the boxes.
#include "EditorKit.h"

#include "masterdata/FieldInput.h"
#include "platform/ui/Msg.h"

#include <QCheckBox>

namespace {

// Fills every input of an add-mode goods editor.
void fillGoods(QDialog *d, const QString &code)
{
    typeInto(d, "txt_GoodsID", code);
    typeInto(d, "txt_GoodsName", QStringLiteral("O'Brien 扳手 '; drop table Product; --"));
    typeInto(d, "txt_Home", QStringLiteral("上海"));
    typeInto(d, "txt_Unit", QStringLiteral("把"));
    typeInto(d, "txt_Model", QStringLiteral("12\""));
    typeInto(d, "txt_MinStorage", QStringLiteral(" 2.5 "));
    typeInto(d, "txt_BuyUnitPrice", QStringLiteral("12.50"));
    typeInto(d, "txt_SaleUnitPrice", QStringLiteral("-3"));
    typeInto(d, "txt_Remark", QStringLiteral("备注'"));
    choose(d, "cmb_ProductType", QStringLiteral("T1"));
    choose(d, "cmb_Storage", QStringLiteral("2"));
}

QString goods(TestApp &app, const QString &code)
{
    return app.one(QStringLiteral("select GoodsID,GoodsName,Unit,Model,Home,ProductTypeID,BuyUnitPrice,SaleUnitPrice,"
                                  "MinStorage,StorageID,Remark,NowStorage from Product where GoodsID=?"),
                   {code});
}

} // namespace

class TestGoodsEditor : public QObject
{
    Q_OBJECT

private slots:
    void plainNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("result");
        QTest::addColumn<double>("value");
        const int ok = int(NumberInput::Ok), bad = int(NumberInput::NotANumber), big = int(NumberInput::OutOfRange);
        QTest::newRow("whole") << "10" << ok << 10.0;
        QTest::newRow("blanks around") << "  2.5 " << ok << 2.5;
        QTest::newRow("sign") << "-3" << ok << -3.0;
        QTest::newRow("point first") << ".5" << ok << 0.5;
        QTest::newRow("exponent") << "1E3" << bad << 0.0;
        QTest::newRow("empty") << "" << bad << 0.0;
        QTest::newRow("letters") << "abc" << bad << 0.0;
        QTest::newRow("trailing letter") << "5x" << bad << 0.0;
        QTest::newRow("comma") << "1,2" << bad << 0.0;
        QTest::newRow("blank inside") << "1 2" << bad << 0.0;
        QTest::newRow("currency") << "12.50元" << bad << 0.0;
        QTest::newRow("full-width digits") << "１２" << bad << 0.0;
        QTest::newRow("hex") << "&H10" << bad << 0.0;
        QTest::newRow("injection") << "0,Remark='x'" << bad << 0.0;
        QTest::newRow("infinity word") << "inf" << bad << 0.0;
        QTest::newRow("overflow") << "1e400" << bad << 0.0;
        QTest::newRow("fifteen digits") << "12345678901234.5" << ok << 12345678901234.5;
        QTest::newRow("twenty digits") << "99999999999999999999" << big << 0.0;
        QTest::newRow("from 10^15 on") << "3000000000000000" << big << 0.0;
        QTest::newRow("10^308 written out") << QStringLiteral("1") + QString(308, QLatin1Char('0')) << big << 0.0;
        QTest::newRow("shown below 0.0001") << "0.00005" << ok << 0.00005;
        QTest::newRow("sixteen between zeros") << "0.00012345678901234560" << big << 0.0;
        QTest::newRow("six decimals, zeros after") << "2.0000050" << ok << 2.000005;
        QTest::newRow("seventh decimal") << "1.0000004" << big << 0.0;
        QTest::newRow("below a millionth") << "0.0000001" << big << 0.0;
        QTest::newRow("400 digits, tiny") << QStringLiteral("0.") + QString(398, QLatin1Char('0')) + "1" << big << 0.0;
    }
    void plainNumbers()
    {
        QFETCH(QString, text);
        QFETCH(int, result);
        QFETCH(double, value);
        double v = 0;
        QCOMPARE(int(readPlainNumber(text, &v)), result);
        if (result == int(NumberInput::Ok))
            QCOMPARE(v, value);
    }

    void addsAndModifiesWithoutTouchingTheStock()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        msg::Recorder box;
        auto dlg = openEditor(app, 501);
        QCOMPARE(dlg->objectName(), QStringLiteral("FrmGoods"));
        QCOMPARE(dlg->windowTitle(), QStringLiteral("商品属性"));
        QCOMPARE(child<QPushButton>(dlg.get(), "cmd_OK")->text(), QStringLiteral("确认"));
        QCOMPARE(dlg->focusWidget()->objectName(), QStringLiteral("txt_GoodsID"));
        for (const char *name : {"cmb_ProductType", "cmb_Storage"}) {
            auto *c = child<QComboBox>(dlg.get(), name);
            QVERIFY(c->isEditable() && !c->completer());
            QCOMPARE(c->insertPolicy(), QComboBox::NoInsert);
        }
        QCOMPARE(child<QComboBox>(dlg.get(), "cmb_Storage")->itemText(1), QStringLiteral("2-副仓库"));
        fillGoods(dlg.get(), QStringLiteral("X'1"));
        press(dlg.get(), "cmd_OK");
        QCOMPARE(box.count(), 0);
        const QString added = QStringLiteral("X'1|O'Brien 扳手 '; drop table Product; --|把|12\"|上海|T1|12.5|-3|2.5|2|备注'|0");
        QCOMPARE(goods(app, QStringLiteral("X'1")), added);
        QCOMPARE(app.count(QStringLiteral("Product")), 4);
        QCOMPARE(app.log(), QStringList{QStringLiteral("添加编号为X'1的商品资料")});

        // Modify: the stock stays what the bills made it.
        app.db().exec(QStringLiteral("update Product set NowStorage=7 where GoodsID=?"), {QStringLiteral("X'1")});
        auto mod = openEditor(app, 303, QStringLiteral("x'1"));
        QVERIFY(mod && mod->isVisible());
        QCOMPARE(mod->focusWidget()->objectName(), QStringLiteral("txt_GoodsName"));
        QCOMPARE(textOf(mod.get(), "txt_GoodsName"), QStringLiteral("O'Brien 扳手 '; drop table Product; --"));
        QCOMPARE(textOf(mod.get(), "cmb_ProductType"), QStringLiteral("T1-五金"));
        QCOMPARE(textOf(mod.get(), "cmb_Storage"), QStringLiteral("2-副仓库"));
        QCOMPARE(textOf(mod.get(), "txt_BuyUnitPrice"), QStringLiteral("12.5"));
        QCOMPARE(textOf(mod.get(), "txt_MinStorage"), QStringLiteral("2.5"));
        QVERIFY(child<QCheckBox>(mod.get(), "Check1")->isHidden());
        QVERIFY(child<QPushButton>(mod.get(), "cmd_Add")->isHidden());
        typeInto(mod.get(), "txt_BuyUnitPrice", QStringLiteral("0.00005"));
        press(mod.get(), "cmd_OK");
        QCOMPARE(goods(app, QStringLiteral("X'1")),
                 QStringLiteral("X'1|O'Brien 扳手 '; drop table Product; --|把|12\"|上海|T1|0.00005|-3|2.5|2|备注'|7"));
        QCOMPARE(app.log().last(), QStringLiteral("修改编号为X'1的商品资料"));
        // What it shows saves again.
        auto again = openEditor(app, 303, QStringLiteral("X'1"));
        QCOMPARE(textOf(again.get(), "txt_BuyUnitPrice"), QStringLiteral("0.00005"));
        press(again.get(), "cmd_OK");
        QCOMPARE(box.count(), 0);
        QCOMPARE(app.log().size(), 3);
    }

    void inputThatCannotBeSavedIsRefused_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("text"); // typed, or "pick:<code>" for a combo
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus"); // where the focus goes, empty: left on the button
        QTest::newRow("min stock letters") << "txt_MinStorage" << "abc" << "最小库存必须为数字！" << "txt_MinStorage";
        QTest::newRow("min stock comma") << "txt_MinStorage" << "1,2" << "最小库存必须为数字！" << "txt_MinStorage";
        QTest::newRow("min stock injection") << "txt_MinStorage" << "0,Remark='x'" << "最小库存必须为数字！"
                                             << "txt_MinStorage";
        QTest::newRow("min stock too large") << "txt_MinStorage" << "1e400" << "最小库存必须为数字！" << "txt_MinStorage";
        QTest::newRow("min stock too many digits") << "txt_MinStorage" << "99999999999999999999" << "最小库存超出范围！"
                                                   << "txt_MinStorage";
        QTest::newRow("buy price below a millionth") << "txt_BuyUnitPrice" << "0.0000001" << "采购单价超出范围！"
                                                     << "txt_BuyUnitPrice";
        QTest::newRow("buy price exponent") << "txt_BuyUnitPrice" << "1e3" << "采购单价必须为数字！" << "txt_BuyUnitPrice";
        QTest::newRow("min stock blank") << "txt_MinStorage" << "  " << "请将数据填写完整！" << "";
        QTest::newRow("buy price") << "txt_BuyUnitPrice" << "5x" << "采购单价必须为数字！" << "txt_BuyUnitPrice";
        QTest::newRow("sale price") << "txt_SaleUnitPrice" << "1e999" << "销售单价必须为数字！" << "txt_SaleUnitPrice";
        QTest::newRow("unknown category") << "cmb_ProductType" << "T9-没有" << "商品类别不存在，请从列表中选择！"
                                          << "cmb_ProductType";
        QTest::newRow("category without code") << "cmb_ProductType" << "五金" << "商品类别不存在，请从列表中选择！"
                                               << "cmb_ProductType";
        QTest::newRow("unknown storage") << "cmb_Storage" << "9-外仓" << "仓库库位不存在，请从列表中选择！"
                                         << "cmb_Storage";
        QTest::newRow("storage blank") << "cmb_Storage" << "" << "请将数据填写完整！" << "";
        QTest::newRow("name blank") << "txt_GoodsName" << " " << "请将数据填写完整！" << "";
        QTest::newRow("existing code") << "txt_GoodsID" << "g1" << "该编号已经存在！" << "txt_GoodsID";
    }
    void inputThatCannotBeSavedIsRefused()
    {
        QFETCH(QString, input);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        msg::Recorder box;
        auto dlg = openEditor(app, 501);
        fillGoods(dlg.get(), QStringLiteral("N1"));
        typeInto(dlg.get(), qPrintable(input), text);
        press(dlg.get(), "cmd_OK");
        QCOMPARE(box.count(), 1);
        QCOMPARE(box.lastText(), message);
        QCOMPARE(box.lastTitle(), QStringLiteral("错误"));
        QCOMPARE(dlg->focusWidget()->objectName(), focus.isEmpty() ? QStringLiteral("cmd_OK") : focus);
        QVERIFY(dlg->isVisible());
        QCOMPARE(textOf(dlg.get(), qPrintable(input)), text);
        QCOMPARE(app.count(QStringLiteral("Product")), 3);
        QCOMPARE(app.log().size(), 0);
    }

    void emptyPricesAreZeroAndDashedCodesSurvive()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.db().exec(QStringLiteral("insert into Storage values('A-1','一号-库')"));
        msg::Recorder box;
        auto dlg = openEditor(app, 501);
        fillGoods(dlg.get(), QStringLiteral("N1"));
        typeInto(dlg.get(), "txt_BuyUnitPrice", QString());
        typeInto(dlg.get(), "txt_SaleUnitPrice", QStringLiteral("  "));
        choose(dlg.get(), "cmb_Storage", QStringLiteral("A-1"));
        press(dlg.get(), "cmd_OK");
        QCOMPARE(box.count(), 0);
        QCOMPARE(app.one(QStringLiteral("select BuyUnitPrice,SaleUnitPrice,StorageID from Product where GoodsID='N1'")),
                 QStringLiteral("0|0|A-1"));
    }

    void theTickBoxDecidesWhatAddLeaves()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        msg::Recorder box;
        auto dlg = openEditor(app, 501);
        fillGoods(dlg.get(), QStringLiteral("N1"));
        child<QCheckBox>(dlg.get(), "Check1")->setChecked(true);
        press(dlg.get(), "cmd_Add");
        QCOMPARE(textOf(dlg.get(), "txt_GoodsID"), QStringLiteral("N1"));
        QCOMPARE(textOf(dlg.get(), "cmb_Storage"), QStringLiteral("2-副仓库"));
        press(dlg.get(), "cmd_Add");
        QCOMPARE(box.lastText(), QStringLiteral("该编号已经存在！"));
        typeInto(dlg.get(), "txt_GoodsID", QStringLiteral("N2"));
        child<QCheckBox>(dlg.get(), "Check1")->setChecked(false);
        press(dlg.get(), "cmd_Add");
        QCOMPARE(app.count(QStringLiteral("Product")), 5);
        for (const char *name : {"txt_GoodsID", "txt_GoodsName", "txt_Home", "txt_Unit", "txt_Model", "txt_MinStorage",
                                 "txt_BuyUnitPrice", "txt_SaleUnitPrice", "txt_Remark", "cmb_ProductType", "cmb_Storage"})
            QCOMPARE(textOf(dlg.get(), name), QString());
        QCOMPARE(child<QComboBox>(dlg.get(), "cmb_Storage")->count(), 2);
        QCOMPARE(app.one(QStringLiteral("select NowStorage from Product where GoodsID='N2'")), QStringLiteral("0"));
    }

    void enterWalksTheBoxes()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        msg::Recorder box;
        auto dlg = openEditor(app, 501);
        const QStringList walk{"txt_GoodsID", "txt_GoodsName", "txt_Home", "txt_Unit", "txt_Model", "txt_MinStorage",
                               "txt_BuyUnitPrice", "txt_SaleUnitPrice", "txt_Remark", "Check1"};
        for (int i = 0; i + 1 < walk.size(); ++i) {
            QCOMPARE(dlg->focusWidget()->objectName(), walk[i]);
            QTest::keyClick(dlg->focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(dlg->focusWidget()->objectName(), walk.last());
        auto *type = child<QComboBox>(dlg.get(), "cmb_ProductType");
        type->setFocus();
        QTest::keyClick(type, Qt::Key_Return);
        QCOMPARE(dlg->focusWidget()->objectName(), QStringLiteral("cmb_Storage"));
        QTest::keyClick(dlg->focusWidget(), Qt::Key_Return);
        QCOMPARE(dlg->focusWidget()->objectName(), QStringLiteral("txt_GoodsID"));
        QCOMPARE(box.count(), 0);
        QCOMPARE(app.count(QStringLiteral("Product")), 3);
    }

    void anItemWhoseStorageIsGoneCanBeOpened()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.db().exec(QStringLiteral("update Product set StorageID='9' where GoodsID='G1'"));
        msg::Recorder box;
        bool loaded = false;
        auto dlg = openEditor(app, 501, QStringLiteral("G1"), &loaded);
        QVERIFY(loaded);
        QCOMPARE(textOf(dlg.get(), "cmb_Storage"), QStringLiteral("9"));
        QCOMPARE(textOf(dlg.get(), "cmb_ProductType"), QStringLiteral("T1-五金"));
        // A gone code is refused, not read as a shorter one on file.
        app.db().exec(QStringLiteral("update Product set StorageID='2-9' where GoodsID='G3'"));
        press(openEditor(app, 501, QStringLiteral("G3")).get(), "cmd_OK");
        QCOMPARE(box.lastText(), QStringLiteral("仓库库位不存在，请从列表中选择！"));
        // Category 01-01 "A" and storage S "1" show as codes on file, "01-01-A" and "S-1".
        app.db().exec(QStringLiteral("insert into Storage values('S','1'),('S-1','另一')"));
        app.db().exec(QStringLiteral("insert into ProductType values('01-01','A'),('01-01-A','另一')"));
        app.db().exec(QStringLiteral("update Product set ProductTypeID='01-01',StorageID='S' where GoodsID='G2'"));
        auto g2 = openEditor(app, 501, QStringLiteral("G2"));
        typeInto(g2.get(), "txt_BuyUnitPrice", QStringLiteral("7"));
        press(g2.get(), "cmd_OK");
        QCOMPARE(app.one(QStringLiteral("select ProductTypeID,StorageID,BuyUnitPrice from Product where GoodsID='G2'")),
                 QStringLiteral("01-01|S|7"));
    }
};

QTEST_MAIN(TestGoodsEditor)
#include "test_goodseditor.moc"
