// The sales bills and receivables through their windows: what a delivery,
// a sales order and a sales return save, what they do to stock and orders,
// their checks, and the receivable a delivery opens.
#include "BillKit.h"
#include "EditorKit.h"

#include "bills/BillStore.h"

#include "core/FrmMain.h"
#include "platform/grid/TextGrid.h"
#include "platform/report/ReportViewer.h"
#include "platform/ui/Modal.h"
#include "platform/ui/Msg.h"
#include "sales/FrmIncome.h"
#include "sales/FrmSaleOrder.h"
#include "sales/FrmSaleOut.h"
#include "sales/FrmSaleReturn.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>

using namespace billkit;

namespace {

// A sales bill window opened as the main window's list opens it, loaded.
std::unique_ptr<BillWindow> openBill(TestApp &app, const QString &window, int mode, const QString &id = QString())
{
    const int code = window == QLatin1String("FrmSaleOrder") ? 201 : window == QLatin1String("FrmSaleOut") ? 202 : 204;
    bool loaded = false;
    std::unique_ptr<QDialog> dlg = openEditor(app, code, mode == 2 ? id : QString(), &loaded);
    if (!loaded)
        return nullptr;
    return std::unique_ptr<BillWindow>(static_cast<BillWindow *>(dlg.release()));
}

// The header of a new bill: number, customer, salesman (and acceptor).
void fillHeader(BillWindow &w, const QString &number)
{
    type(box(w, w.kind().field(FieldKind::Number)->box.toLatin1().constData()), number);
    pick(w, QStringLiteral("Customer"), QStringLiteral("C1-"));
    pick(w, QStringLiteral("Saler"), QStringLiteral("Y1-"));
    if (w.findChild<QLineEdit *>(QStringLiteral("txt_Accepter")))
        pick(w, QStringLiteral("Accepter"), QStringLiteral("A1-"));
}

// One line of goods: the storage only where the bill has one.
QStringList lineOf(const BillWindow &w, const QString &code, const QString &qty, const QString &price)
{
    if (w.kind().column(ColRole::Storage))
        return {code, QStringLiteral("1-"), qty, price};
    return {code, qty, price};
}

void addSaleOrder(TestApp &app, const QString &id, const QString &status, const QString &lines)
{
    app.db().exec(QStringLiteral("insert into SaleOrder(SaleOrderID,OperateDate,CustomerID,Amount,OperatorID,SalerID,"
                                 "Status) values(?,'2026-12-01','C1',0,'Administrator','Y1',?)"),
                  {id, status});
    app.db().exec(QStringLiteral("insert into SaleOrderDetail(SaleOrderID,GoodsID,GoodsNumber,UnitPrice,OutNum) values ")
                  + lines);
}

QString stock(TestApp &app)
{
    return app.rows(QStringLiteral("select NowStorage from Product order by GoodsID")).join(QLatin1Char(' '));
}

} // namespace

class TestSales : public QObject
{
    Q_OBJECT

private slots:
    // Each sales bill: saved with one line of G1, it closes, logs, and moves
    // stock by its sign.
    void saveMovesStockLogsAndCloses_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("stockAfter"); // G1 G2 G3, G1 starting at 2
        QTest::addColumn<QString>("log");
        QTest::addColumn<QString>("saved");
        QTest::newRow("delivery below zero") << "FrmSaleOut" << "-3 0 0" << "添加单据号为D1的销售出库单"
                                             << "select SaleOutID,CustomerID,SalerID,Amount from SaleOut";
        QTest::newRow("order moves nothing") << "FrmSaleOrder" << "2 0 0" << "添加单据号为D1的销售订单"
                                             << "select SaleOrderID,CustomerID,SalerID,Amount from SaleOrder";
        QTest::newRow("return adds") << "FrmSaleReturn" << "7 0 0" << "添加单据号为D1的销售退货单"
                                     << "select SaleReturnID,CustomerID,SalerID,Amount from SaleReturn";
    }
    void saveMovesStockLogsAndCloses()
    {
        QFETCH(QString, window);
        QFETCH(QString, stockAfter);
        QFETCH(QString, log);
        QFETCH(QString, saved);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.db().exec(QStringLiteral("update Product set NowStorage=2 where GoodsID='G1'"));
        msg::Recorder shown;
        auto w = openBill(app, window, 1);
        QVERIFY(w);
        fillHeader(*w, QStringLiteral("D1"));
        fillLine(*w, 1, lineOf(*w, QStringLiteral("G1"), QStringLiteral("5"), QString()));
        QCOMPARE(w->lines().cell(1, ColRole::Price), QStringLiteral("3")); // the sale price
        QVERIFY(w->save());
        QCOMPARE(shown.count(), 0);
        QVERIFY(!w->isVisible());
        QCOMPARE(w->result(), int(QDialog::Accepted));
        QCOMPARE(stock(app), stockAfter);
        QCOMPARE(app.log(), QStringList{log});
        QCOMPARE(app.one(saved), QStringLiteral("D1|C1|Y1|15"));
    }

    // A failure inside the database part-way leaves nothing of the save.
    void failedSaveLeavesNothing_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("lineTable");
        QTest::newRow("order") << "FrmSaleOrder" << "SaleOrderDetail";
        QTest::newRow("delivery") << "FrmSaleOut" << "SaleOutDetail";
        QTest::newRow("return") << "FrmSaleReturn" << "SaleReturnDetail";
    }
    void failedSaveLeavesNothing()
    {
        QFETCH(QString, window);
        QFETCH(QString, lineTable);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        // The log entry is the last thing a save writes.
        app.db().exec(QStringLiteral("create trigger refuse before insert on OperatorLog "
                                     "begin select raise(fail, '写入日志失败'); end"));
        msg::Recorder shown;
        auto w = openBill(app, window, 1);
        fillHeader(*w, QStringLiteral("D1"));
        fillLine(*w, 1, lineOf(*w, QStringLiteral("G1"), QStringLiteral("5"), QStringLiteral("3")));
        fillLine(*w, 2, lineOf(*w, QStringLiteral("G2"), QStringLiteral("1"), QStringLiteral("15")));
        QVERIFY(!w->save());
        QCOMPARE(shown.lastTitle(), QStringLiteral("错误"));
        QCOMPARE(shown.lastText(), QStringLiteral("写入日志失败"));
        QVERIFY(w->isVisible());
        QCOMPARE(w->lines().cell(2, 1), QStringLiteral("G2"));
        QCOMPARE(app.count(w->kind().headTable), 0);
        QCOMPARE(app.count(lineTable), 0);
        QCOMPARE(stock(app), QStringLiteral("0 0 0"));
        QCOMPARE(app.count(QStringLiteral("OperatorLog")), 0);
        QVERIFY(button(*w, "cmd_Save")->isEnabled());
    }

    // A delivery made from an order that fails at its last step leaves the
    // order, its delivered quantities and the stock as they were.
    void failedDeliveryLeavesTheOrderAsItWas()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        addSaleOrder(app, QStringLiteral("SO1"), QStringLiteral("未出库"), QStringLiteral("('SO1','G1',10,3,0)"));
        app.db().exec(QStringLiteral("create trigger refuse before update of Status on SaleOrder "
                                     "begin select raise(fail, '订单已锁定'); end"));
        BillDraft d;
        d.number = QStringLiteral("D1");
        d.head = {{QStringLiteral("CustomerID"), QStringLiteral("C1")}};
        BillLine line;
        line.goodsId = QStringLiteral("G1");
        line.qty = 4;
        line.values = {QStringLiteral("G1"), QStringLiteral("1"), 4, 3};
        d.lines = {line};
        d.linkedOrder = QStringLiteral("SO1");
        d.operatorId = QStringLiteral("Administrator");
        BillStore store(app.db(), deliveryKind());
        QVERIFY_THROWS_EXCEPTION(DbError, store.save(d));
        QCOMPARE(app.one(QStringLiteral("select OutNum from SaleOrderDetail")), QStringLiteral("0"));
        QCOMPARE(app.one(QStringLiteral("select Status from SaleOrder")), QStringLiteral("未出库"));
        QCOMPARE(stock(app), QStringLiteral("0 0 0"));
        QCOMPARE(app.count(QStringLiteral("SaleOut")) + app.count(QStringLiteral("SaleOutDetail")), 0);
        QCOMPARE(app.count(QStringLiteral("OperatorLog")), 0);
    }

    // The required-field message names each bill's own fields; the customer
    // must exist, typed as a code or chosen.
    void checks_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("customer"); // typed into the box; "" leaves it empty
        QTest::addColumn<QString>("message");  // "" saves
        const QString both = QStringLiteral("请将数据填写完整！\n制单日期、单据号、客户、业务员均为必填项。");
        QTest::newRow("order") << "FrmSaleOrder" << "" << both;
        QTest::newRow("delivery") << "FrmSaleOut" << "" << both;
        QTest::newRow("return, list preset but box empty")
            << "FrmSaleReturn" << ""
            << "请将数据填写完整！\n制单日期、单据号、客户、业务员、退货日期、验收人均为必填项。";
        QTest::newRow("unknown customer") << "FrmSaleOut" << "C9-无此客户" << "客户“C9-无此客户”不存在，请从列表中选择！";
        QTest::newRow("a very long text is quoted short")
            << "FrmSaleOut" << QString(10000, QLatin1Char('x'))
            << "客户“" + QString(40, QLatin1Char('x')) + "…”不存在，请从列表中选择！";
        QTest::newRow("customer by its code") << "FrmSaleOrder" << "c1" << "";
        QTest::newRow("return, customer typed") << "FrmSaleReturn" << "C2" << "";
    }
    void checks()
    {
        QFETCH(QString, window);
        QFETCH(QString, customer);
        QFETCH(QString, message);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.db().exec(QStringLiteral("insert into Customer(CustomerID,CustomerName) values('C2','西门商行')"));
        msg::Recorder shown;
        auto w = openBill(app, window, 1);
        type(box(*w, w->kind().field(FieldKind::Number)->box.toLatin1().constData()), QStringLiteral("N1"));
        box(*w, "txt_Customer")->setText(customer);
        pick(*w, QStringLiteral("Saler"), QStringLiteral("Y1-"));
        if (w->findChild<QLineEdit *>(QStringLiteral("txt_Accepter")))
            pick(*w, QStringLiteral("Accepter"), QStringLiteral("A1-"));
        fillLine(*w, 1, lineOf(*w, QStringLiteral("G1"), QStringLiteral("1"), QStringLiteral("3")));
        QCOMPARE(w->save(), message.isEmpty());
        if (!message.isEmpty()) {
            QCOMPARE(shown.lastText(), message);
            QVERIFY(w->isVisible());
            QCOMPARE(app.count(w->kind().headTable), 0);
            return;
        }
        // The code saved is the customer's as stored, whatever the list was preset to.
        QCOMPARE(app.one(QStringLiteral("select CustomerID from ") + w->kind().headTable),
                 customer.trimmed().toUpper());
    }

    // The focus starts on the first header box, and Enter walks the header
    // boxes as they are read, then the remark, then "保存".
    void enterWalksTheHeader_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("walk");
        QTest::newRow("order") << "FrmSaleOrder"
                               << QStringList{"txt_OperateDate", "txt_SaleOrderID", "txt_Customer", "txt_Saler",
                                              "txt_Remark", "cmd_Save"};
        QTest::newRow("delivery") << "FrmSaleOut"
                                  << QStringList{"txt_OperateDate", "txt_SaleOutID", "txt_Customer", "txt_Saler",
                                                 "txt_Remark", "cmd_Save"};
        QTest::newRow("return") << "FrmSaleReturn"
                                << QStringList{"txt_OperateDate", "txt_SaleReturnID", "txt_Customer", "txt_Saler",
                                               "txt_ReturnDate", "txt_Accepter", "txt_Remark", "cmd_Save"};
    }
    void enterWalksTheHeader()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, walk);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        auto w = openBill(app, window, 1);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QStringList seen{QApplication::focusWidget()->objectName()};
        while (seen.size() < walk.size()) {
            enter(QApplication::focusWidget());
            seen << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(seen, walk);
        QVERIFY(w->isVisible()); // Enter on "保存" leaves the bill as it was
        QCOMPARE(app.count(w->kind().headTable), 0);
    }

    // "关联" copies an open order's lines, not its customer; each copied line
    // needs its storage chosen; the save raises the order's delivered
    // quantities and closes it, and the order leaves the picker.
    void deliveryFromAnOrder()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        addSaleOrder(app, QStringLiteral("SO1"), QStringLiteral("未出库"),
                     QStringLiteral("('SO1','G1',10,3,0),('SO1','G2',1,15,0),('SO1','G1',2,3,0)"));
        addSaleOrder(app, QStringLiteral("SO2"), QStringLiteral("已出库"), QStringLiteral("('SO2','G3',1,6,1)"));
        msg::Recorder shown;
        modal::Script script;
        script.then([](QDialog *d) {
            auto *grid = child<TextGrid>(d, "OrderConnGrd");
            QCOMPARE(grid->rows(), 2); // the open order only
            QCOMPARE(grid->textMatrix(1, 1), QStringLiteral("SO1"));
            QCOMPARE(grid->textMatrix(1, 3), QStringLiteral("东方商店"));
            grid->clickCell(1, 2);
            child<QPushButton>(d, "cmd_OK")->click();
        });
        auto w = openBill(app, QStringLiteral("FrmSaleOut"), 1);
        type(box(*w, "txt_SaleOutID"), QStringLiteral("D1"));
        pick(*w, QStringLiteral("Saler"), QStringLiteral("Y1-"));
        button(*w, "cmd_SelOrder")->click();
        QCOMPARE(w->linkedOrder(), QStringLiteral("SO1"));
        QCOMPARE(w->fieldText(QStringLiteral("txt_Customer")), QString());
        QCOMPARE(w->lines().rows(), 5);
        QCOMPARE(w->lines().cell(1, 5), QStringLiteral("请选择库位"));
        QCOMPARE(w->lines().cell(4, 8), QStringLiteral(" 51"));
        pick(*w, QStringLiteral("Customer"), QStringLiteral("C1-"));
        QVERIFY(!w->save());
        QCOMPARE(shown.lastText(), QStringLiteral("请在第1行输入正确的库位！"));
        QCOMPARE(w->lines().cell(1, 5), QString());
        // The second line is delivered short; a line of goods the order does not hold is added.
        w->clickCell(2, 6);
        w->cellEditor()->selectAll();
        type(w->cellEditor(), QStringLiteral("0.5"));
        fillLine(*w, 4, {QStringLiteral("G3"), QStringLiteral("2-"), QStringLiteral("1"), QStringLiteral("6")});
        for (int row : {1, 2, 3}) {
            w->clickCell(row, 5);
            choose(w->storageEditor(), QStringLiteral("1-"));
        }
        QVERIFY(w->save());
        QVERIFY(!w->isVisible());
        QCOMPARE(app.rows(QStringLiteral("select GoodsID,GoodsNumber,OutNum from SaleOrderDetail where SaleOrderID='SO1' "
                                         "order by LineID")),
                 (QStringList{"G1|10|12", "G2|1|0.5", "G1|2|0"}));
        QCOMPARE(app.one(QStringLiteral("select Status from SaleOrder where SaleOrderID='SO1'")), QStringLiteral("已出库"));
        QCOMPARE(app.one(QStringLiteral("select OutNum from SaleOrderDetail where SaleOrderID='SO2'")), QStringLiteral("1"));
        QCOMPARE(stock(app), QStringLiteral("-12 -0.5 -1"));
        QCOMPARE(app.one(QStringLiteral("select Amount from SaleOut")), QStringLiteral("49.5"));

        // The order is no longer offered.
        script.then([](QDialog *d) { QCOMPARE(child<TextGrid>(d, "OrderConnGrd")->rows(), 1); });
        auto next = openBill(app, QStringLiteral("FrmSaleOut"), 1);
        button(*next, "cmd_SelOrder")->click();
        QCOMPARE(script.shownCount(), 2);
        QVERIFY(next->linkedOrder().isEmpty());
    }

    // Modifying a saved bill rewrites it but moves no stock and no delivered
    // quantity; loaded lines need their storage chosen again.
    void modifyMovesNothing()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        addSaleOrder(app, QStringLiteral("SO1"), QStringLiteral("已出库"), QStringLiteral("('SO1','G1',10,3,4)"));
        app.db().exec(QStringLiteral("insert into SaleOut(SaleOutID,OperateDate,CustomerID,Amount,OperatorID,SalerID,Remark)"
                                     " values('D1','2026-12-02','C1',12,'Administrator','Y1','旧')"));
        app.db().exec(QStringLiteral("insert into SaleOutDetail(SaleOutID,GoodsID,StorageID,GoodsNumber,UnitPrice) "
                                     "values('D1','G1','1',4,3)"));
        msg::Recorder shown;
        modal::Script script;
        script.then([](QDialog *d) {
            const Report &r = child<ReportViewer>(d, "CRViewer1")->report();
            QCOMPARE(d->objectName(), QStringLiteral("FrmSaleOutDetailPrint"));
            QCOMPARE(r.title, QStringLiteral("销售出库单D1"));
            QCOMPARE(r.rows->rowCount(), 1);
            QVERIFY(r.billTotal);
        });
        auto w = openBill(app, QStringLiteral("FrmSaleOut"), 2, QStringLiteral("D1"));
        QVERIFY(w);
        button(*w, "cmd_Print")->click();
        QCOMPARE(script.shownCount(), 1);
        QVERIFY(!box(*w, "txt_SaleOutID")->isEnabled());
        QVERIFY(button(*w, "cmd_SelOrder")->isHidden());
        QCOMPARE(w->lines().cell(1, 5), QStringLiteral("主仓库"));
        w->clickCell(1, 6);
        w->cellEditor()->selectAll();
        type(w->cellEditor(), QStringLiteral("6"));
        QVERIFY(!w->save());
        QCOMPARE(shown.lastText(), QStringLiteral("请在第1行输入正确的库位！"));
        w->clickCell(1, 5);
        choose(w->storageEditor(), QStringLiteral("2-"));
        QVERIFY(w->save());
        QCOMPARE(app.one(QStringLiteral("select StorageID,GoodsNumber from SaleOutDetail")), QStringLiteral("2|6"));
        QCOMPARE(app.one(QStringLiteral("select Amount,Remark from SaleOut")), QStringLiteral("18|旧"));
        QCOMPARE(stock(app), QStringLiteral("0 0 0"));
        QCOMPARE(app.one(QStringLiteral("select OutNum from SaleOrderDetail")), QStringLiteral("4"));
        QCOMPARE(app.log(), QStringList{QStringLiteral("修改单据号为D1的销售出库单")});
    }

    // A modified sales order keeps what was delivered against each line
    // whose goods stayed; a line changed to other goods starts at nothing.
    void modifiedOrderKeepsWhatWasDelivered()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        addSaleOrder(app, QStringLiteral("SO1"), QStringLiteral("已出库"),
                     QStringLiteral("('SO1','G1',10,3,4),('SO1','G2',5,15,5)"));
        auto w = openBill(app, QStringLiteral("FrmSaleOrder"), 2, QStringLiteral("SO1"));
        QVERIFY(w);
        QCOMPARE(w->lines().cell(1, 8), QStringLiteral("4"));
        w->clickCell(1, 1);
        w->cellEditor()->selectAll();
        type(w->cellEditor(), QStringLiteral("G1")); // the same goods typed again
        w->clickCell(2, 1);
        w->cellEditor()->selectAll();
        type(w->cellEditor(), QStringLiteral("G3"));
        QCOMPARE(w->lines().cell(2, 8), QString());
        QVERIFY(w->save());
        QCOMPARE(app.rows(QStringLiteral("select GoodsID,OutNum from SaleOrderDetail order by LineID")),
                 (QStringList{"G1|4", "G3|0"}));
        QCOMPARE(app.one(QStringLiteral("select Status from SaleOrder")), QStringLiteral("已出库"));
    }

    // "应收款" asks for the number first; on a delivery without a
    // receivable it opens a new one prefilled with the customer, the total
    // and the number; afterwards it opens that one.
    void receivableOfADelivery()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.state().idByte = 4;
        app.state().editMode = 1;
        msg::Recorder shown;
        modal::Script script;
        script.then([](QDialog *d) {
            QCOMPARE(d->objectName(), QStringLiteral("FrmIncome"));
            QCOMPARE(d->windowTitle(), QStringLiteral("应收款"));
            QCOMPARE(child<QComboBox>(d, "cmb_Customer")->currentText(), QStringLiteral("C1-东方商店"));
            QCOMPARE(child<QLineEdit>(d, "txt_MustIncome")->text(), QStringLiteral("15"));
            QCOMPARE(child<QLabel>(d, "Label4")->text(), QStringLiteral("应付金额"));
            QVERIFY(child<QPushButton>(d, "cmd_Add")->isHidden());
            QCOMPARE(child<QGroupBox>(d, "Frame1")->title(), QStringLiteral("0001"));
            choose(child<QComboBox>(d, "cmb_PayMode"), QStringLiteral("P1-"));
            QTest::keyClicks(child<QLineEdit>(d, "txt_HaveIncome"), QStringLiteral("10"));
            QCOMPARE(child<QLineEdit>(d, "txt_LeftIncome")->text(), QStringLiteral("5"));
            child<QPushButton>(d, "cmd_OK")->click();
        });
        script.then([](QDialog *d) {
            QCOMPARE(child<QGroupBox>(d, "Frame1")->title(), QStringLiteral("0001"));
            QCOMPARE(child<QLineEdit>(d, "txt_HaveIncome")->text(), QStringLiteral("10"));
            QVERIFY(child<QPushButton>(d, "cmd_Add")->isHidden());
        });
        auto w = openBill(app, QStringLiteral("FrmSaleOut"), 1);
        // 打印 and 应收款 on the left; 关联, 保存, 退出 on the right.
        int x = -1;
        for (const char *name : {"cmd_Print", "cmd_Income", "cmd_SelOrder", "cmd_Save", "cmd_Exit"}) {
            QVERIFY2(button(*w, name)->x() > x, name);
            x = button(*w, name)->x();
        }
        button(*w, "cmd_Income")->click();
        QCOMPARE(shown.lastText(), QStringLiteral("请先输入单据号！"));
        QCOMPARE(script.shownCount(), 0);
        fillHeader(*w, QStringLiteral("D9"));
        fillLine(*w, 1, lineOf(*w, QStringLiteral("G1"), QStringLiteral("5"), QString()));
        button(*w, "cmd_Income")->click(); // before the delivery is saved
        QCOMPARE(app.one(QStringLiteral("select IncomeID,CustomerID,PayModeID,MustIncome,HaveIncome,OperatorID,SaleOutID "
                                        "from Income")),
                 QStringLiteral("0001|C1|P1|15|10|Administrator|D9"));
        QCOMPARE(app.log(), QStringList{QStringLiteral("添加单号为0001的应收款")});
        QCOMPARE(app.state().editMode, 1);
        button(*w, "cmd_Income")->click();
        QCOMPARE(script.shownCount(), 2);
        QCOMPARE(app.state().editMode, 1);
        QCOMPARE(app.count(QStringLiteral("Income")), 1);
    }

    // A receivable made from the main window: numbered after the highest,
    // its customer and amounts checked, the log naming each one saved.
    void receivableChecksAndNumbers_data()
    {
        QTest::addColumn<QString>("customer");
        QTest::addColumn<QString>("must");
        QTest::addColumn<QString>("message"); // "" saves
        QTest::newRow("chosen") << "C1-东方商店" << "100" << "";
        QTest::newRow("code typed alone") << "C1" << "100" << "";
        QTest::newRow("code in another case") << "c1" << "100" << "";
        QTest::newRow("no customer") << "" << "100" << "请将数据填写完整！";
        QTest::newRow("unknown customer") << "无此客户" << "100" << "客户“无此客户”不存在，请从列表中选择！";
        QTest::newRow("not a plain number") << "C1-东方商店" << "12abc" << "请输入正确的应收金额和已收金额！";
    }
    void receivableChecksAndNumbers()
    {
        QFETCH(QString, customer);
        QFETCH(QString, must);
        QFETCH(QString, message);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.state().idByte = 4;
        app.db().exec(QStringLiteral("insert into Income(IncomeID,CustomerID,PayModeID) values('0099','C1','P1')"));
        msg::Recorder shown;
        FrmIncome w(app.state(), 1, QString());
        QVERIFY(w.load());
        QCOMPARE(w.number(), QStringLiteral("0100"));
        child<QComboBox>(&w, "cmb_Customer")->setEditText(customer);
        choose(child<QComboBox>(&w, "cmb_PayMode"), QStringLiteral("P2-"));
        QTest::keyClicks(child<QLineEdit>(&w, "txt_MustIncome"), must);
        QCOMPARE(w.saveAndNew(), message.isEmpty());
        if (!message.isEmpty()) {
            QCOMPARE(shown.lastText(), message);
            QCOMPARE(app.count(QStringLiteral("Income")), 1);
            return;
        }
        QCOMPARE(w.number(), QStringLiteral("0101"));
        QCOMPARE(app.one(QStringLiteral("select CustomerID,PayModeID,MustIncome,SaleOutID from Income where IncomeID='0100'")),
                 QStringLiteral("C1|P2|100|"));
        QCOMPARE(app.log(), QStringList{QStringLiteral("添加单号为0100的应收款")});
    }

    // The main window's add and modify commands open the sales windows, and
    // the list shows a saved bill at once.
    void fromTheMainWindow_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("window");
        QTest::newRow("201") << 201 << "FrmSaleOrder";
        QTest::newRow("202") << 202 << "FrmSaleOut";
        QTest::newRow("302") << 302 << "FrmSaleOut";
        QTest::newRow("204") << 204 << "FrmSaleReturn";
    }
    void fromTheMainWindow()
    {
        QFETCH(int, code);
        QFETCH(QString, window);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        msg::Recorder shown;
        modal::Script script;
        script.then([&](QDialog *d) {
            QCOMPARE(d->objectName(), window);
            auto *w = dynamic_cast<BillWindow *>(d);
            QVERIFY(w);
            fillHeader(*w, QStringLiteral("B'1"));
            fillLine(*w, 1, lineOf(*w, QStringLiteral("G2"), QStringLiteral("2"), QString()));
            QVERIFY(w->save());
        });
        script.then([&](QDialog *d) {
            auto *w = dynamic_cast<BillWindow *>(d);
            QCOMPARE(w->mode(), 2);
            QCOMPARE(w->fieldText(w->kind().field(FieldKind::Number)->box), QStringLiteral("B'1"));
            QCOMPARE(w->lines().cell(1, 1), QStringLiteral("G2"));
        });
        FrmMain main(app.state());
        main.navigate(code);
        main.findChild<QAction *>(QStringLiteral("E_Add"))->trigger();
        QCOMPARE(shown.count(), 0);
        QCOMPARE(main.grid()->rows(), 2);
        QCOMPARE(main.grid()->textMatrix(1, 1), QStringLiteral("B'1"));
        main.findChild<QAction *>(QStringLiteral("E_Modify"))->trigger();
        QCOMPARE(script.shownCount(), 2);
    }

    void receivablesFromTheMainWindow()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData(); // the main window reads IDByte 8 from Setup.ini
        modal::Script script;
        script.then([](QDialog *d) {
            QCOMPARE(d->objectName(), QStringLiteral("FrmIncome"));
            choose(child<QComboBox>(d, "cmb_Customer"), QStringLiteral("C1-"));
            choose(child<QComboBox>(d, "cmb_PayMode"), QStringLiteral("P1-"));
            QTest::keyClicks(child<QLineEdit>(d, "txt_MustIncome"), QStringLiteral("30"));
            child<QPushButton>(d, "cmd_OK")->click();
        });
        script.then([](QDialog *d) {
            QCOMPARE(child<QGroupBox>(d, "Frame1")->title(), QStringLiteral("00000001"));
            QCOMPARE(child<QLineEdit>(d, "txt_MustIncome")->text(), QStringLiteral("30"));
        });
        FrmMain main(app.state());
        main.navigate(203);
        main.findChild<QAction *>(QStringLiteral("E_Add"))->trigger();
        QCOMPARE(main.grid()->textMatrix(1, 1), QStringLiteral("00000001"));
        main.findChild<QAction *>(QStringLiteral("E_Modify"))->trigger();
        QCOMPARE(script.shownCount(), 2);
    }
};

QTEST_MAIN(TestSales)
#include "test_sales.moc"
