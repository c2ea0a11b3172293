// Purchase returns through their window: six required fields, stock lowered
// when a return is added and never when it is modified, and the partner
// saved is the one shown.
#include "BillKit.h"

#include "platform/ui/Msg.h"
#include "purchasing/FrmBuyIn.h"
#include "purchasing/FrmBuyOrder.h"
#include "purchasing/FrmBuyReturn.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using billkit::box;
using billkit::type;

namespace {

void line(FrmBuyReturn &w, int row, const QString &code, const QString &qty)
{
    w.clickCell(row, 1);
    type(w.cellEditor(), code);
    QTest::keyClick(w.cellEditor(), Qt::Key_Return);
    type(w.cellEditor(), qty);
    QTest::keyClick(w.cellEditor(), Qt::Key_Return);
    QTest::keyClick(w.cellEditor(), Qt::Key_Return);
}

} // namespace

class TestPurchaseReturn : public QObject
{
    Q_OBJECT

private slots:
    void newReturnProposesDatesAndFirstItems()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        FrmBuyReturn w(app.state(), 1, QString());
        QVERIFY(w.load());
        const QString today = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
        QCOMPARE(w.windowTitle(), QStringLiteral("采购退货单"));
        QCOMPARE(box(w, "txt_OperateDate")->text(), today);
        QCOMPARE(box(w, "txt_ReturnDate")->text(), today);
        QCOMPARE(box(w, "txt_Supplier")->text(), QString());
        QCOMPARE(w.findChild<QComboBox *>(QStringLiteral("cmb_Supplier"))->currentText(), QStringLiteral("S1-恒远供应"));
        QCOMPARE(w.findChild<QComboBox *>(QStringLiteral("cmb_Returner"))->currentText(), QStringLiteral("R1-退货丁"));
    }

    void sixRequiredFields_data()
    {
        QTest::addColumn<QString>("emptied");
        for (const char *b : {"txt_OperateDate", "txt_PurchaseReturnID", "txt_Supplier", "txt_Buyer", "txt_ReturnDate",
                              "txt_Returner"})
            QTest::newRow(b) << QString::fromLatin1(b);
    }
    void sixRequiredFields()
    {
        QFETCH(QString, emptied);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        msg::Recorder messages;
        FrmBuyReturn w(app.state(), 1, QString());
        QVERIFY(w.load());
        type(box(w, "txt_PurchaseReturnID"), QStringLiteral("T1"));
        type(box(w, "txt_Supplier"), QStringLiteral("S1-恒远供应"));
        type(box(w, "txt_Buyer"), QStringLiteral("B1-采购甲"));
        type(box(w, "txt_Returner"), QStringLiteral("R1-退货丁"));
        line(w, 1, QStringLiteral("G1"), QStringLiteral("2"));
        w.findChild<QLineEdit *>(emptied)->clear();
        QVERIFY(!w.save());
        QCOMPARE(messages.lastText(),
                 QStringLiteral("请将数据填写完整！\n制单日期、单据号、供应商、采购人、退货日期、退货人均为必填项。"));
        QCOMPARE(app.count(QStringLiteral("PurchaseReturn")), 0);
    }

    void returnLowersStockOnceAndSavesThePartnerShown()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.db().exec(QStringLiteral("insert into Supplier(SupplierID,SupplierName,TypeID) values('S9','第九家','ST1')"));
        msg::Recorder messages;
        FrmBuyReturn w(app.state(), 1, QString());
        QVERIFY(w.load());
        // The hidden list starts on its first item (S1); the box shows S9.
        QCOMPARE(w.findChild<QComboBox *>(QStringLiteral("cmb_Supplier"))->currentText(), QStringLiteral("S1-恒远供应"));
        type(box(w, "txt_PurchaseReturnID"), QStringLiteral("T1"));
        type(box(w, "txt_Supplier"), QStringLiteral("S9-第九家"));
        type(box(w, "txt_Buyer"), QStringLiteral("B1-采购甲"));
        type(box(w, "txt_Returner"), QStringLiteral("R1-退货丁"));
        line(w, 1, QStringLiteral("G1"), QStringLiteral("2"));
        line(w, 2, QStringLiteral("G1"), QStringLiteral("3"));
        line(w, 3, QStringLiteral("G2"), QStringLiteral("-1"));
        QVERIFY(w.save());
        QCOMPARE(messages.count(), 0);
        QCOMPARE(app.rows(QStringLiteral("select GoodsID,NowStorage from Product order by GoodsID")),
                 (QStringList{"G1|-5", "G2|1", "G3|0"}));
        QCOMPARE(app.one(QStringLiteral("select SupplierID,BuyerID,ReturnerID,Amount,OperatorID from PurchaseReturn")),
                 QStringLiteral("S9|B1|R1|2.5|Administrator"));
        QCOMPARE(app.log(), QStringList{QStringLiteral("添加单据号为T1的采购退货单")});

        FrmBuyReturn again(app.state(), 2, QStringLiteral("T1"));
        QVERIFY(again.load());
        QCOMPARE(again.lines().cell(3, 5), QStringLiteral("-1"));
        again.clickCell(1, 5);
        again.cellEditor()->selectAll();
        type(again.cellEditor(), QStringLiteral("20"));
        QVERIFY(again.save());
        QCOMPARE(app.rows(QStringLiteral("select GoodsID,NowStorage from Product order by GoodsID")),
                 (QStringList{"G1|-5", "G2|1", "G3|0"}));
        QCOMPARE(app.one(QStringLiteral("select ReturnNumber from PurchaseReturnDetail order by LineID")),
                 QStringLiteral("20"));
        QCOMPARE(app.log().last(), QStringLiteral("修改单据号为T1的采购退货单"));
    }

    void missingBillDoesNotOpen()
    {
        TestApp app;
        QVERIFY(app.ok());
        msg::Recorder messages;
        FrmBuyReturn w(app.state(), 2, QStringLiteral("NONE"));
        QVERIFY(!w.load());
        QCOMPARE(messages.lastText(), QStringLiteral("单据号为NONE的单据已不存在！"));
    }
};

QTEST_MAIN(TestPurchaseReturn)
#include "test_purchasereturn.moc"
