// The bill windows, driven as the operator would: the Enter chain, the total
// row, the checks' messages, the order link and the payable hand-over.
#include "BillKit.h"
#include "EditorKit.h"

#include "core/FrmMain.h"
#include "core/ListCatalog.h"
#include "platform/grid/TextGrid.h"
#include "platform/report/ReportViewer.h"
#include "platform/ui/Modal.h"
#include "platform/ui/Msg.h"
#include "bills/CodeNameField.h"
#include "bills/FrmOrderConn.h"
#include "purchasing/FrmPay.h"
#include "purchasing/FrmBuyIn.h"
#include "purchasing/FrmBuyOrder.h"
#include "purchasing/FrmBuyReturn.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QtTest>

using billkit::choose;
using billkit::enter;
using billkit::pick;

namespace {

// Types text as keystrokes; Chinese characters arrive as key events
// carrying their text, as an input method delivers them.
void type(QWidget *w, const QString &text)
{
    for (QChar ch : text) {
        if (ch.unicode() < 128) {
            QTest::keyClicks(w, QString(ch));
        } else {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(w, &press);
        }
    }
}

// Fills one receipt line through the grid editors: code, storage, quantity, price.
void receiptLine(FrmBuyIn &w, int row, const QString &code, const QString &storage, const QString &qty,
                 const QString &price)
{
    w.clickCell(row, 1);
    type(w.cellEditor(), code);
    enter(w.cellEditor());
    if (!storage.isEmpty())
        choose(w.storageEditor(), storage);
    enter(w.storageEditor());
    type(w.cellEditor(), qty);
    enter(w.cellEditor());
    w.cellEditor()->selectAll();
    type(w.cellEditor(), price);
    enter(w.cellEditor());
}

QString cell(BillWindow &w, int row, int col)
{
    return w.lines().cell(row, col);
}

} // namespace

class TestBillWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<FrmBuyIn> newReceipt(TestApp &app)
    {
        auto w = std::make_unique<FrmBuyIn>(app.state(), 1, QString());
        w->show();
        if (!w->load())
            return nullptr;
        return w;
    }

private slots:
    void newReceiptAndTheEnterChain()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        auto w = newReceipt(app);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QCOMPARE(w->windowTitle(), QStringLiteral("采购入库单"));
        QCOMPARE(w->findChild<QLineEdit *>(QStringLiteral("txt_OperateDate"))->text(),
                 QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
        QCOMPARE(w->findChild<QLineEdit *>(QStringLiteral("txt_Operator"))->text(), QStringLiteral("Administrator-系统管理员"));
        QCOMPARE(w->lines().rows(), 2);

        w->clickCell(1, 1); // the empty row's code cell: a line and the total row
        QCOMPARE(w->lines().rows(), 3);
        QCOMPARE(cell(*w, 2, 1), QStringLiteral("金额合计"));
        QVERIFY(w->cellEditor()->isVisible());
        type(w->cellEditor(), QStringLiteral("G1"));
        QCOMPARE(cell(*w, 1, 2), QStringLiteral("螺丝"));
        QCOMPARE(cell(*w, 1, 5), QStringLiteral("1-主仓库"));
        QCOMPARE(cell(*w, 1, 7), QStringLiteral("2.5"));
        QCOMPARE(cell(*w, 1, 8), QString()); // no quantity yet, no amount
        type(w->cellEditor(), QStringLiteral("x"));  // no such goods: the cells empty again
        QCOMPARE(cell(*w, 1, 2), QString());
        QTest::keyClick(w->cellEditor(), Qt::Key_Backspace);
        QCOMPARE(cell(*w, 1, 2), QStringLiteral("螺丝"));

        enter(w->cellEditor()); // → storage
        QVERIFY(w->storageEditor()->isVisible());
        QCOMPARE(w->grid()->col(), 5);
        enter(w->storageEditor()); // → quantity
        QCOMPARE(w->grid()->col(), 6);
        type(w->cellEditor(), QStringLiteral("3"));
        QCOMPARE(cell(*w, 1, 8), QStringLiteral(" 7.5"));
        QCOMPARE(cell(*w, 2, 8), QStringLiteral(" 7.5"));
        enter(w->cellEditor()); // → price
        QCOMPARE(w->grid()->col(), 7);
        QCOMPARE(w->cellEditor()->text(), QStringLiteral("2.5"));
        enter(w->cellEditor()); // → the next line's code: a line above the total row
        QCOMPARE(w->lines().rows(), 4);
        QCOMPARE(w->grid()->row(), 2);
        QCOMPARE(w->grid()->col(), 1);
        QCOMPARE(cell(*w, 3, 1), QStringLiteral("金额合计"));
        QCOMPARE(cell(*w, 3, 8), QStringLiteral(" 7.5"));
        // Cells that are not typed into open nothing.
        w->clickCell(1, 2);
        QVERIFY(!w->cellEditor()->isVisible());
        w->clickCell(3, 6); // the total row's quantity
        QVERIFY(!w->cellEditor()->isVisible());
        // Amounts and the total show whole, however long.
        receiptLine(*w, 2, QStringLiteral("G1"), QString(), QStringLiteral("250"), QStringLiteral("4938.27"));
        QCOMPARE(cell(*w, 2, 8), QStringLiteral(" 1234567.5"));
        QVERIFY(shownWhole(*w->grid(), 2, 8) && shownWhole(*w->grid(), 4, 8));
    }

    void saveReceiptThroughTheWindow()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        msg::Recorder box;
        auto w = newReceipt(app);
        type(w->findChild<QLineEdit *>(QStringLiteral("txt_ReceiveReceiptID")), QStringLiteral("R001"));
        pick(*w, "Supplier", QStringLiteral("S1-"));
        pick(*w, "Accepter", QStringLiteral("A1-"));
        QCOMPARE(w->fieldText(QStringLiteral("txt_Supplier")), QStringLiteral("S1-恒远供应"));
        receiptLine(*w, 1, QStringLiteral("G1"), QString(), QStringLiteral("3"), QStringLiteral("2.5"));
        receiptLine(*w, 2, QStringLiteral("G1"), QStringLiteral("2-"), QStringLiteral("4"), QStringLiteral("1"));
        receiptLine(*w, 3, QStringLiteral("G2"), QString(), QStringLiteral("-2"), QStringLiteral("10"));
        QCOMPARE(cell(*w, 5, 8), QStringLiteral("-8.5"));
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("cmd_Save")), Qt::LeftButton);
        QCOMPARE(box.count(), 0);
        QVERIFY(w->isVisible()); // purchase bills stay open
        QCOMPARE(app.rows(QStringLiteral("select GoodsID,NowStorage from Product order by GoodsID")),
                 (QStringList{"G1|7", "G2|-2", "G3|0"}));
        QCOMPARE(app.rows(QStringLiteral("select GoodsID,StorageID,ReceiveNumber,UnitPrice from ReceiveReceiptDetail "
                                         "order by LineID")),
                 (QStringList{"G1|1|3|2.5", "G1|2|4|1", "G2|1|-2|10"}));
        QCOMPARE(app.one(QStringLiteral("select Amount,OperateDate from ReceiveReceipt")),
                 QStringLiteral("-8.5|") + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
        QCOMPARE(app.log(), QStringList{QStringLiteral("添加单据号为R001的采购入库单")});
        w->save();
        QCOMPARE(box.lastText(), QStringLiteral("该编号已经存在！"));
        QCOMPARE(app.rows(QStringLiteral("select NowStorage from Product where GoodsID='G1'")), QStringList{"7"});
    }

    // Each line's amount and the total are the decimal ones, rounded half away
    // from zero at the sixth place: as typed, saved, listed, reopened, printed.
    void figuresAgreeEverywhere_data()
    {
        QTest::addColumn<QStringList>("lines"); // quantity|price of goods G1
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<QString>("total");
        QTest::addColumn<double>("stock");
        QTest::newRow("product with a 5 at the seventh place") << QStringList{"1.001|1.0625"} << QStringList{"1.063563"}
                                                               << "1.063563" << 1.001;
        QTest::newRow("two small lines") << QStringList{"0.001|1.2345", "0.003|1.2345"}
                                         << QStringList{"0.001235", "0.003704"} << "0.004939" << 0.004;
        QTest::newRow("tenths of stock") << QStringList{"0.1|1", "0.2|1"} << QStringList{"0.1", "0.2"} << "0.3" << 0.3;
        QTest::newRow("price below 0.0001") << QStringList{"1|0.00005"} << QStringList{"0.00005"} << "0.00005" << 1.0;
        QTest::newRow("product below 0.0001") << QStringList{"0.001|0.01"} << QStringList{"0.00001"} << "0.00001"
                                              << 0.001;
        // The total is the sum of the amounts, not of their texts, cut to 15
        // digits on its decimal value.
        QTest::newRow("lines at 10^9") << QStringList{"0.5|2469135780.24691", "0.5|2469135780.24691"}
                                       << QStringList{"1234567890.12346", "1234567890.12346"} << "2469135780.24691" << 1.0;
        QTest::newRow("total cut at a 5") << QStringList{"0.5|2469135780.24681"} << QStringList{"1234567890.12341"}
                                          << "1234567890.12341" << 0.5;
    }
    void figuresAgreeEverywhere()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, amounts);
        QFETCH(QString, total);
        QFETCH(double, stock);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        msg::Recorder box;
        auto w = newReceipt(app);
        type(w->findChild<QLineEdit *>(QStringLiteral("txt_ReceiveReceiptID")), QStringLiteral("R1"));
        pick(*w, "Supplier", QStringLiteral("S1-"));
        pick(*w, "Accepter", QStringLiteral("A1-"));
        for (int i = 0; i < lines.size(); ++i)
            receiptLine(*w, i + 1, QStringLiteral("G1"), QString(), lines[i].section('|', 0, 0), lines[i].section('|', 1));
        const auto shown = [&](BillWindow &bill) {
            QStringList got;
            for (int r = 1; r <= lines.size(); ++r)
                got << cell(bill, r, 8).trimmed();
            return got << cell(bill, bill.lines().rows() - 1, 8).trimmed();
        };
        QCOMPARE(shown(*w), amounts + QStringList{total});
        modal::Script payable; // its prefill saves the same figure
        payable.then([](QDialog *d) {
            choose(d->findChild<QComboBox *>(QStringLiteral("cmb_PayMode")), QStringLiteral("P1-"));
            d->findChild<QPushButton *>(QStringLiteral("cmd_OK"))->click();
        });
        w->findChild<QPushButton *>(QStringLiteral("cmd_Pay"))->click();
        QCOMPARE(app.one(QStringLiteral("select MustPay from Pay")), total);
        QVERIFY(w->save());
        QCOMPARE(app.one(QStringLiteral("select Amount from ReceiveReceipt")), total);
        QVERIFY(app.db().scalar(QStringLiteral("select NowStorage from Product where GoodsID='G1'")).toDouble() == stock);
        QStringList listed;
        for (const QString &row : app.rows(listSpec(403)->sql))
            listed << row.section('|', 9);
        QCOMPARE(listed, amounts);
        QCOMPARE(app.one(listSpec(102)->sql).section('|', 3, 3), total);

        FrmBuyIn again(app.state(), 2, QStringLiteral("R1"));
        QVERIFY(again.load());
        QCOMPARE(shown(again), amounts + QStringList{total});
        for (int r = 1; r <= lines.size(); ++r) {
            again.clickCell(r, 5);
            choose(again.storageEditor(), QStringLiteral("1-"));
        }
        const bool saved = again.save();
        QVERIFY2(saved, qPrintable(box.lastText()));
        QCOMPARE(box.count(), 0);
        QCOMPARE(app.one(QStringLiteral("select Amount from ReceiveReceipt")), total);
        modal::Script script;
        QString printed;
        script.then([&printed](QDialog *d) { printed = d->findChild<ReportViewer *>()->layout().totalText; });
        again.print();
        QCOMPARE(printed, total);
    }

    // Every bill's box-over-list fields: the list's drop-down opened by a
    // click on its arrow or by F4 stays open, a click on an item chooses it,
    // Escape closes the drop-down only.
    void headerListsOpenAndChoose_data()
    {
        QTest::addColumn<int>("code"); // the bill's navigation code
        QTest::addColumn<QString>("open"); // "arrow" or "F4"
        QTest::addColumn<bool>("escape"); // Escape once the drop-down is open
        for (int code : {101, 102, 104, 201, 202, 204, 304})
            QTest::addRow("%d, arrow", code) << code << "arrow" << false;
        QTest::newRow("count, F4") << 304 << "F4" << false;
        QTest::newRow("order, Escape") << 101 << "F4" << true;
    }
    void headerListsOpenAndChoose()
    {
        QFETCH(int, code);
        QFETCH(QString, open);
        QFETCH(bool, escape);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        for (const char *table : {"Supplier", "Customer", "Buyer", "Saler", "Accepter", "Returner", "Checker"})
            app.db().exec(QStringLiteral("insert into %1(%1ID,%1Name) values('Z-9','另一')").arg(QLatin1String(table)));
        auto dlg = openEditor(app, code);
        auto *w = dynamic_cast<BillWindow *>(dlg.get());
        QVERIFY(w && QTest::qWaitForWindowActive(w));
        for (const HeaderField &f : w->kind().fields) {
            if (f.kind != FieldKind::CodeName)
                continue;
            auto *field = w->findChild<QLineEdit *>(f.box)->parentWidget();
            auto *combo = w->findChild<QComboBox *>(f.combo);
            QTest::mouseDClick(w->findChild<QLineEdit *>(f.box), Qt::LeftButton);
            QVERIFY(combo->isVisible() && combo->hasFocus());
            if (open == QStringLiteral("F4")) {
                QTest::keyClick(combo, Qt::Key_F4);
            } else {
                QStyleOptionComboBox opt;
                opt.initFrom(combo);
                opt.editable = true;
                const QRect arrow = combo->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxArrow, combo);
                QTest::mouseClick(combo, Qt::LeftButton, {}, arrow.center());
            }
            QVERIFY2(combo->view()->isVisible(), qPrintable(f.combo));
            QVERIFY2(combo->isVisible(), qPrintable(f.combo)); // the field stays open
            QAbstractItemView *list = combo->view();
            if (escape) {
                QTest::keyClick(list, Qt::Key_Escape);
                QVERIFY(!list->isVisible());
                QVERIFY(combo->isVisible() && combo->hasFocus());
                QTest::keyClick(combo, Qt::Key_F4);
                QVERIFY(list->isVisible());
            }
            const int last = combo->count() - 1;
            const QPoint item = list->visualRect(list->model()->index(last, 0)).center();
            QTest::mouseMove(list->viewport(), item); // the hand goes down to the item
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item);
            QVERIFY2(!combo->isVisible(), qPrintable(f.combo));
            QCOMPARE(w->fieldText(f.box), combo->itemText(last));
            QCOMPARE(w->fieldCode(f.box), combo->itemData(last).toString());
            QVERIFY(field->isAncestorOf(QApplication::focusWidget()));
        }
    }

    void checks_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("supplier"); // typed into the box
        QTest::addColumn<QString>("date");
        QTest::addColumn<QStringList>("line"); // code, storage item, qty, price; empty: no line
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("clearedCol");
        const QString full = QStringLiteral("S1-恒远供应");
        const QStringList good{"G1", "1-", "3", "2.5"};
        QTest::newRow("no number") << "" << full << "" << good
                                   << "请将数据填写完整！\n制单日期、单据号、供应商、验收人均为必填项。" << 0;
        QTest::newRow("blank supplier") << "R1" << "  " << "" << good
                                        << "请将数据填写完整！\n制单日期、单据号、供应商、验收人均为必填项。" << 0;
        QTest::newRow("unknown supplier") << "R1" << "S9-无此单位" << "" << good << "供应商“S9-无此单位”不存在，请从列表中选择！" << 0;
        QTest::newRow("supplier without code") << "R1" << "恒远供应" << "" << good << "供应商“恒远供应”不存在，请从列表中选择！" << 0;
        QTest::newRow("typed code") << "R1" << "S1-随便写" << "" << good << "" << 0;
        QTest::newRow("code typed alone") << "R1" << "S1" << "" << good << "" << 0;
        QTest::newRow("code in another case") << "R1" << " s1 " << "" << good << "" << 0;
        QTest::newRow("Ä on file, not ä") << "R1" << "ä" << "" << good << "供应商“ä”不存在，请从列表中选择！" << 0;
        QTest::newRow("not a date") << "R1" << full << "2026-13-01" << good
                                    << "制单日期“2026-13-01”不是有效的日期，请按“年-月-日”输入！" << 0;
        QTest::newRow("no line") << "R1" << full << "" << QStringList{}
                                 << "请在表格中输入数据！\n请输入商品编码及其数量、单价！" << 0;
        QTest::newRow("only blanks") << "R1" << full << "" << QStringList{" ", "", " ", ""}
                                     << "请在表格中输入数据！\n请输入商品编码、库位及其数量、单价！" << 0;
        QTest::newRow("unknown goods") << "R1" << full << "" << QStringList{"NOPE", "1-", "3", "2.5"}
                                       << "请在第1行输入正确的商品编码！" << 1;
        QTest::newRow("no quantity") << "R1" << full << "" << QStringList{"G1", "1-", "", "2.5"}
                                     << "请在第1行输入正确的数量和单价！" << 0;
        QTest::newRow("code alone") << "R1" << full << "" << QStringList{"G1", "1-", "", ""}
                                    << "请在第1行输入正确的数量和单价！" << 0;
        QTest::newRow("not a plain number") << "R1" << full << "" << QStringList{"G1", "1-", "5x", "2.5"}
                                            << "请在第1行输入正确的数量和单价！" << 0;
        QTest::newRow("goods code in another case") << "R1" << full << "" << QStringList{"g1", "1-", "3", "2.5"}
                                                    << "" << 0;
        QTest::newRow("zero price") << "R1" << full << "" << QStringList{"G1", "1-", "3", "0"}
                                    << "请在第1行输入正确的数量和单价！" << 0;
        QTest::newRow("seventh decimal") << "R1" << full << "" << QStringList{"G1", "1-", "1.0000004", "2.5"}
                                         << "请在第1行输入正确的数量和单价！" << 0;
        QTest::newRow("price below a millionth") << "R1" << full << "" << QStringList{"G1", "1-", "1", "0.0000001"}
                                                 << "请在第1行输入正确的数量和单价！" << 0;
        QTest::newRow("date without zeros") << "R1" << full << "2026-1-5" << good << "" << 0;
    }
    void checks()
    {
        QFETCH(QString, number);
        QFETCH(QString, supplier);
        QFETCH(QString, date);
        QFETCH(QStringList, line);
        QFETCH(QString, message);
        QFETCH(int, clearedCol);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.db().exec(QStringLiteral("insert into Supplier(SupplierID,SupplierName,TypeID) values('Ä','大写','ST1')"));
        msg::Recorder box;
        auto w = newReceipt(app);
        type(w->findChild<QLineEdit *>(QStringLiteral("txt_ReceiveReceiptID")), number);
        type(w->findChild<QLineEdit *>(QStringLiteral("txt_Supplier")), supplier);
        pick(*w, "Accepter", QStringLiteral("A1-"));
        if (!date.isEmpty()) {
            auto *d = w->findChild<QLineEdit *>(QStringLiteral("txt_OperateDate"));
            d->clear();
            type(d, date);
        }
        if (!line.isEmpty())
            receiptLine(*w, 1, line[0], line[1], line[2], line[3]);
        const auto cells = [&w] {
            QStringList all;
            for (int r = 1; r < w->lines().rows(); ++r)
                for (int c = 1; c <= 8; ++c)
                    all << cell(*w, r, c);
            return all;
        };
        QStringList shown = cells();
        const bool saved = w->save();
        QCOMPARE(saved, message.isEmpty());
        if (message.isEmpty()) {
            QCOMPARE(box.count(), 0);
            QCOMPARE(cell(*w, 1, 1), QStringLiteral("G1")); // the code as saved
            QCOMPARE(app.one(QStringLiteral("select SupplierID from ReceiveReceipt")), QStringLiteral("S1"));
            QCOMPARE(app.one(QStringLiteral("select GoodsID from ReceiveReceiptDetail")), QStringLiteral("G1"));
            if (date == QStringLiteral("2026-1-5"))
                QCOMPARE(app.one(QStringLiteral("select OperateDate from ReceiveReceipt")), QStringLiteral("2026-01-05"));
            return;
        }
        QCOMPARE(box.lastTitle(), QStringLiteral("错误"));
        QCOMPARE(box.lastText(), message);
        QCOMPARE(app.count(QStringLiteral("ReceiveReceipt")), 0);
        QCOMPARE(app.log(), QStringList());
        // A refused bill is left as it stands, but for the refused cell, emptied.
        if (clearedCol)
            shown[clearedCol - 1] = QString();
        QCOMPARE(cells(), shown);
    }

    void storageMustBeChosenFromTheList()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.db().exec(QStringLiteral("insert into Storage values('A01','原料库'),('0','总库'),('B-1','带横线的库'),"
                                     "('S','1'),('S-1','另一')"));
        app.db().exec(QStringLiteral("update Product set StorageID='S' where GoodsID='G3'"));
        app.db().exec(QStringLiteral("insert into Supplier(SupplierID,SupplierName) values('S','1'),('S-1','另一')"));
        msg::Recorder box;
        auto w = newReceipt(app);
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        type(w->findChild<QLineEdit *>(QStringLiteral("txt_ReceiveReceiptID")), QStringLiteral("R1"));
        pick(*w, "Supplier", QStringLiteral("S-1")); // supplier S
        pick(*w, "Accepter", QStringLiteral("A1-"));
        // "S-1" shown for storage S, from the goods item and from the list.
        receiptLine(*w, 1, QStringLiteral("G3"), QString(), QStringLiteral("1"), QStringLiteral("1"));
        receiptLine(*w, 2, QStringLiteral("G1"), QStringLiteral("S-1"), QStringLiteral("1"), QStringLiteral("1"));
        receiptLine(*w, 3, QStringLiteral("G1"), QStringLiteral("A01-"), QStringLiteral("1"), QStringLiteral("1"));
        receiptLine(*w, 4, QStringLiteral("G2"), QStringLiteral("0-"), QStringLiteral("1"), QStringLiteral("1"));
        receiptLine(*w, 5, QStringLiteral("G3"), QStringLiteral("B-1-"), QStringLiteral("1"), QStringLiteral("1"));
        // "S-1" typed is storage S-1, also over S chosen a moment before.
        for (int row : {6, 7}) {
            receiptLine(*w, row, QStringLiteral("G1"), QString(), QStringLiteral("1"), QStringLiteral("1"));
            w->clickCell(row, 5);
            if (row == 7)
                choose(w->storageEditor(), QStringLiteral("S-1"));
            typeInto(w->storageEditor(), QStringLiteral("S-1"));
            w->clickCell(row, 6);
        }
        w->clickCell(8, 5);
        QVERIFY(w->save());
        QCOMPARE(app.rows(QStringLiteral("select StorageID from ReceiveReceiptDetail order by LineID")),
                 (QStringList{"S", "S", "A01", "0", "B-1", "S-1", "S-1"}));
        QCOMPARE(app.one(QStringLiteral("select SupplierID from ReceiveReceipt")), QStringLiteral("S"));

        // The supplier left as chosen stays S; "S-1" typed into its box or
        // its list is S-1, and so is the payable made from the receipt.
        auto *suppliers = w->findChild<QComboBox *>(QStringLiteral("cmb_Supplier"));
        QTest::mouseDClick(billkit::box(*w, "txt_Supplier"), Qt::LeftButton);
        QTest::keyClick(suppliers, Qt::Key_Tab);
        QCOMPARE(w->fieldCode(QStringLiteral("txt_Supplier")), QStringLiteral("S"));
        typeInto(billkit::box(*w, "txt_Supplier"), QStringLiteral("S-1"));
        QCOMPARE(w->fieldCode(QStringLiteral("txt_Supplier")), QStringLiteral("S-1"));
        QTest::mouseDClick(billkit::box(*w, "txt_Supplier"), Qt::LeftButton);
        typeInto(suppliers, QStringLiteral("S-1"));
        QTest::keyClick(suppliers, Qt::Key_Tab);
        QCOMPARE(w->fieldCode(QStringLiteral("txt_Supplier")), QStringLiteral("S-1"));
        modal::Script script;
        script.then([](QDialog *d) {
            QVERIFY(QTest::qWaitForWindowActive(d));
            auto *supplier = d->findChild<QComboBox *>(QStringLiteral("cmb_Supplier"));
            supplier->setFocus();
            QTest::keyClick(supplier, Qt::Key_Tab); // tabbed through
            choose(d->findChild<QComboBox *>(QStringLiteral("cmb_PayMode")), QStringLiteral("P1-"));
            d->findChild<QPushButton *>(QStringLiteral("cmd_OK"))->click();
        });
        w->findChild<QPushButton *>(QStringLiteral("cmd_Pay"))->click();
        QCOMPARE(app.one(QStringLiteral("select SupplierID from Pay where BuyInID='R1'")), QStringLiteral("S-1"));

        // Reopened, line 1 shows the name "1", no code though storage 1 is on file.
        FrmBuyIn reopened(app.state(), 2, QStringLiteral("R1"));
        QVERIFY(reopened.load());
        QCOMPARE(reopened.fieldCode(QStringLiteral("txt_Supplier")), QStringLiteral("S"));
        QVERIFY(!reopened.save());
        QCOMPARE(box.lastText(), QStringLiteral("请在第1行输入正确的库位！"));
    }

    void receiptFromAnOrder()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        Database &db = app.db();
        db.exec(QStringLiteral("insert into PurchaseOrder(PurchaseOrderID,OperateDate,SupplierID,Amount,OperatorID,BuyerID) "
                               "values('P1','2026-12-01','S1',35,'Administrator','B1'),"
                               "('P2','2026-12-02','S1',1,'Administrator','B1')"));
        db.exec(QStringLiteral("update PurchaseOrder set Status='已入库' where PurchaseOrderID='P2'"));
        db.exec(QStringLiteral("insert into PurchaseOrderDetail(PurchaseOrderID,GoodsID,GoodsNum,UnitPrice) "
                               "values('P1','G1',10,2.5),('P1','G2',1,10)"));
        msg::Recorder box;
        modal::Script script;
        script.then([](QDialog *d) {
            auto *grid = d->findChild<TextGrid *>(QStringLiteral("OrderConnGrd"));
            QCOMPARE(grid->rows(), 2); // only the open order
            QCOMPARE(grid->textMatrix(1, 1), QStringLiteral("P1"));
            grid->clickCell(1, 3);
            QCOMPARE(grid->textMatrix(1, 0), QStringLiteral("√"));
            d->findChild<QPushButton *>(QStringLiteral("cmd_OK"))->click();
        });
        auto w = newReceipt(app);
        type(w->findChild<QLineEdit *>(QStringLiteral("txt_ReceiveReceiptID")), QStringLiteral("R1"));
        pick(*w, "Supplier", QStringLiteral("S1-"));
        pick(*w, "Accepter", QStringLiteral("A1-"));
        w->findChild<QPushButton *>(QStringLiteral("cmd_SelOrder"))->click();
        QCOMPARE(w->linkedOrder(), QStringLiteral("P1"));
        QCOMPARE(w->lines().rows(), 4);
        QCOMPARE(cell(*w, 1, 5), QStringLiteral("请选择库位"));
        QCOMPARE(cell(*w, 3, 1), QStringLiteral("金额合计"));
        QCOMPARE(cell(*w, 3, 8), QStringLiteral(" 35"));
        QCOMPARE(w->grid()->textMatrix(0, 6), QStringLiteral("入库数量"));
        QVERIFY(!w->save());
        QCOMPARE(box.lastText(), QStringLiteral("请在第1行输入正确的库位！"));
        QCOMPARE(cell(*w, 1, 5), QString());
        for (int row : {1, 2}) {
            w->clickCell(row, 5);
            choose(w->storageEditor(), QStringLiteral("1-"));
        }
        QVERIFY(w->save());
        QCOMPARE(app.rows(QStringLiteral("select InNum from PurchaseOrderDetail order by LineID")), (QStringList{"10", "1"}));
        QCOMPARE(app.one(QStringLiteral("select Status from PurchaseOrder where PurchaseOrderID='P1'")), QStringLiteral("已入库"));
        QCOMPARE(app.rows(QStringLiteral("select NowStorage from Product order by GoodsID")), (QStringList{"10", "1", "0"}));
    }

    void pickerFillsLinesAboveTheTotalRow()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        modal::Script script;
        script.then([](QDialog *d) {
            auto *grid = d->findChild<TextGrid *>(QStringLiteral("GoodsConnGrd"));
            grid->clickCell(3, 1);
            grid->clickCell(2, 1);
            d->findChild<QPushButton *>(QStringLiteral("cmd_OK"))->click();
        });
        FrmBuyOrder w(app.state(), 1, QString());
        w.show();
        QVERIFY(w.load());
        w.clickCell(1, 1);
        type(w.cellEditor(), QStringLiteral("G1"));
        enter(w.cellEditor());
        type(w.cellEditor(), QStringLiteral("2"));
        w.clickCell(1, 1);
        QTest::mouseDClick(w.cellEditor(), Qt::LeftButton);
        QCOMPARE(script.shownCount(), 1);
        // G2 and G3 from line 1 down: line 1 keeps its quantity, G3 gets a new line.
        QCOMPARE(w.lines().rows(), 4);
        QCOMPARE(cell(w, 1, 1), QStringLiteral("G2"));
        QCOMPARE(cell(w, 1, 6), QStringLiteral("10"));
        QCOMPARE(cell(w, 1, 7), QStringLiteral(" 20"));
        QCOMPARE(cell(w, 2, 1), QStringLiteral("G3"));
        QCOMPARE(cell(w, 2, 7), QString());
        QCOMPARE(cell(w, 3, 1), QStringLiteral("金额合计"));
        QCOMPARE(cell(w, 3, 7), QStringLiteral(" 20"));
    }

    void openingACellChangesNothing()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        Database &db = app.db();
        db.exec(QStringLiteral("insert into PurchaseOrder(PurchaseOrderID,OperateDate,SupplierID,Amount,OperatorID,BuyerID,Remark) "
                               "values('P1','2026-12-01','S1',20,'Administrator','B1','原 备注')"));
        db.exec(QStringLiteral("insert into PurchaseOrderDetail(PurchaseOrderID,GoodsID,GoodsNum,UnitPrice,InNum) "
                               "values('P1','G1',10,2,4)"));
        db.exec(QStringLiteral("update Product set BuyUnitPrice=99")); // today's list price differs
        FrmBuyOrder w(app.state(), 2, QStringLiteral("P1"));
        w.show();
        QVERIFY(w.load());
        QVERIFY(!w.findChild<QLineEdit *>(QStringLiteral("txt_PurchaseOrderID"))->isEnabled());
        QCOMPARE(w.fieldText(QStringLiteral("txt_Supplier")), QStringLiteral("S1-恒远供应"));
        QCOMPARE(cell(w, 1, 6), QStringLiteral("2"));
        QCOMPARE(cell(w, 1, 8), QStringLiteral("4"));
        QCOMPARE(cell(w, 2, 1), QStringLiteral("金额合计"));
        w.clickCell(1, 1);
        enter(w.cellEditor());
        w.clickCell(1, 6);
        QCOMPARE(cell(w, 1, 6), QStringLiteral("2"));
        QVERIFY(w.save());
        QCOMPARE(app.one(QStringLiteral("select GoodsNum,UnitPrice,InNum from PurchaseOrderDetail")), QStringLiteral("10|2|4"));
        QCOMPARE(app.one(QStringLiteral("select Amount,Remark from PurchaseOrder")), QStringLiteral("20|原 备注"));
        QCOMPARE(app.log(), QStringList{QStringLiteral("修改单据号为P1的采购订单")});
    }

    void retypedCodeKeepsWhatWasReceived_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("saved"); // GoodsID|InNum
        QTest::newRow("same code again") << "G1" << "4" << "G1|4";
        QTest::newRow("same code, other case") << "g1" << "4" << "G1|4";
        QTest::newRow("another goods") << "G2" << "" << "G2|0";
    }
    void retypedCodeKeepsWhatWasReceived()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, saved);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.db().exec(QStringLiteral("insert into PurchaseOrder(PurchaseOrderID,OperateDate,SupplierID,Amount,OperatorID,BuyerID) "
                                     "values('P1','2026-12-01','S1',20,'Administrator','B1')"));
        app.db().exec(QStringLiteral("insert into PurchaseOrderDetail(PurchaseOrderID,GoodsID,GoodsNum,UnitPrice,InNum) "
                                     "values('P1','G1',10,2,4)"));
        FrmBuyOrder w(app.state(), 2, QStringLiteral("P1"));
        w.show();
        QVERIFY(w.load());
        w.clickCell(1, 1);
        w.cellEditor()->selectAll();
        QTest::keyClick(w.cellEditor(), Qt::Key_Backspace);
        QCOMPARE(cell(w, 1, 8), QString()); // no goods: nothing received
        type(w.cellEditor(), typed);
        QCOMPARE(cell(w, 1, 8), shown);
        QVERIFY(w.save());
        QCOMPARE(app.one(QStringLiteral("select GoodsID,InNum from PurchaseOrderDetail")), saved);
    }

    void failedSaveKeepsTheWindowAndInput()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.db().exec(QStringLiteral("create trigger refuse before insert on ReceiveReceiptDetail "
                                     "begin select raise(fail, '磁盘已满'); end"));
        msg::Recorder box;
        auto w = newReceipt(app);
        type(w->findChild<QLineEdit *>(QStringLiteral("txt_ReceiveReceiptID")), QStringLiteral("R1"));
        pick(*w, "Supplier", QStringLiteral("S1-"));
        pick(*w, "Accepter", QStringLiteral("A1-"));
        receiptLine(*w, 1, QStringLiteral("G1"), QString(), QStringLiteral("3"), QStringLiteral("2"));
        QVERIFY(!w->save());
        QCOMPARE(box.lastTitle(), QStringLiteral("错误"));
        QCOMPARE(box.lastText(), QStringLiteral("磁盘已满"));
        QVERIFY(w->isVisible());
        QCOMPARE(cell(*w, 1, 1), QStringLiteral("G1"));
        QCOMPARE(app.count(QStringLiteral("ReceiveReceipt")), 0);
        QCOMPARE(app.rows(QStringLiteral("select NowStorage from Product where GoodsID='G1'")), QStringList{"0"});
        QCOMPARE(app.log(), QStringList());
        QVERIFY(w->findChild<QPushButton *>(QStringLiteral("cmd_Save"))->isEnabled());
    }

    void payableOfAReceipt()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.state().idByte = 4;
        app.state().editMode = 1;
        msg::Recorder box;
        modal::Script script;
        script.then([](QDialog *d) {
            QCOMPARE(d->findChild<QComboBox *>(QStringLiteral("cmb_Supplier"))->currentText(), QStringLiteral("S1-恒远供应"));
            QCOMPARE(d->findChild<QLineEdit *>(QStringLiteral("txt_MustPay"))->text(), QStringLiteral("7.5"));
            QVERIFY(d->findChild<QPushButton *>(QStringLiteral("cmd_Add"))->isHidden());
            QCOMPARE(d->findChild<QGroupBox *>(QStringLiteral("Frame1"))->title(), QStringLiteral("0001"));
            choose(d->findChild<QComboBox *>(QStringLiteral("cmb_PayMode")), QStringLiteral("P2-"));
            QTest::keyClicks(d->findChild<QLineEdit *>(QStringLiteral("txt_HavePay")), QStringLiteral("7"));
            QCOMPARE(d->findChild<QLineEdit *>(QStringLiteral("txt_LeftPay"))->text(), QStringLiteral(".5"));
            d->findChild<QPushButton *>(QStringLiteral("cmd_OK"))->click();
        });
        script.then([](QDialog *d) {
            QCOMPARE(d->findChild<QGroupBox *>(QStringLiteral("Frame1"))->title(), QStringLiteral("0001"));
            QCOMPARE(d->findChild<QLineEdit *>(QStringLiteral("txt_HavePay"))->text(), QStringLiteral("7"));
        });
        auto w = newReceipt(app);
        w->findChild<QPushButton *>(QStringLiteral("cmd_Pay"))->click();
        QCOMPARE(box.lastText(), QStringLiteral("请先输入单据号！"));
        QCOMPARE(script.shownCount(), 0);
        type(w->findChild<QLineEdit *>(QStringLiteral("txt_ReceiveReceiptID")), QStringLiteral("R9"));
        pick(*w, "Supplier", QStringLiteral("S1-"));
        receiptLine(*w, 1, QStringLiteral("G1"), QString(), QStringLiteral("3"), QStringLiteral("2.5"));
        // The receipt is not saved: a payable can be made for it all the same.
        w->findChild<QPushButton *>(QStringLiteral("cmd_Pay"))->click();
        QCOMPARE(app.one(QStringLiteral("select PayID,SupplierID,PayModeID,MustPay,HavePay,OperatorID,BuyInID from Pay")),
                 QStringLiteral("0001|S1|P2|7.5|7|Administrator|R9"));
        QCOMPARE(app.log(), QStringList{QStringLiteral("添加单号为0001的应付款")});
        QCOMPARE(app.state().editMode, 1);
        w->findChild<QPushButton *>(QStringLiteral("cmd_Pay"))->click(); // now opens the saved one
        QCOMPARE(script.shownCount(), 2);
        QCOMPARE(app.state().editMode, 1);
        QCOMPARE(app.count(QStringLiteral("Pay")), 1);
    }

    void payableNumbersAndSaveAndNew()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.state().idByte = 4;
        app.db().exec(QStringLiteral("insert into Pay(PayID,SupplierID,PayModeID) values('0099','S1','P1')"));
        msg::Recorder box;
        FrmPay w(app.state(), 1, QString());
        QVERIFY(w.load());
        QCOMPARE(w.number(), QStringLiteral("0100"));
        choose(w.findChild<QComboBox *>(QStringLiteral("cmb_Supplier")), QStringLiteral("S1-"));
        choose(w.findChild<QComboBox *>(QStringLiteral("cmb_PayMode")), QStringLiteral("P1-"));
        auto *must = w.findChild<QLineEdit *>(QStringLiteral("txt_MustPay"));
        QTest::keyClicks(must, QStringLiteral("12abc"));
        QCOMPARE(w.findChild<QLineEdit *>(QStringLiteral("txt_LeftPay"))->text(), QStringLiteral("12"));
        QVERIFY(!w.saveAndNew());
        QCOMPARE(box.lastText(), QStringLiteral("请输入正确的应付金额和已付金额！"));
        // The balance is the decimal one.
        auto *have = w.findChild<QLineEdit *>(QStringLiteral("txt_HavePay"));
        for (const auto &[owed, paid, left] : {std::tuple{"1000.1", "1000", ".1"}, {"8729.12", "8729.1", ".02"},
                                               {"1.0000005", "0", "1.000001"}, {"0.00005", "", ".00005"}}) {
            must->setText(QString::fromLatin1(owed));
            have->setText(QString::fromLatin1(paid));
            QCOMPARE(w.findChild<QLineEdit *>(QStringLiteral("txt_LeftPay"))->text(), QString::fromLatin1(left));
        }
        have->clear();
        must->setText(QStringLiteral("0.00005"));
        QVERIFY(w.saveAndNew());
        QVERIFY(w.saveAndNew());
        QCOMPARE(w.number(), QStringLiteral("0102"));
        QCOMPARE(app.rows(QStringLiteral("select PayID,MustPay,HavePay from Pay order by PayID")),
                 (QStringList{"0099|0|0", "0100|0.00005|0", "0101|0.00005|0"}));
        QCOMPARE(app.log(), (QStringList{QStringLiteral("添加单号为0100的应付款"), QStringLiteral("添加单号为0101的应付款")}));
        FrmPay again(app.state(), 2, QStringLiteral("0100")); // what it shows saves again
        QVERIFY(again.load());
        QCOMPARE(again.findChild<QLineEdit *>(QStringLiteral("txt_MustPay"))->text(), QStringLiteral("0.00005"));
        QVERIFY(again.confirm());
        w.findChild<QComboBox *>(QStringLiteral("cmb_Supplier"))->setEditText(QStringLiteral("无此供应商"));
        QVERIFY(!w.confirm());
        QCOMPARE(box.lastText(), QStringLiteral("供应商“无此供应商”不存在，请从列表中选择！"));
        // Escape keeps the payable open with what was typed.
        w.show();
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(w.isVisible());
        // Pay mode M named "1" shows as "M-1", a code on file as well: it stays M.
        app.db().exec(QStringLiteral("insert into PayMode values('M','1'),('M-1','另一')"));
        app.db().exec(QStringLiteral("update Pay set PayModeID='M' where PayID='0100'"));
        FrmPay kept(app.state(), 2, QStringLiteral("0100"));
        QVERIFY(kept.load());
        QVERIFY(kept.confirm());
        QCOMPARE(app.one(QStringLiteral("select PayModeID from Pay where PayID='0100'")), QStringLiteral("M"));
        // A payable whose supplier row is gone still opens.
        app.db().exec(QStringLiteral("delete from Supplier"));
        FrmPay old(app.state(), 2, QStringLiteral("0100"));
        QVERIFY(old.load());
        QCOMPARE(old.findChild<QComboBox *>(QStringLiteral("cmb_Supplier"))->currentText(), QStringLiteral("S1-"));
        QVERIFY(old.findChild<QPushButton *>(QStringLiteral("cmd_Add"))->isHidden());
    }

    void printShowsTheSavedBill()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        modal::Script script;
        QStringList seen;
        for (int i = 0; i < 2; ++i) {
            script.then([&seen](QDialog *d) {
                auto *viewer = d->findChild<ReportViewer *>(QStringLiteral("CRViewer1"));
                QVERIFY(viewer);
                seen << d->objectName() + QLatin1Char('|') + viewer->report().title + QLatin1Char('|')
                            + QString::number(viewer->report().rows->rowCount());
            });
        }
        auto w = newReceipt(app);
        type(w->findChild<QLineEdit *>(QStringLiteral("txt_ReceiveReceiptID")), QStringLiteral("R7"));
        pick(*w, "Supplier", QStringLiteral("S1-"));
        pick(*w, "Accepter", QStringLiteral("A1-"));
        receiptLine(*w, 1, QStringLiteral("G1"), QString(), QStringLiteral("3"), QStringLiteral("2.5"));
        w->findChild<QPushButton *>(QStringLiteral("cmd_Print"))->click(); // not saved yet: no lines
        QVERIFY(w->save());
        w->findChild<QPushButton *>(QStringLiteral("cmd_Print"))->click();
        QCOMPARE(seen, (QStringList{QStringLiteral("FrmBuyInDetailPrint|采购入库单R7|0"),
                                    QStringLiteral("FrmBuyInDetailPrint|采购入库单R7|1")}));
        QCOMPARE(app.state().printBillID, QStringLiteral("R7"));
    }

    void fromTheMainWindow()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        msg::Recorder box;
        modal::Script script;
        script.then([](QDialog *d) {
            auto *w = dynamic_cast<FrmBuyOrder *>(d);
            QVERIFY(w);
            QTest::keyClicks(w->findChild<QLineEdit *>(QStringLiteral("txt_PurchaseOrderID")), QStringLiteral("P'1"));
            pick(*w, "Supplier", QStringLiteral("S1-"));
            pick(*w, "Buyer", QStringLiteral("B1-"));
            w->clickCell(1, 1);
            QTest::keyClicks(w->cellEditor(), QStringLiteral("G2"));
            QTest::keyClick(w->cellEditor(), Qt::Key_Return);
            QTest::keyClicks(w->cellEditor(), QStringLiteral("2"));
            QVERIFY(w->save());
            w->findChild<QPushButton *>(QStringLiteral("cmd_Exit"))->click();
        });
        FrmMain main(app.state());
        main.findChild<QAction *>(QStringLiteral("E_Add"))->trigger();
        QCOMPARE(box.count(), 0);
        QCOMPARE(main.grid()->rows(), 2);
        QCOMPARE(main.grid()->textMatrix(1, 1), QStringLiteral("P'1"));
        QCOMPARE(main.grid()->textMatrix(1, 4), QStringLiteral("20"));
        QCOMPARE(main.grid()->textMatrix(1, 7), QStringLiteral("未入库"));
    }
};

QTEST_MAIN(TestBillWindow)
#include "test_billwindow.moc"
