// Every window keeps its shape: the boxes of the bills, vouchers and record
// editors stay where they are whatever names are on file, twin windows come
// out equal, number boxes are wide enough, and the pickers show every column.
#include "BillKit.h"
#include "EditorKit.h"

#include "bills/BillStore.h"
#include "bills/CodeNameField.h"
#include "bills/FrmOrderConn.h"
#include "core/FrmAbout.h"
#include "core/FrmBackup.h"
#include "core/FrmBillBColor.h"
#include "core/FrmChangePassword.h"
#include "core/FrmComName.h"
#include "core/FrmFirst.h"
#include "core/FrmLogin.h"
#include "core/FrmMain.h"
#include "core/FrmRestore.h"
#include "masterdata/FrmGoodsConn.h"
#include "platform/grid/TextGrid.h"
#include "platform/ui/Widgets.h"
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

// The first visible child of w, or of a child, that is not wholly inside
// its parent or covers a sibling; empty when there is none.
QString misplaced(QWidget *w)
{
    QList<QWidget *> kids;
    for (QWidget *k : w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (k->isVisible())
            kids << k;
    for (QWidget *k : kids) {
        for (QWidget *other : kids)
            if (!w->rect().contains(k->geometry()) || (other != k && other->geometry().intersects(k->geometry())))
                return k->objectName();
        if (const QString inside = misplaced(k); !inside.isEmpty())
            return inside;
    }
    return QString();
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
        app.state().currentOperatorName = name; // the maker's box too
        QCOMPARE(shapeOf(app, code), before);
        if (twin)
            QCOMPARE(shapeOf(app, twin), before);
    }

    // The small windows: at least as large as drawn, every control inside
    // its window or frame, no caption over its box.
    void smallWindowsHoldTheirControls()
    {
        TestApp app;
        QVERIFY(app.ok());
        AppState &s = app.state();
        const std::pair<QWidget *, QSize> windows[] = {
            {new FrmLogin(s, FrmLogin::Mode::SignInAgain), {4680, 2145}}, {new FrmChangePassword(s), {3390, 1905}},
            {new FrmBackup(s), {5715, 2175}}, {new FrmRestore(s), {5715, 2055}},
            {new FrmComName(s), {4320, 1335}}, {new FrmBillBColor(s), {3390, 1020}},
            {new FrmAbout, {4380, 3120}}, {new FrmFirst(s), {3660, 2265}}};
        for (const auto &[w, client] : windows) {
            std::unique_ptr<QWidget> owned(w);
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            QVERIFY(w->width() >= geometry::px(client.width()) && w->height() >= geometry::px(client.height()));
            QCOMPARE(w->minimumSize(), w->maximumSize());
            QCOMPARE(misplaced(w), QString());
        }
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

    // With a shop's real data every grid shows its codes and numbers whole,
    // a bill grid and a picker without scrolling sideways; a list's widths
    // are its own; a box filled on loading or by a choice shows its start.
    void realDataShowsWhole_data()
    {
        QTest::addColumn<int>("code"); // a bill or a list; 1 and 2: the pickers
        for (int code : {101, 102, 104, 201, 202, 204, 304, 402, 403, 404, 405, 406, 501, 502, 503, 605, 1, 2})
            QTest::newRow(qPrintable(QString::number(code))) << code;
    }
    void realDataShowsWhole()
    {
        QFETCH(int, code);
        TestApp app;
        QVERIFY(app.ok());
        app.seedRealisticData();
        std::unique_ptr<QWidget> w;
        if (code == 1)
            w = std::make_unique<FrmGoodsConn>(app.state());
        if (code == 2)
            w = std::make_unique<FrmOrderConn>(BillStore(app.db(), goodsReceiptKind()).openOrders());
        if (code >= 400)
            w = std::make_unique<FrmMain>(app.state(), WindowRegistry());
        // An order of one day among others, made by a maker of a long name; a
        // receipt of goods codes of one length.
        const QString reopened = code == 101 ? "CGDD-20261209-0001" : code == 102 ? "CGRK-20261209-0001" : "";
        if (!reopened.isEmpty())
            w = openEditor(app, code, reopened);
        else if (code > 2 && code < 400)
            w = openEditor(app, code);
        w->resize(1024, 600);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        auto *grid = w->findChild<TextGrid *>();
        if (auto *main = qobject_cast<FrmMain *>(w.get())) {
            QVector<int> widths[2];
            for (int i : {0, 1}) {
                main->navigate(i ? 101 : 401);
                main->navigate(code);
                for (int c = 0; c < grid->cols() - 1; ++c)
                    widths[i] << grid->columnWidth(c);
            }
            QCOMPARE(widths[0], widths[1]);
            // 付款方式 beside a name of 40 characters; 金额 beside names and
            // models of 40.
            const int last = grid->cols() - 2;
            QVERIFY(code / 2 != 202 && code / 2 != 201
                    || grid->columnViewportPosition(last) + grid->columnWidth(last) <= grid->viewport()->width());
        } else if (auto *bill = qobject_cast<BillWindow *>(w.get())) {
            const QMap<ColRole, QString> typed{
                {ColRole::Code, "6901234567892"}, {ColRole::Price, "4938.27"}, {ColRole::Storage, "1"}, {ColRole::Reason, "盘点"}};
            QStringList values;
            for (ColRole r : bill->kind().enterOrder)
                values << typed.value(r, "25000.5");
            if (reopened.isEmpty())
                billkit::fillLine(*bill, 1, values);
            for (CodeNameField *f : bill->findChildren<CodeNameField *>()) {
                f->openList(); // a partner of 40 characters, where there is one
                billkit::choose(f->combo(), f->combo()->itemText(std::max(0, f->combo()->findText("L40-", Qt::MatchStartsWith))));
            }
            for (QLineEdit *box : bill->findChildren<QLineEdit *>())
                QVERIFY2(box->isHidden() || box->cursorPosition() == 0 || boxWidth(box, box->text()) <= box->width(),
                         qPrintable(box->objectName()));
        }
        if (code < 400)
            QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
        if (code == 1) { // the short columns take what they need, a name of 40 characters the rest
            QVERIFY(grid->colWidth(3) < 1600 - 15);
            for (int c = 3; c <= 5; ++c)
                QVERIFY(grid->colWidth(2) >= grid->colWidth(c));
        }
        // Only free text may be cut short: where it gives way, at its cap, or
        // where it yields so that every column shows.
        const bool allShown = grid->horizontalScrollBar()->maximum() == 0;
        for (int c = 1; c < grid->cols(); ++c) {
            const ColFit fit = grid->colFit(c);
            const bool mayCut = fit == ColFit::GivesWay || (fit == ColFit::Capped && (allShown || grid->colWidth(c) >= 3000 - 15));
            for (int r = 1; r < grid->rows() && !mayCut; ++r)
                QVERIFY2(shownWhole(*grid, r, c), qPrintable(grid->textMatrix(r, c)));
        }
    }
};

QTEST_MAIN(TestGeometry)
#include "test_geometry.moc"
