// Every window keeps its shape: the boxes of the bills, vouchers and record
// editors stay where they are whatever names are on file, twin windows come
// out equal, number boxes are wide enough, and the pickers show every column.
#include "EditorKit.h"

#include "bills/BillStore.h"
#include "bills/FrmOrderConn.h"
#include "masterdata/FrmGoodsConn.h"
#include "platform/grid/TextGrid.h"
#include "purchasing/FrmBuyIn.h"

#include <QRegularExpression>
#include <QScrollBar>

namespace {

// The places of a window's boxes, lists and date pickers (not the hidden
// cell editors) in the order they were made, then the window's own; *narrow
// gets the number boxes under 100 pixels wide.
QVector<QRect> shapeOf(TestApp &app, int code, QStringList *narrow = nullptr)
{
    auto w = openEditor(app, code);
    QVector<QRect> places;
    static const QRegularExpression box(QStringLiteral("^(txt_|DTP_|cmb_)"));
    for (QWidget *b : w->findChildren<QWidget *>()) {
        if (b->isHidden() || !box.match(b->objectName()).hasMatch())
            continue;
        places << QRect(b->mapTo(w.get(), QPoint()), b->size());
        if (narrow && b->objectName().endsWith(QLatin1String("ID")) && b->width() < 100)
            *narrow << b->objectName();
    }
    return places << w->rect();
}

} // namespace

class TestGeometry : public QObject
{
    Q_OBJECT
private slots:
    void windowsKeepTheirShape_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("twin"); // 0: none
        QTest::newRow("FrmBuyOrder") << 101 << 201;
        QTest::newRow("FrmSaleOrder") << 201 << 0;
        QTest::newRow("FrmBuyIn") << 102 << 202;
        QTest::newRow("FrmSaleOut") << 202 << 0;
        QTest::newRow("FrmBuyReturn") << 104 << 204;
        QTest::newRow("FrmSaleReturn") << 204 << 0;
        QTest::newRow("FrmCheck") << 304 << 0;
        QTest::newRow("FrmPay") << 103 << 203;
        QTest::newRow("FrmIncome") << 203 << 0;
        QTest::newRow("FrmGoods") << 501 << 0;
        QTest::newRow("FrmCustomer") << 502 << 0;
        QTest::newRow("FrmSupplier") << 503 << 0;
    }
    void windowsKeepTheirShape()
    {
        QFETCH(int, code);
        QFETCH(int, twin);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        QStringList narrow;
        const QVector<QRect> before = shapeOf(app, code, &narrow);
        QVERIFY(before.size() > 1);
        QCOMPARE(narrow, QStringList());
        // A name of 40 characters in every list a window offers.
        const QString name = QStringLiteral("长名称").repeated(13) + QStringLiteral("长");
        for (const char *t : {"Supplier", "Customer"})
            app.db().exec(QStringLiteral("insert into %1(%1ID,%1Name,TypeID) values('L40',?,'T')").arg(QLatin1String(t)),
                          {name});
        for (const char *t : {"Buyer", "Saler", "Accepter", "Returner", "Checker", "Storage", "PayMode", "ProductType",
                              "CustomerType", "SupplierType"})
            app.db().exec(QStringLiteral("insert into %1 values('L40',?)").arg(QLatin1String(t)), {name});
        QCOMPARE(shapeOf(app, code), before);
        if (twin)
            QCOMPARE(shapeOf(app, twin), before);
    }

    // Both pickers have a fixed size and show every column beside a
    // vertical scroll bar, without scrolling sideways.
    void pickersShowEveryColumn()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        for (int i = 10; i < 40; ++i) {
            app.db().exec(QStringLiteral("insert into Product(GoodsID,GoodsName,StorageID) values(?,'货','1')"),
                          {QStringLiteral("G%1").arg(i)});
            app.db().exec(QStringLiteral("insert into PurchaseOrder(PurchaseOrderID,SupplierID,BuyerID,OperatorID,Amount) "
                                         "values(?,'S1','B1','Administrator',1)"),
                          {QStringLiteral("CG%1").arg(i)});
        }
        FrmGoodsConn goods(app.state());
        FrmOrderConn orders(BillStore(app.db(), goodsReceiptKind()).openOrders());
        for (PickerDialog *w : std::initializer_list<PickerDialog *>{&goods, &orders}) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            QCOMPARE(w->minimumSize(), w->maximumSize());
            TextGrid *grid = w->grid();
            QVERIFY(grid->verticalScrollBar()->isVisible());
            QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
            const int last = grid->cols() - 2;
            QVERIFY(grid->columnViewportPosition(last) + grid->columnWidth(last) <= grid->viewport()->width());
        }
    }
};

QTEST_MAIN(TestGeometry)
#include "test_geometry.moc"
