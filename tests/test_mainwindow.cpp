// The main window: navigation, every list, the command states, the edit and
// print commands and the exit question.
#include "TestSupport.h"

#include "core/FrmMain.h"
#include "core/ListCatalog.h"
#include "core/Settings.h"
#include "core/WindowRegistry.h"
#include "platform/grid/TextGrid.h"
#include "platform/nav/NavigationBar.h"
#include "platform/ui/Modal.h"
#include "platform/ui/Msg.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

namespace {

// What the fake editors saw.
struct Seen {
    QStringList ids;
    QList<int> modes;
    int shown = 0;
    bool loadSucceeds = true;
};

class FakeEditor : public QDialog, public LoadableWindow
{
public:
    FakeEditor(Seen &seen, QWidget *parent) : QDialog(parent), m_seen(seen) {}
    bool load() override { return m_seen.loadSucceeds; }

private:
    Seen &m_seen;
};

bool enabled(FrmMain &w, const char *action)
{
    return w.findChild<QAction *>(QString::fromLatin1(action))->isEnabled();
}

// The rows selected in the grid, counted from 1, in order.
QList<int> selectedRows(TextGrid *g)
{
    QList<int> rows;
    for (const QModelIndex &i : g->selectionModel()->selectedRows())
        rows << i.row() + 1;
    std::sort(rows.begin(), rows.end());
    return rows;
}

QString title(FrmMain &w)
{
    return w.findChild<QLabel *>(QStringLiteral("txt_List"))->text();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    WindowRegistry fakeRegistry(Seen &seen)
    {
        WindowRegistry r;
        r.addEditor({101, 102, 301, 504}, QStringLiteral("Fake"), [&seen](AppState &st, const QString &id, QWidget *p) {
            seen.ids << id;
            seen.modes << st.editMode;
            auto *d = new FakeEditor(seen, p);
            connect(d, &QDialog::finished, d, [&seen] { ++seen.shown; });
            return d;
        });
        r.addListPrint({102, 301}, QStringLiteral("FrmBuyInPrint"), [](AppState &st) {
            auto *w = new QLabel(QStringLiteral("rows %1").arg(st.listRs->rowCount()));
            w->setObjectName(QStringLiteral("FrmBuyInPrint"));
            return w;
        });
        return r;
    }

    static void addOrders(TestApp &app, int n)
    {
        for (int i = 1; i <= n; ++i)
            app.db().exec(QStringLiteral("insert into PurchaseOrder(PurchaseOrderID,OperateDate,SupplierID,Amount,"
                                         "OperatorID,BuyerID) values(?,'2026-12-08','S1',?,'Administrator','B1')"),
                          {QStringLiteral("PO%1").arg(i, 3, 10, QLatin1Char('0')), 100.0 * i});
    }

private slots:
    void navigationBarGroupsAndCodes()
    {
        TestApp app;
        QVERIFY(app.ok());
        msg::Recorder box;
        modal::Script script;
        FrmMain w(app.state(), WindowRegistry());
        NavigationBar *nav = w.navigation();
        QCOMPARE(nav->objectName(), QStringLiteral("Navigation"));
        QCOMPARE(nav->groupCount(), 6);
        const QList<int> counts{4, 4, 4, 8, 13, 6};
        const QStringList groups{"采购管理", "销售管理", "库存管理", "统计报表", "基本资料", "系统维护"};
        for (int g = 1; g <= 6; ++g) {
            QCOMPARE(nav->itemCount(g), counts[g - 1]);
            QCOMPARE(nav->groupCaption(g), groups[g - 1]);
        }
        QCOMPARE(nav->itemCaption(3, 3), QStringLiteral("库位调整"));
        QCOMPARE(nav->itemCaption(6, 1), QStringLiteral("注销"));
        QCOMPARE(nav->itemCaption(6, 6), QStringLiteral("系统帮助"));
        // The menus' items in order, separators ("-") by name too.
        QStringList items;
        for (const QMenu *m : w.menuBar()->findChildren<QMenu *>(Qt::FindDirectChildrenOnly))
            for (const QAction *a : m->actions())
                items << a->objectName() + (a->isSeparator() ? QStringLiteral("-") : QString());
        QCOMPARE(items.join(QLatin1Char(' ')), QStringLiteral("F_Out F_3- F_Exit E_Add E_Modify E_Del F_2- F_PrintPreview "
                                                             "W_BillBColor W_1- F_ChangePassword W_2- W_UseCom H_Help H_1- H_About"));
        // Load shows list 101.
        QCOMPARE(app.state().navCode, 101);
        QCOMPARE(title(w), QStringLiteral("采购订单列表"));
        for (int g = 1; g <= 6; ++g) {
            for (int i = 1; i <= counts[g - 1]; ++i) {
                nav->clickItem(g, i);
                QCOMPARE(app.state().navCode, g * 100 + i);
            }
        }
    }

    void everyListRunsOnTheShippedSchema_data()
    {
        QTest::addColumn<int>("code");
        for (const ListSpec &s : allListSpecs())
            if (s.kind != ListSpec::Action)
                QTest::newRow(qPrintable(QString::number(s.code))) << s.code;
    }
    void everyListRunsOnTheShippedSchema()
    {
        QFETCH(int, code);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        msg::Recorder box;
        FrmMain w(app.state(), WindowRegistry());
        box.clear();
        w.navigate(code);
        QCOMPARE(box.count(), 0);
        const ListSpec *list = listSpec(code);
        QCOMPARE(title(w), list->title);
        TextGrid *g = w.grid();
        QCOMPARE(g->textMatrix(0, 0), QStringLiteral("行号"));
        QCOMPARE(g->cols(), app.state().listRs->columnCount() + 1);
        for (int c = 1; c < g->cols(); ++c)
            QCOMPARE(g->textMatrix(0, c), app.state().listRs->columns().at(c - 1));
        if (!list->widths.isEmpty()) {
            QCOMPARE(list->widths.size(), g->cols());
            for (int c = 0; c < g->cols(); ++c)
                QVERIFY(qAbs(g->colWidth(c) - list->widths[c]) < 15);
        }
        QVERIFY(!enabled(w, "E_Del"));
    }

    void rowsAreNumbered()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        addOrders(app, 3);
        FrmMain w(app.state(), WindowRegistry());
        TextGrid *g = w.grid();
        QCOMPARE(g->rows(), 4);
        QCOMPARE(g->textMatrix(1, 0), QStringLiteral("1"));
        QCOMPARE(g->textMatrix(3, 0), QStringLiteral("3"));
        QCOMPARE(g->textMatrix(3, 1), QStringLiteral("PO003"));
        QCOMPARE(g->textMatrix(3, 4), QStringLiteral("300"));
        QCOMPARE(g->textMatrix(3, 7), QStringLiteral("未入库"));
    }

    void lowStockListsGoodsStrictlyBelowTheirMinimum()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.db().exec(QStringLiteral("update Product set NowStorage=9 where GoodsID='G1'"));  // min 10: listed
        app.db().exec(QStringLiteral("update Product set NowStorage=5 where GoodsID='G2'"));  // min 5: not listed
        app.db().exec(QStringLiteral("update Product set NowStorage=-1 where GoodsID='G3'")); // min 0: listed
        FrmMain w(app.state(), WindowRegistry());
        w.navigate(401);
        QCOMPARE(w.grid()->rows(), 3);
        QCOMPARE(w.grid()->textMatrix(1, 1), QStringLiteral("G1"));
        QCOMPARE(w.grid()->textMatrix(2, 1), QStringLiteral("G3"));
        QCOMPARE(w.grid()->textMatrix(2, 6), QStringLiteral("-1"));
    }

    void summariesPerPartnerAndPayMode()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        Database &db = app.db();
        db.exec(QStringLiteral("insert into Supplier(SupplierID,SupplierName,TypeID) values('S0','阿里供应','ST1')"));
        const QString pay = QStringLiteral("insert into Pay(PayID,SupplierID,PayModeID,MustPay,HavePay) values(?,?,?,?,?)");
        db.exec(pay, {QStringLiteral("1"), QStringLiteral("S1"), QStringLiteral("P1"), 100, 30.5});
        db.exec(pay, {QStringLiteral("2"), QStringLiteral("S1"), QStringLiteral("P1"), 50, 0});
        db.exec(pay, {QStringLiteral("3"), QStringLiteral("S1"), QStringLiteral("P2"), 20, 20});
        db.exec(pay, {QStringLiteral("4"), QStringLiteral("S0"), QStringLiteral("P2"), 10, 12});
        const QString income = QStringLiteral("insert into Income(IncomeID,CustomerID,PayModeID,MustIncome,HaveIncome) "
                                              "values(?,'C1',?,?,?)");
        db.exec(income, {QStringLiteral("1"), QStringLiteral("P2"), 80, 10});
        db.exec(income, {QStringLiteral("2"), QStringLiteral("P1"), 5, 0});
        // Paid in full, in another order than owed: owes 0, not a binary remainder.
        db.exec(QStringLiteral("insert into Customer(CustomerID,CustomerName,TypeID) values('C2','西方商店','CT1')"));
        const QString paid = QStringLiteral("insert into Income(IncomeID,CustomerID,PayModeID,MustIncome,HaveIncome) "
                                            "values(?,'C2','P1',?,?)");
        db.exec(paid, {QStringLiteral("3"), 672.69, 672.69});
        db.exec(paid, {QStringLiteral("4"), 4237.32, 3819.11});
        db.exec(paid, {QStringLiteral("5"), 3819.11, 4237.32});
        // Sums exact to the sixth place: a large account paid in full owes 0,
        // sixteen payables of 60039476.443479 make 960631623.095664.
        db.exec(QStringLiteral("insert into Supplier(SupplierID,SupplierName,TypeID) values('S8','大额供应','ST1'),"
                               "('S9','多笔供应','ST1')"));
        const QVector<double> owed{521996014.803791, 956282007.736926, 887318119.264339, 622052744.79264},
            paidBy{173998671.601264, 347997343.202527, 318760669.245642, 637521338.491284,
                   295772706.421446, 591545412.842893, 207350914.93088,  414701829.86176};
        for (int i = 0; i < paidBy.size(); ++i)
            db.exec(pay, {QStringLiteral("L%1").arg(i), QStringLiteral("S8"), QStringLiteral("P1"), owed.value(i), paidBy[i]});
        for (int i = 0; i < 16; ++i)
            db.exec(pay, {QStringLiteral("M%1").arg(i), QStringLiteral("S9"), QStringLiteral("P1"), 60039476.443479, 0});
        FrmMain w(app.state(), WindowRegistry());
        w.navigate(406);
        QStringList got;
        for (int r = 1; r < w.grid()->rows(); ++r) {
            QStringList f;
            for (int c = 1; c < w.grid()->cols(); ++c)
                f << w.grid()->textMatrix(r, c);
            got << f.join(QLatin1Char('|'));
        }
        QCOMPARE(got, (QStringList{QStringLiteral("多笔供应|960631623.095664|0|960631623.095664|现金"),
                                   QStringLiteral("大额供应|2987648886.5977|2987648886.5977|0|现金"),
                                   QStringLiteral("恒远供应|150|30.5|119.5|现金"), QStringLiteral("恒远供应|20|20|0|转账"),
                                   QStringLiteral("阿里供应|10|12|-2|转账")}));
        w.navigate(405);
        QCOMPARE(w.grid()->rows(), 4);
        QCOMPARE(w.grid()->textMatrix(1, 4), QStringLiteral("5"));
        QCOMPARE(w.grid()->textMatrix(2, 4), QStringLiteral("70"));
        QCOMPARE(w.grid()->textMatrix(2, 5), QStringLiteral("转账"));
        QCOMPARE(w.grid()->textMatrix(3, 4), QStringLiteral("0"));
    }

    void lineSummariesComputeTheAmount()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.db().exec(QStringLiteral("insert into ReceiveReceiptDetail(ReceiveReceiptID,GoodsID,StorageID,ReceiveNumber,"
                                     "UnitPrice) values('R2','G2','1',3,2.5),('R1','G1','2',4,0.25)"));
        app.db().exec(QStringLiteral("insert into SaleOutDetail(SaleOutID,GoodsID,StorageID,GoodsNumber,UnitPrice) "
                                     "values('D1','G3','2',-2,10)"));
        FrmMain w(app.state(), WindowRegistry());
        w.navigate(403);
        QCOMPARE(w.grid()->rows(), 3);
        QCOMPARE(w.grid()->textMatrix(1, 2), QStringLiteral("G1"));
        QCOMPARE(w.grid()->textMatrix(1, 10), QStringLiteral("1"));
        QCOMPARE(w.grid()->textMatrix(2, 10), QStringLiteral("7.5"));
        QCOMPARE(w.grid()->textMatrix(2, 7), QStringLiteral("主仓库"));
        w.navigate(404);
        QCOMPARE(w.grid()->textMatrix(1, 10), QStringLiteral("-20"));
    }

    void goodsSummariesReadTheirIndexInOrder_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("index");
        QTest::newRow("403") << 403 << "ReceiveReceiptDetail_Goods";
        QTest::newRow("404") << 404 << "SaleOutDetail_Goods";
    }
    void goodsSummariesReadTheirIndexInOrder()
    {
        QFETCH(int, code);
        QFETCH(QString, index);
        TestApp app;
        QVERIFY(app.ok());
        const QStringList plan = app.rows(QStringLiteral("explain query plan ") + listSpec(code)->sql.text);
        QVERIFY2(plan.first().contains(QStringLiteral("SCAN A USING COVERING INDEX ") + index), qPrintable(plan.join('\n')));
        for (const QString &step : plan)
            QVERIFY2(!step.contains(QStringLiteral("TEMP B-TREE")), qPrintable(step));
    }

    void theListShownBeforeIsFreed()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        addOrders(app, 3);
        FrmMain w(app.state(), WindowRegistry());
        const std::weak_ptr<const ResultTable> orders = app.state().listRs;
        QCOMPARE(w.grid()->rows(), 4);
        w.navigate(504);
        QVERIFY(orders.expired());
        QCOMPARE(w.grid()->rows(), 3);
        msg::Recorder box;
        w.navigate(606); // a code without a list clears the grid
        QCOMPARE(w.grid()->model()->rowCount(), 0);
    }

    void commandStates_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("operatorId");
        QTest::addColumn<bool>("withRows");
        QTest::addColumn<bool>("add");
        QTest::addColumn<bool>("modify");
        const QString admin = QStringLiteral("Administrator");
        QTest::newRow("list with rows") << 101 << admin << true << true << true;
        QTest::newRow("empty list") << 101 << admin << false << true << false;
        QTest::newRow("goods") << 501 << admin << false << true << true;
        QTest::newRow("stock counts, empty") << 304 << admin << false << true << false;
        QTest::newRow("log, empty") << 605 << admin << false << true << false;
        for (int code = 401; code <= 408; ++code)
            QTest::newRow(qPrintable(QStringLiteral("report %1").arg(code))) << code << admin << true << false << false;
        QTest::newRow("operators, administrator") << 602 << admin << true << true << true;
        QTest::newRow("operators, other case") << 602 << "administrator" << true << false << false;
        QTest::newRow("operators, clerk") << 602 << "clerk" << true << false << false;
        QTest::newRow("help") << 606 << admin << true << true << true;
        QTest::newRow("backup") << 603 << admin << true << true << true;
    }
    void commandStates()
    {
        QFETCH(int, code);
        QFETCH(QString, operatorId);
        QFETCH(bool, withRows);
        QFETCH(bool, add);
        QFETCH(bool, modify);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        if (withRows)
            addOrders(app, 1);
        app.state().currentOperatorID = operatorId;
        msg::Recorder box;
        FrmMain w(app.state(), WindowRegistry());
        w.navigate(code);
        QCOMPARE(enabled(w, "E_Add"), add);
        QCOMPARE(enabled(w, "E_Modify"), modify);
        QVERIFY(!enabled(w, "E_Del"));
        // The toolbar buttons share the menu's commands and their state.
        auto *bar = w.findChild<QToolBar *>(QStringLiteral("TBar"));
        QCOMPARE(bar->widgetForAction(w.findChild<QAction *>(QStringLiteral("E_Add")))->isEnabled(), add);
        QCOMPARE(bar->widgetForAction(w.findChild<QAction *>(QStringLiteral("E_Del")))->isEnabled(), false);
        if (code == 602) {
            const bool shown = operatorId == QStringLiteral("Administrator");
            QCOMPARE(w.grid()->colWidth(1) > 0, shown);
            QCOMPARE(w.grid()->colWidth(0) > 0, shown);
        }
    }

    void actionCodesKeepThePreviousTitle()
    {
        TestApp app;
        QVERIFY(app.ok());
        msg::Recorder box;
        modal::Script script;
        FrmMain w(app.state(), WindowRegistry());
        w.navigate(102);
        w.navigate(606);
        QCOMPARE(box.lastText(), QStringLiteral("未找到帮助文件！"));
        QCOMPARE(box.lastTitle(), QStringLiteral("系统提示"));
        QCOMPARE(title(w), QStringLiteral("采购入库单列表"));
        // 新增记录 after 系统帮助 shows the message again.
        w.findChild<QAction *>(QStringLiteral("E_Add"))->trigger();
        QCOMPARE(box.count(), 2);
        w.navigate(601);
        QCOMPARE(script.shownCount(), 1); // the sign-in window
        QCOMPARE(title(w), QStringLiteral("采购入库单列表"));
    }

    void signingInAgainShowsTheNewOperatorAtOnce()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.db().exec(QStringLiteral("insert into Operator(OperatorID,OperatorName,UserPassword) values('clerk','张三','pw')"));
        modal::Script script;
        script.then([](QDialog *d) {
            d->findChild<QLineEdit *>(QStringLiteral("txt_UserID"))->setText(QStringLiteral("clerk"));
            d->findChild<QLineEdit *>(QStringLiteral("txt_Password"))->setText(QStringLiteral("pw"));
            d->findChild<QPushButton *>(QStringLiteral("cmd_OK"))->click();
        });
        FrmMain w(app.state(), WindowRegistry());
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("panel2"))->text(), QStringLiteral("当前操作员：系统管理员"));
        w.navigate(601);
        QCOMPARE(app.state().currentOperatorID, QStringLiteral("clerk"));
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("panel2"))->text(), QStringLiteral("当前操作员：张三"));
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("panel1"))->text(), QStringLiteral("恒远软件工作室"));
        QVERIFY(w.findChild<QLabel *>(QStringLiteral("panel3"))->text().startsWith(QStringLiteral("当前时间：")));
        // Now list 602 is hidden from this operator.
        w.navigate(602);
        QVERIFY(!enabled(w, "E_Add"));
    }

    // 修改记录 opens the current row; a click selects the clicked cell's
    // row, a Shift+click or a drag a range, white on black; a double click
    // opens its row; the list queried again shows its first row selected.
    void modifyHandsOverTheKeyOfTheCurrentRow()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        addOrders(app, 5);
        Seen seen;
        const WindowRegistry reg = fakeRegistry(seen);
        modal::Script script;
        FrmMain w(app.state(), reg);
        // Right after navigation, without a click: row 1.
        w.findChild<QAction *>(QStringLiteral("E_Modify"))->trigger();
        w.grid()->clickCell(3, 2);
        w.findChild<QAction *>(QStringLiteral("E_Modify"))->trigger();
        w.findChild<QAction *>(QStringLiteral("E_Add"))->trigger();
        QCOMPARE(seen.ids, (QStringList{QStringLiteral("PO001"), QStringLiteral("PO003"), QString()}));
        QCOMPARE(seen.modes, (QList<int>{2, 2, 1}));
        QCOMPARE(script.shownCount(), 3);
        // After every command the list is shown again from its first row.
        QCOMPARE(w.grid()->row(), 1);

        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *g = child<TextGrid>(&w, "Grd");
        const auto cell = [g](int row, int col) { return g->visualRect(g->model()->index(row - 1, col - 1)); };
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, cell(3, 2).center());
        QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::ShiftModifier, cell(4, 1).center());
        QCOMPARE(selectedRows(g), (QList<int>{3, 4}));
        const QImage shot = g->viewport()->grab().toImage();
        const QRect r = cell(4, 1);
        QCOMPARE(shot.pixelColor(r.left() + 1, r.center().y()), QColor(Qt::black));
        bool whiteText = false;
        for (int x = r.left(); x <= r.right(); ++x)
            whiteText = whiteText || shot.pixelColor(x, r.center().y()) == QColor(Qt::white);
        QVERIFY(whiteText);
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, cell(5, 2).center());
        QCOMPARE(seen.ids.last(), QStringLiteral("PO005"));
        QCOMPARE(selectedRows(g), QList<int>{1});
    }

    void doubleClickModifiesOnlyWhileModifyIsEnabled()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        Seen seen;
        const WindowRegistry reg = fakeRegistry(seen);
        modal::Script script;
        FrmMain w(app.state(), reg);
        emit w.grid()->doubleClicked();
        QCOMPARE(seen.ids.size(), 0); // empty list: modify is disabled
        addOrders(app, 1);
        w.navigate(101);
        emit w.grid()->doubleClicked();
        QCOMPARE(seen.ids, QStringList{QStringLiteral("PO001")});
    }

    void editorThatCannotLoadIsNotShownAndTheListIsRefreshed()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        addOrders(app, 2);
        Seen seen;
        seen.loadSucceeds = false;
        const WindowRegistry reg = fakeRegistry(seen);
        modal::Script script;
        FrmMain w(app.state(), reg);
        app.db().exec(QStringLiteral("delete from PurchaseOrder where PurchaseOrderID='PO001'"));
        w.findChild<QAction *>(QStringLiteral("E_Modify"))->trigger();
        QCOMPARE(script.shownCount(), 0);
        QCOMPARE(w.grid()->rows(), 2);
        QCOMPARE(w.grid()->textMatrix(1, 1), QStringLiteral("PO002"));
    }

    void codesWithoutAnEditorOnlyRelist()
    {
        TestApp app;
        QVERIFY(app.ok());
        Seen seen;
        const WindowRegistry reg = fakeRegistry(seen);
        modal::Script script;
        FrmMain w(app.state(), reg);
        w.navigate(605);
        const int before = w.grid()->rows();
        app.db().exec(QStringLiteral("insert into OperatorLog values(1,'Administrator','2026-12-08 10:00:00','系统登录')"));
        w.findChild<QAction *>(QStringLiteral("E_Add"))->trigger();
        QCOMPARE(script.shownCount(), 0);
        QCOMPARE(w.grid()->rows(), before + 1);
    }

    void listPreviewIsOneSharedWindow()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        Seen seen;
        const WindowRegistry reg = fakeRegistry(seen);
        FrmMain w(app.state(), reg);
        w.navigate(102);
        w.printList(102);
        QPointer<QWidget> first = w.openWindow(QStringLiteral("FrmBuyInPrint"));
        QVERIFY(first);
        QCOMPARE(static_cast<QLabel *>(first.data())->text(), QStringLiteral("rows 0"));
        app.db().exec(QStringLiteral("insert into ReceiveReceipt(ReceiveReceiptID,SupplierID,OperatorID,AccepterID) "
                                     "values('R1','S1','Administrator','A1')"));
        w.navigate(301); // the same print form
        w.printList(301);
        QCOMPARE(w.openWindow(QStringLiteral("FrmBuyInPrint")), first.data());
        QCOMPARE(static_cast<QLabel *>(first.data())->text(), QStringLiteral("rows 0"));
        first->close();
        QTRY_VERIFY(first.isNull());
        w.printList(301);
        auto *second = static_cast<QLabel *>(w.openWindow(QStringLiteral("FrmBuyInPrint")));
        QVERIFY(second);
        QCOMPARE(second->text(), QStringLiteral("rows 1"));
        w.navigate(501);
        w.printList(501); // no print form: nothing happens
        second->close();
    }

    void failingListQueryIsReported()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        addOrders(app, 1);
        msg::Recorder box;
        FrmMain w(app.state(), WindowRegistry());
        app.db().exec(QStringLiteral("drop table Buyer"));
        w.navigate(101);
        QCOMPARE(box.count(), 1);
        QCOMPARE(box.lastTitle(), QStringLiteral("错误"));
        QVERIFY(box.lastText().contains(QStringLiteral("Buyer")));
        QVERIFY(!enabled(w, "E_Modify"));
        QCOMPARE(w.grid()->rows(), 1);
        QCOMPARE(title(w), QStringLiteral("采购订单列表"));
    }

    void exitQuestion()
    {
        TestApp app;
        QVERIFY(app.ok());
        msg::Recorder box;
        FrmMain w(app.state(), WindowRegistry());
        w.show();
        box.answer(QMessageBox::No);
        QVERIFY(!w.close());
        QCOMPARE(box.lastText(), QStringLiteral("真的要退出本系统？"));
        QCOMPARE(box.lastTitle(), QStringLiteral("系统提示"));
        QCOMPARE(int(box.shown().last().icon), int(msg::Icon::Question));
        QVERIFY(w.isVisible());
        QCOMPARE(app.log(), QStringList());

        QWidget other; // a preview or settings window left open
        other.show();
        box.answer(QMessageBox::Yes);
        w.findChild<QAction *>(QStringLiteral("F_Exit"))->trigger();
        QVERIFY(!w.isVisible());
        QVERIFY(!other.isVisible());
        QCOMPARE(app.log(), QStringList{QStringLiteral("退出系统")});
    }

    void settingsFallBack_data()
    {
        QTest::addColumn<QString>("idByte");
        QTest::addColumn<int>("expected");
        QTest::newRow("valid") << "6" << 6;
        QTest::newRow("blanks") << " 10 " << 10;
        QTest::newRow("missing") << "" << 8;
        QTest::newRow("garbage") << "abc" << 8;
        QTest::newRow("fraction") << "4.5" << 8;
        QTest::newRow("zero") << "0" << 8;
        QTest::newRow("negative") << "-3" << 8;
        QTest::newRow("too big") << "19" << 8;
        QTest::newRow("largest") << "18" << 18;
    }
    void settingsFallBack()
    {
        QFETCH(QString, idByte);
        QFETCH(int, expected);
        QCOMPARE(idByteSetting(idByte), expected);
    }

    void billColorFallsBack()
    {
        QCOMPARE(billColorSetting(QStringLiteral("-2147483624")), QStringLiteral("-2147483624"));
        QCOMPARE(billColorSetting(QStringLiteral(" 255 ")), QStringLiteral("255"));
        QCOMPARE(billColorSetting(QStringLiteral("red")), QStringLiteral("-2147483643"));
        QCOMPARE(billColorSetting(QString()), QStringLiteral("-2147483643"));
    }

    void loadReadsTheSettings()
    {
        TestApp app;
        QVERIFY(app.ok());
        FrmMain w(app.state(), WindowRegistry());
        QCOMPARE(w.windowTitle(), QStringLiteral("恒远进销存系统"));
        QCOMPARE(app.state().idByte, 8);
        QCOMPARE(app.state().billBColor, QStringLiteral("-2147483643"));
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("txt_Navigation"))->text(), QStringLiteral("导 航 条"));
        QCOMPARE(w.findChild<QAction *>(QStringLiteral("E_Add"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
