// The print forms: each list's "打印预览" from the main window (one shared
// window while open, built again from the list once closed), each bill's
// detail print (its number, its stored lines and their sum), and failures.
#include "TestSupport.h"

#include "core/FrmMain.h"
#include "core/ListCatalog.h"
#include "core/PrintForm.h"
#include "masterdata/GoodsPrint.h"
#include "platform/grid/TextGrid.h"
#include "platform/report/ReportPreview.h"
#include "platform/report/ReportViewer.h"
#include "platform/ui/Modal.h"
#include "platform/ui/Msg.h"
#include "purchasing/PurchasingPrintForms.h"

#include <QAction>
#include <QtTest>

using report::Item;

namespace {

ReportViewer *viewerOf(QWidget *w)
{
    return w ? child<ReportViewer>(w, "CRViewer1") : nullptr;
}

// The texts of one kind of item on every page, page after page.
QStringList itemTexts(const ReportViewer *v, Item::Kind kind)
{
    QStringList out;
    for (int p = 0; p < v->layout().pageCount; ++p)
        for (const Item &i : report::pageItems(v->report(), v->layout(), p))
            if (i.kind == kind)
                out << i.text;
    return out;
}

// One column of the report, over all its pages.
QStringList column(const ReportViewer *v, int col)
{
    const int cols = v->report().rows->columnCount();
    const QStringList cells = itemTexts(v, Item::Cell);
    QStringList out;
    for (int i = col; i < cells.size(); i += cols)
        out << cells[i];
    return out;
}

QList<ReportPreview *> openPreviews()
{
    QList<ReportPreview *> out;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *p = qobject_cast<ReportPreview *>(w); p && p->isVisible())
            out << p;
    return out;
}

const PrintForm *purchasingForm(const QString &name)
{
    for (const PrintForm &f : purchasingPrintForms())
        if (f.name == name)
            return &f;
    return nullptr;
}

void addOrder(TestApp &app, int i)
{
    app.db().exec(QStringLiteral("insert into PurchaseOrder(PurchaseOrderID,OperateDate,SupplierID,Amount,OperatorID,"
                                 "BuyerID) values(?,'2026-12-08','S1',?,'Administrator','B1')"),
                  {QStringLiteral("PO%1").arg(i, 3, 10, QLatin1Char('0')), 100.0 * i});
}

// One bill of each purchasing kind with two lines (G1 4 x 2.5, G2 3 x 10),
// another bill with one line, a payable and a return, so every purchasing
// list has rows.
void seedBills(TestApp &app)
{
    app.seedMasterData();
    const QStringList sql{
        "insert into PurchaseOrder(PurchaseOrderID,OperateDate,SupplierID,Amount,OperatorID,BuyerID) "
        "values('PO1','2026-12-08','S1',40,'Administrator','B1'),('PO2','2026-12-08','S1',5,'Administrator','B1')",
        "insert into PurchaseOrderDetail(PurchaseOrderID,GoodsID,GoodsNum,UnitPrice,InNum) "
        "values('PO1','G1',4,2.5,1),('PO1','G2',3,10,0),('PO2','G3',1,5,0)",
        "insert into ReceiveReceipt(ReceiveReceiptID,OperateDate,SupplierID,Amount,OperatorID,AccepterID) "
        "values('R001','2026-12-08','S1',40,'Administrator','A1'),('R002','2026-12-08','S1',5,'Administrator','A1')",
        "insert into ReceiveReceiptDetail(ReceiveReceiptID,GoodsID,StorageID,ReceiveNumber,UnitPrice) "
        "values('R001','G1','1',4,2.5),('R001','G2','2',3,10),('R002','G3','1',1,5)",
        "insert into PurchaseReturn(PurchaseReturnID,OperateDate,SupplierID,Amount,BuyerID,ReturnerID,ReturnDate,"
        "OperatorID) values('TH1','2026-12-08','S1',40,'B1','R1','2026-12-09','Administrator')",
        "insert into PurchaseReturnDetail(PurchaseReturnID,GoodsID,ReturnNumber,UnitPrice) "
        "values('TH1','G1',4,2.5),('TH1','G2',3,10),('TH9','G3',1,5)",
        "insert into Pay(PayID,OperateDate,SupplierID,PayModeID,MustPay,HavePay,OperatorID,BuyInID) "
        "values('00000001','2026-12-08','S1','P1',40,10,'Administrator','R001')",
        "insert into SaleOrder(SaleOrderID,OperateDate,CustomerID,Amount,OperatorID,SalerID) "
        "values('SO1','2026-12-08','C1',40,'Administrator','Y1'),('SO2','2026-12-08','C1',5,'Administrator','Y1')",
        "insert into SaleOrderDetail(SaleOrderID,GoodsID,GoodsNumber,UnitPrice,OutNum) "
        "values('SO1','G1',4,2.5,1),('SO1','G2',3,10,0),('SO2','G3',1,5,0)",
        "insert into SaleOut(SaleOutID,OperateDate,CustomerID,Amount,OperatorID,SalerID) "
        "values('D001','2026-12-08','C1',40,'Administrator','Y1'),('D002','2026-12-08','C1',5,'Administrator','Y1')",
        "insert into SaleOutDetail(SaleOutID,GoodsID,StorageID,GoodsNumber,UnitPrice) "
        "values('D001','G1','1',4,2.5),('D001','G2','2',3,10),('D002','G3','1',1,5)",
        "insert into SaleReturn(SaleReturnID,OperateDate,CustomerID,Amount,SalerID,AccepterID,ReturnDate,OperatorID) "
        "values('XT1','2026-12-08','C1',40,'Y1','A1','2026-12-09','Administrator')",
        "insert into SaleReturnDetail(SaleReturnID,GoodsID,ReturnNumber,UnitPrice) "
        "values('XT1','G1',4,2.5),('XT1','G2',3,10)",
        "insert into Income(IncomeID,OperateDate,CustomerID,PayModeID,MustIncome,HaveIncome,OperatorID,SaleOutID) "
        "values('00000001','2026-12-08','C1','P1',40,10,'Administrator','D001')",
    };
    for (const QString &s : sql)
        app.db().exec(s);
}

} // namespace

class TestPrintForms : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        for (ReportPreview *p : openPreviews())
            p->close();
        QVERIFY(!QApplication::overrideCursor());
    }

    void eachListHasItsForm_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("title");
        QTest::newRow("101") << 101 << "FrmBuyOrderPrint" << "采购订单统计表";
        QTest::newRow("102") << 102 << "FrmBuyInPrint" << "采购入库单统计表";
        QTest::newRow("301") << 301 << "FrmBuyInPrint" << "采购入库单统计表";
        QTest::newRow("103") << 103 << "FrmPayPrint" << "应付款";
        QTest::newRow("104") << 104 << "FrmBuyReturnPrint" << "采购退货单统计表";
        QTest::newRow("403") << 403 << "FrmBuyAllGoodsPrint" << "采购商品统计表";
        QTest::newRow("406") << 406 << "FrmTotalPayPrint" << "应付款统计表";
        QTest::newRow("407") << 407 << "FrmBuyReturnAllGoodsPrint" << "采购退货统计表";
        QTest::newRow("201") << 201 << "FrmSaleOrderPrint" << "销售订单统计表";
        QTest::newRow("202") << 202 << "FrmSaleOutPrint" << "销售出库单统计表";
        QTest::newRow("302") << 302 << "FrmSaleOutPrint" << "销售出库单统计表";
        QTest::newRow("203") << 203 << "FrmIncomePrint" << "应收款";
        QTest::newRow("204") << 204 << "FrmSaleReturnPrint" << "销售退货单统计表";
        QTest::newRow("404") << 404 << "FrmSaleAllGoodsPrint" << "销售商品统计表";
        QTest::newRow("405") << 405 << "FrmTotalIncomePrint" << "应收款统计表";
        QTest::newRow("408") << 408 << "FrmSaleReturnAllGoodsPrint" << "销售退货统计表";
        QTest::newRow("401") << 401 << "FrmStorageWarnPrint" << "库存警报表";
        QTest::newRow("402") << 402 << "FrmStorageGoodsPrint" << "库存商品汇总表";
        QTest::newRow("303: none") << 303 << "" << "";
        QTest::newRow("501: none") << 501 << "" << "";
        QTest::newRow("304: none") << 304 << "" << "";
    }
    void eachListHasItsForm()
    {
        QFETCH(int, code);
        QFETCH(QString, form);
        QFETCH(QString, title);
        TestApp app;
        QVERIFY(app.ok());
        seedBills(app);
        FrmMain w(app.state());
        w.navigate(code);
        const ResultPtr list = app.state().listRs;
        w.findChild<QAction *>(QStringLiteral("F_PrintPreview"))->trigger();
        if (form.isEmpty()) {
            QVERIFY(openPreviews().isEmpty());
            return;
        }
        QWidget *preview = w.openWindow(form);
        QVERIFY(preview);
        QCOMPARE(openPreviews().size(), 1);
        QCOMPARE(preview->objectName(), form);
        QCOMPARE(preview->windowTitle(), QStringLiteral("打印预览"));
        QVERIFY(preview->isVisible() && (preview->windowState() & Qt::WindowMaximized));
        QVERIFY(!preview->isModal());
        ReportViewer *v = viewerOf(preview);
        QCOMPARE(v->report().title, title);
        QVERIFY(!v->report().billTotal);
        QVERIFY(list->rowCount() > 0);
        QCOMPARE(v->report().rows, list);
        QCOMPARE(itemTexts(v, Item::Caption), list->columns());
        QCOMPARE(column(v, 0).size(), list->rowCount());
    }

    // The partner and return summaries: the exact decimal sums of the stored
    // values, rounded once, in the list and in its print.
    void summariesSumExactly_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QVariantList>("values"); // due and paid by turns (405, 406); quantities (407, 408)
        QTest::addColumn<QStringList>("sums");
        QTest::newRow("paid in full, 10^9") << 406 << QVariantList{5591043828.36, 1169036903.47, 0, 4422006924.89}
                                            << QStringList{"5591043828.36", "5591043828.36", "0"};
        QTest::newRow("paid in full, 10^12") << 406 << QVariantList{1e12, 999999999999.99, 0, 0.01}
                                             << QStringList{"1000000000000", "1000000000000", "0"};
        QTest::newRow("paid in full, 9.3x10^12") << 406 << QVariantList{9.3e12, 9299999999999.99, 0, 0.01}
                                                 << QStringList{"9300000000000", "9300000000000", "0"};
        QTest::newRow("paid in full, 10^14") << 405 << QVariantList{1e14, 99999999999999.9, 0, 0.1}
                                             << QStringList{"100000000000000", "100000000000000", "0"};
        QTest::newRow("two of 5x10^12") << 406 << QVariantList{5e12, 0, 5e12, 0}
                                        << QStringList{"10000000000000", "0", "10000000000000"};
        QTest::newRow("7th-decimal tie") << 405 << QVariantList{0.2611245, 0.5000005}
                                         << QStringList{"0.261125", "0.500001", "-0.238876"};
        QTest::newRow("tie, returned") << 407 << QVariantList{0.5000005} << QStringList{"0.500001"};
        QTest::newRow("3 x 0.0000004") << 408 << QVariantList{0.0000004, 0.0000004, 0.0000004} << QStringList{"0.000001"};
        QTest::newRow("beyond 128 bits") << 407 << QVariantList{1e35, -0.0000005, -1e35} << QStringList{"-0.000001"};
    }
    void summariesSumExactly()
    {
        QFETCH(int, code);
        QFETCH(QVariantList, values);
        QFETCH(QStringList, sums);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        const QString voucher = code == 405 ? "insert into Income(IncomeID,CustomerID,PayModeID,MustIncome,HaveIncome) "
                                              "values(?,'C1','P1',?,?)"
                                            : "insert into Pay(PayID,SupplierID,PayModeID,MustPay,HavePay) "
                                              "values(?,'S1','P1',?,?)";
        const QString line =
            QStringLiteral("insert into %1ReturnDetail(%1ReturnID,GoodsID,ReturnNumber) values('T1','G1',?)")
                .arg(code == 407 ? "Purchase" : "Sale");
        for (int i = 0; i < values.size(); i += code <= 406 ? 2 : 1)
            app.db().exec(code <= 406 ? voucher : line,
                          code <= 406 ? QVariantList{QString::number(i), values[i], values[i + 1]} : QVariantList{values[i]});
        msg::Recorder box;
        FrmMain w(app.state());
        w.navigate(code);
        const int first = code <= 406 ? 2 : 4;
        QStringList listed;
        for (int c = first; c < first + sums.size(); ++c)
            listed << w.grid()->textMatrix(1, c);
        QCOMPARE(listed, sums);
        w.findChild<QAction *>(QStringLiteral("F_PrintPreview"))->trigger();
        const ReportViewer *v = viewerOf(openPreviews().value(0));
        QVERIFY(v);
        QCOMPARE(column(v, first - 1), QStringList{sums.first()});
        QCOMPARE(column(v, first - 2 + int(sums.size())), QStringList{sums.last()});
        QCOMPARE(box.count(), 0);
    }

    void orderListPreviewIsSharedWhileOpen()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        for (int i = 120; i >= 1; --i) // stored out of order, listed by number
            addOrder(app, i);
        FrmMain w(app.state());
        QAction *preview = w.findChild<QAction *>(QStringLiteral("F_PrintPreview"));
        w.navigate(101);
        preview->trigger();
        QPointer<QWidget> first = w.openWindow(QStringLiteral("FrmBuyOrderPrint"));
        ReportViewer *v = viewerOf(first);
        QVERIFY(v);
        QCOMPARE(v->report().title, QStringLiteral("采购订单统计表"));
        QStringList expected;
        for (int i = 1; i <= 120; ++i)
            expected << QStringLiteral("PO%1").arg(i, 3, 10, QLatin1Char('0'));
        QCOMPARE(column(v, 0), expected);
        const int pages = v->layout().pageCount;
        QVERIFY(pages >= 3);
        QCOMPARE(itemTexts(v, Item::Caption).size(), pages * app.state().listRs->columnCount());
        QCOMPARE(itemTexts(v, Item::PageNumber).last(), QStringLiteral("第 %1 页 / 共 %1 页").arg(pages));

        // A new order and a second preview: the same window, the same report.
        addOrder(app, 121);
        w.navigate(101);
        QCOMPARE(app.state().listRs->rowCount(), 121);
        preview->trigger();
        QCOMPARE(w.openWindow(QStringLiteral("FrmBuyOrderPrint")), first.data());
        QCOMPARE(openPreviews().size(), 1);
        QCOMPARE(column(viewerOf(first), 0), expected);

        // Closed, the next preview holds the list as it is now.
        first->close();
        QTRY_VERIFY(first.isNull());
        preview->trigger();
        ReportViewer *again = viewerOf(w.openWindow(QStringLiteral("FrmBuyOrderPrint")));
        QVERIFY(again);
        QCOMPARE(column(again, 0), expected << QStringLiteral("PO121"));
    }

    void detailPrintShowsNumberLinesAndSum_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("number"); // as typed in the bill's number box
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("order") << "FrmBuyOrderDetailPrint" << "PO1" << "采购订单PO1"
                               << QStringList{"商品编码", "商品名称", "单位", "规格型号", "数量", "单价", "金额", "入库数量"};
        QTest::newRow("receipt, blanks kept in the title") << "FrmBuyInDetailPrint" << " R001  " << "采购入库单 R001  "
                               << QStringList{"商品编码", "商品名称", "单位", "规格型号", "库位名称", "数量", "单价", "金额"};
        QTest::newRow("return") << "FrmBuyReturnDetailPrint" << "TH1" << "采购退货单TH1"
                                << QStringList{"商品编码", "商品名称", "单位", "规格型号", "退货数量", "单价", "金额"};
        QTest::newRow("sales order") << "FrmSaleOrderDetailPrint" << "SO1" << "销售订单SO1"
                                     << QStringList{"商品编码", "商品名称", "单位", "规格型号", "数量", "单价", "金额", "出库数量"};
        QTest::newRow("delivery") << "FrmSaleOutDetailPrint" << "D001" << "销售出库单D001"
                                  << QStringList{"商品编码", "商品名称", "单位", "规格型号", "库位名称", "数量", "单价", "金额"};
        QTest::newRow("sales return") << "FrmSaleReturnDetailPrint" << " XT1" << "销售退货单 XT1"
                                      << QStringList{"商品编码", "商品名称", "单位", "规格型号", "退货数量", "单价", "金额"};
    }
    void detailPrintShowsNumberLinesAndSum()
    {
        QFETCH(QString, form);
        QFETCH(QString, number);
        QFETCH(QString, title);
        QFETCH(QStringList, captions);
        TestApp app;
        QVERIFY(app.ok());
        seedBills(app);
        app.state().printBillID = number;
        QWidget bill;
        modal::Script script;
        QPointer<QDialog> shown;
        script.then([&](QDialog *d) {
            shown = d;
            QCOMPARE(d->objectName(), form);
            QCOMPARE(d->windowTitle(), QStringLiteral("打印预览"));
            QVERIFY(d->windowState() & Qt::WindowMaximized);
            QCOMPARE(d->parentWidget(), &bill);
            ReportViewer *v = viewerOf(d);
            QCOMPARE(v->report().title, title);
            QCOMPARE(itemTexts(v, Item::Caption), captions);
            QCOMPARE(column(v, 0), (QStringList{"G1", "G2"}));
            QCOMPARE(column(v, int(captions.indexOf("金额"))), (QStringList{"10", "30"}));
            QCOMPARE(itemTexts(v, Item::TotalLabel), QStringList{"金额合计"});
            QCOMPARE(itemTexts(v, Item::Total), QStringList{"40"});
            QVERIFY(!QApplication::overrideCursor());
        });
        msg::Recorder box;
        showDetailPrint(app.state(), form, &bill);
        QCOMPARE(script.shownCount(), 1);
        QVERIFY(script.done());
        QCOMPARE(box.count(), 0);
        QVERIFY(shown.isNull()); // released once closed: every print is a fresh window
        QCOMPARE(app.state().detailRs->rowCount(), 2);
        QCOMPARE(app.state().detailRs->columns(), captions);
    }

    void unsavedBillPrintsTitleOverEmptyBody()
    {
        TestApp app;
        QVERIFY(app.ok());
        seedBills(app);
        app.state().printBillID = QStringLiteral("R999");
        modal::Script script;
        script.then([](QDialog *d) {
            ReportViewer *v = viewerOf(d);
            QCOMPARE(v->report().title, QStringLiteral("采购入库单R999"));
            QCOMPARE(v->layout().pageCount, 1);
            QCOMPARE(itemTexts(v, Item::Caption).size(), 8);
            QVERIFY(itemTexts(v, Item::Cell).isEmpty());
            QVERIFY(itemTexts(v, Item::Total).isEmpty());
        });
        showDetailPrint(app.state(), QStringLiteral("FrmBuyInDetailPrint"), nullptr);
        QCOMPARE(script.shownCount(), 1);
        QVERIFY(app.state().detailRs->isEmpty());
    }

    void failedPrintShowsWhyAndOpensNothing_data()
    {
        QTest::addColumn<bool>("dropLines");
        QTest::addColumn<QString>("number");  // empty: the preview of the list 403
        QTest::addColumn<QString>("message"); // before the driver's text
        QTest::newRow("line query fails") << true << "R001" << "";
        QTest::newRow("number too long for the page") << false << QString(6000, QLatin1Char('9'))
                                                     << "报表的标题太长，页面上放不下表格。";
        QTest::newRow("list query failed") << true << "" << "无法预览采购商品统计表：\n";
    }
    void failedPrintShowsWhyAndOpensNothing()
    {
        QFETCH(bool, dropLines);
        QFETCH(QString, number);
        QFETCH(QString, message);
        TestApp app;
        QVERIFY(app.ok());
        seedBills(app);
        FrmMain w(app.state());
        if (dropLines)
            app.db().exec(QStringLiteral("drop table ReceiveReceiptDetail"));
        app.state().printBillID = number;
        modal::Script script;
        msg::Recorder box;
        if (number.isEmpty()) {
            w.navigate(403); // the list says why it is empty; its preview says it again
            box.clear();
            w.findChild<QAction *>(QStringLiteral("F_PrintPreview"))->trigger();
        } else {
            showDetailPrint(app.state(), QStringLiteral("FrmBuyInDetailPrint"), nullptr);
        }
        QVERIFY(openPreviews().isEmpty());
        QCOMPARE(script.shownCount(), 0);
        QCOMPARE(box.count(), 1);
        QCOMPARE(box.shown().first().icon, msg::Icon::Critical);
        QCOMPARE(box.lastTitle(), QStringLiteral("错误"));
        if (dropLines)
            QVERIFY(box.lastText().startsWith(message) && box.lastText().contains(QStringLiteral("ReceiveReceiptDetail")));
        else
            QCOMPARE(box.lastText(), message);
        QVERIFY(!QApplication::overrideCursor());
    }

    void listWithoutResultShowsWhy()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.state().listRs.reset();
        msg::Recorder box;
        QVERIFY(!makeListPrint(app.state(), *purchasingForm(QStringLiteral("FrmBuyOrderPrint"))));
        QCOMPARE(box.lastTitle(), QStringLiteral("错误"));
        QCOMPARE(box.lastText(), QStringLiteral("没有可打印的数据。"));
        QVERIFY(!QApplication::overrideCursor());
    }

    void goodsPrintFormIsUnreachable()
    {
        TestApp app;
        QVERIFY(app.ok());
        seedBills(app);
        const PrintForm &form = goodsPrintForm();
        QCOMPARE(form.name, QStringLiteral("FrmGoodsPrint"));
        QCOMPARE(form.kind, PrintForm::List);
        QCOMPARE(form.title, QStringLiteral("商品统计表"));
        QVERIFY(form.codes.isEmpty());
        // Over the goods list it shows the goods columns under their aliases.
        app.state().listRs = app.db().query(listSpec(303)->sql);
        std::unique_ptr<QWidget> preview(makeListPrint(app.state(), form));
        ReportViewer *v = viewerOf(preview.get());
        QCOMPARE(v->report().title, QStringLiteral("商品统计表"));
        QCOMPARE(itemTexts(v, Item::Caption),
                 (QStringList{"商品编码", "商品名称", "商品类别", "单位", "规格型号", "产地", "采购单价", "销售单价",
                              "当前库存", "最小库存", "仓库", "备注"}));
        QCOMPARE(column(v, 0), (QStringList{"G1", "G2", "G3"}));
    }
};

QTEST_MAIN(TestPrintForms)
#include "test_printforms.moc"
