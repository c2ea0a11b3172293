// The stock count window driven as the operator would: the header and the
// Enter chain, the checks' messages, saving and reopening, "修改库存",
// printing, and opening it from the main window's list of counts.
#include "BillKit.h"
#include "EditorKit.h"

#include "bills/CodeNameField.h"
#include "core/FrmMain.h"
#include "platform/grid/TextGrid.h"
#include "platform/report/ReportViewer.h"
#include "platform/ui/Modal.h"
#include "platform/ui/Msg.h"
#include "stock/FrmCheck.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace billkit;

namespace {

enum Col { Code = 1, Name, Unit, Model, Storage, Book, Counted, ProfitLoss, Diff, Reason };

QString cell(FrmCheck &w, int row, int col)
{
    return w.lines().cell(row, col);
}

// The count window opened as list 304 opens it, loaded.
std::unique_ptr<FrmCheck> openCount(TestApp &app, int mode, const QString &id = QString())
{
    bool loaded = false;
    std::unique_ptr<QDialog> dlg = openEditor(app, 304, mode == 2 ? id : QString(), &loaded);
    if (!loaded)
        return nullptr;
    return std::unique_ptr<FrmCheck>(static_cast<FrmCheck *>(dlg.release()));
}

// Where the focus stands, then where each press of the key takes it: n
// places in all.
QStringList enterWalk(int n, Qt::Key key = Qt::Key_Return, Qt::KeyboardModifiers modifiers = {})
{
    QStringList seen{QApplication::focusWidget()->objectName()};
    while (seen.size() < n) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        seen << QApplication::focusWidget()->objectName();
    }
    return seen;
}

// A new count K1 with three lines against books of 10: 12, 8 and 10.
std::unique_ptr<FrmCheck> threeLineCount(TestApp &app)
{
    app.db().exec(QStringLiteral("update Product set NowStorage=10"));
    auto w = openCount(app, 1);
    type(box(*w, "txt_CheckID"), QStringLiteral("K1"));
    pick(*w, QStringLiteral("Checker"), QStringLiteral("K1-"));
    type(box(*w, "txt_Remark"), QStringLiteral("月末盘点"));
    fillLine(*w, 1, {"G1", "12", "多发"});
    fillLine(*w, 2, {"G2", "8", "丢失"});
    fillLine(*w, 3, {"G3", "10", ""});
    return w;
}

// A stored count K1 of two lines, made by Administrator.
void storedCount(TestApp &app)
{
    app.db().exec(QStringLiteral("insert into CheckNumber(CheckID,OperateDate,CheckerID,OperatorID,Remark) "
                                 "values('K1','2026-12-01','K1','Administrator','旧')"));
    app.db().exec(QStringLiteral("insert into CheckNumberDetail(CheckID,GoodsID,StorageNumber,CheckNumber,ProfitLoss,"
                                 "Reason) values('K1','G1',10,12,'盘赢','多发'),('K1','G3',4,4,'盘平','')"));
}

QStringList savedLines(TestApp &app)
{
    return app.rows(QStringLiteral("select GoodsID,StorageNumber,CheckNumber,ProfitLoss,Reason from CheckNumberDetail "
                                   "where CheckID='K1' order by LineID"));
}

QStringList stocks(TestApp &app)
{
    return app.rows(QStringLiteral("select GoodsID,NowStorage from Product order by GoodsID"));
}

} // namespace

class TestStockWindow : public QObject
{
    Q_OBJECT

private slots:
    // Picked goods fill the lines from the editor's row down with their book
    // quantities, and one empty line stays below them.
    void pickedGoodsLeaveAnEmptyLineBelow()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.db().exec(QStringLiteral("update Product set NowStorage=7 where GoodsID='G3'"));
        modal::Script script;
        script.then([](QDialog *d) {
            auto *grid = child<TextGrid>(d, "GoodsConnGrd");
            grid->clickCell(3, 1);
            grid->clickCell(2, 1);
            child<QPushButton>(d, "cmd_OK")->click();
        });
        auto w = openCount(app, 1);
        w->clickCell(1, Code);
        QTest::mouseDClick(w->cellEditor(), Qt::LeftButton);
        QCOMPARE(script.shownCount(), 1);
        QCOMPARE(w->lines().rows(), 4);
        QCOMPARE(cell(*w, 1, Code), QStringLiteral("G2"));
        QCOMPARE(cell(*w, 2, Code), QStringLiteral("G3"));
        QCOMPARE(cell(*w, 2, Storage), QStringLiteral("2-副仓库"));
        QCOMPARE(cell(*w, 2, Book), QStringLiteral("7"));
        QCOMPARE(cell(*w, 2, Diff), QString());
        QCOMPARE(cell(*w, 3, Code), QString());
    }

    void newCountWindow()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        auto w = openCount(app, 1);
        QVERIFY(w);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QCOMPARE(w->objectName(), QStringLiteral("FrmCheck"));
        QCOMPARE(w->windowTitle(), QStringLiteral("盘点单"));
        QCOMPARE(child<QLabel>(w.get(), "Label9")->text(), QStringLiteral("盘  点  单"));
        QCOMPARE(child<QLabel>(w.get(), "Label4")->text(), QStringLiteral("盘点人："));
        QCOMPARE(box(*w, "txt_OperateDate")->text(), QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
        QCOMPARE(box(*w, "txt_Operator")->text(), QStringLiteral("Administrator-系统管理员"));
        QVERIFY(!box(*w, "txt_Operator")->isEnabled());
        QVERIFY(!w->findChild<QComboBox *>(QStringLiteral("cmb_Storage")));
        QCOMPARE(w->grid()->objectName(), QStringLiteral("CheckGrd"));
        QCOMPARE(w->grid()->cols(), 11);
        QCOMPARE(w->lines().rows(), 2);
        // Number, date and checker in one row, in that order.
        QPoint previous(-1, -1);
        for (const char *name : {"txt_CheckID", "txt_OperateDate", "txt_Checker"}) {
            QLineEdit *b = box(*w, name);
            const QPoint at = b->mapTo(w.get(), b->rect().center());
            QVERIFY(at.x() > previous.x());
            QVERIFY(previous.y() < 0 || qAbs(at.y() - previous.y()) <= 4);
            previous = at;
        }
        // The commands: print and apply on the left, save and exit on the right.
        const QStringList names{"cmd_Print", "cmd_ModifyStorage", "cmd_Save", "cmd_Exit"};
        const QStringList captions{"打印", "修改库存", "保存", "退出"};
        int x = -1;
        for (int i = 0; i < names.size(); ++i) {
            auto *b = child<QPushButton>(w.get(), qPrintable(names[i]));
            QCOMPARE(b->text(), captions[i]);
            QVERIFY(b->isEnabled());
            QVERIFY(b->x() > x);
            x = b->x();
        }
        // The window opens on the checker; Enter walks the header, the
        // number last, then on to the grid.
        QCOMPARE(enterWalk(5),
                 (QStringList{"txt_Checker", "txt_OperateDate", "txt_Remark", "txt_CheckID", "CheckGrd"}));
        // Tab leaves the grid for the commands, in their order, and comes
        // round to the checker; from the open checker list it goes to the
        // remark; the cell editor stands between 打印 and 修改库存.
        QCOMPARE(enterWalk(6, Qt::Key_Tab), (QStringList{"CheckGrd", "cmd_Print", "cmd_ModifyStorage", "cmd_Exit",
                                                         "cmd_Save", "txt_Checker"}));
        QTest::mouseDClick(box(*w, "txt_Checker"), Qt::LeftButton);
        QCOMPARE(enterWalk(2, Qt::Key_Tab), (QStringList{"cmb_Checker", "txt_Remark"}));
        w->clickCell(1, Code);
        QCOMPARE(enterWalk(3, Qt::Key_Tab), (QStringList{"txtF", "cmd_ModifyStorage", "cmd_Exit"}));
    }

    void enterWalksCodeCountReason()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.db().exec(QStringLiteral("update Product set NowStorage=10 where GoodsID='G1'"));
        app.db().exec(QStringLiteral("update Product set NowStorage=5 where GoodsID='G2'"));
        auto w = openCount(app, 1);
        w->clickCell(1, Code); // the last row's code cell: a row is added below
        QCOMPARE(w->lines().rows(), 3);
        QVERIFY(w->cellEditor()->isVisible());
        type(w->cellEditor(), QStringLiteral("G1"));
        QCOMPARE(cell(*w, 1, Name), QStringLiteral("螺丝"));
        QCOMPARE(cell(*w, 1, Storage), QStringLiteral("1-主仓库"));
        QCOMPARE(cell(*w, 1, Book), QStringLiteral("10"));
        enter(w->cellEditor());
        QCOMPARE(w->grid()->col(), int(Counted));
        type(w->cellEditor(), QStringLiteral("12"));
        QCOMPARE(cell(*w, 1, Diff), QStringLiteral(" 2"));
        QCOMPARE(cell(*w, 1, ProfitLoss), QStringLiteral("盘赢"));
        enter(w->cellEditor());
        QCOMPARE(w->grid()->col(), int(Reason));
        type(w->cellEditor(), QStringLiteral("多发"));
        enter(w->cellEditor());
        QCOMPARE(w->grid()->row(), 2);
        QCOMPARE(w->grid()->col(), int(Code));
        QCOMPARE(w->lines().rows(), 4);
        QCOMPARE(cell(*w, 1, Reason), QStringLiteral("多发"));

        // A count typed, then the code changed: gain and loss follow the books.
        type(w->cellEditor(), QStringLiteral("G2"));
        enter(w->cellEditor());
        type(w->cellEditor(), QStringLiteral("3"));
        QCOMPARE(cell(*w, 2, Diff), QStringLiteral("-2"));
        w->clickCell(2, Code);
        w->cellEditor()->selectAll();
        type(w->cellEditor(), QStringLiteral("G1"));
        QCOMPARE(cell(*w, 2, Diff), QStringLiteral("-7"));
        QCOMPARE(cell(*w, 2, ProfitLoss), QStringLiteral("盘亏"));
        // An unknown code empties the goods and the books, keeps the count.
        type(w->cellEditor(), QStringLiteral("x"));
        for (int c = Name; c <= Book; ++c)
            QCOMPARE(cell(*w, 2, c), QString());
        QCOMPARE(cell(*w, 2, Counted), QStringLiteral("3"));

        // Cells not typed into open nothing.
        for (int c : {Name, Unit, Model, Storage, Book, ProfitLoss, Diff}) {
            w->clickCell(1, c);
            QVERIFY(!w->cellEditor()->isVisible());
        }
        QCOMPARE(w->lines().rows(), 4);
    }

    void modifyModeEditsCountsAndReasonsOnly()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        storedCount(app);
        auto w = openCount(app, 2, QStringLiteral("K1"));
        QVERIFY(w);
        QVERIFY(!box(*w, "txt_CheckID")->isEnabled());
        QCOMPARE(box(*w, "txt_CheckID")->text(), QStringLiteral("K1"));
        // Reopened, it starts on the checker too, and Enter passes the number.
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QCOMPARE(enterWalk(4), (QStringList{"txt_Checker", "txt_OperateDate", "txt_Remark", "CheckGrd"}));
        QCOMPARE(w->fieldText(QStringLiteral("txt_Checker")), QStringLiteral("K1-盘点戊"));
        QCOMPARE(box(*w, "txt_OperateDate")->text(), QStringLiteral("2026-12-01"));
        QCOMPARE(w->lines().rows(), 3); // the lines, no empty row after them
        QCOMPARE(cell(*w, 1, Storage), QStringLiteral("主仓库"));
        QCOMPARE(cell(*w, 1, Diff), QStringLiteral("2"));
        QCOMPARE(app.state().detailRs->rowCount(), 2);

        w->clickCell(2, Code); // codes cannot change, lines cannot be added
        QVERIFY(!w->cellEditor()->isVisible());
        QCOMPARE(w->lines().rows(), 3);
        w->clickCell(1, Counted);
        QVERIFY(w->cellEditor()->isVisible());
        w->cellEditor()->selectAll();
        type(w->cellEditor(), QStringLiteral("9"));
        QCOMPARE(cell(*w, 1, ProfitLoss), QStringLiteral("盘亏"));
        enter(w->cellEditor());
        type(w->cellEditor(), QStringLiteral("少"));
        enter(w->cellEditor()); // the next line's code: the editor closes
        QVERIFY(!w->cellEditor()->isVisible());
        QCOMPARE(cell(*w, 1, Reason), QStringLiteral("多发少"));
        w->clickCell(2, Reason); // the last line's reason
        type(w->cellEditor(), QStringLiteral("末行"));
        enter(w->cellEditor());
        QVERIFY(!w->cellEditor()->isVisible());
        QCOMPARE(cell(*w, 2, Reason), QStringLiteral("末行"));
        QCOMPARE(w->lines().rows(), 3);
    }

    void checks_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("checker"); // typed into the box
        QTest::addColumn<QStringList>("lines"); // code, count, reason per line
        QTest::addColumn<QString>("message"); // empty: saved
        const QString required = QStringLiteral("请将数据填写完整！\n制单日期、单据号、盘点人均为必填项。");
        const QString noLines = QStringLiteral("请在表格中输入数据！\n请输入商品编码及其盘点数量！");
        const QString badCount = QStringLiteral("请在第1行输入正确的盘点数量！");
        const QStringList good{"G1", "3", ""};
        QTest::newRow("a good count") << "K1" << "K1-盘点戊" << good << "";
        QTest::newRow("negative count") << "K1" << "K1" << QStringList{"G1", "-3", ""} << "";
        QTest::newRow("number taken") << "K0" << "K1" << good << "该编号已经存在！";
        QTest::newRow("no number") << " " << "K1" << good << required;
        QTest::newRow("no checker") << "K1" << "" << good << required;
        QTest::newRow("unknown checker") << "K1" << "K9-无此人" << good << "盘点人“K9-无此人”不存在，请从列表中选择！";
        QTest::newRow("checker name only") << "K1" << "盘点戊" << good << "盘点人“盘点戊”不存在，请从列表中选择！";
        QTest::newRow("no lines") << "K1" << "K1" << QStringList{} << noLines;
        QTest::newRow("blank line") << "K1" << "K1" << QStringList{" ", "", " "} << noLines;
        QTest::newRow("reason only") << "K1" << "K1" << QStringList{"", "", "破损"} << "请在第1行输入正确的商品编码！";
        QTest::newRow("unknown goods") << "K1" << "K1" << QStringList{"NOPE", "3", ""} << "请在第1行输入正确的商品编码！";
        QTest::newRow("zero") << "K1" << "K1" << QStringList{"G1", "0", ""} << "";
        QTest::newRow("no count") << "K1" << "K1" << QStringList{"G1", "", "原因"} << badCount;
        QTest::newRow("unit after") << "K1" << "K1" << QStringList{"G1", "5kg", ""} << badCount;
        QTest::newRow("thousands") << "K1" << "K1" << QStringList{"G1", "1,000", ""} << badCount;
        QTest::newRow("second line") << "K1" << "K1" << QStringList{"G1", "3", "", "G2", "x", ""}
                                     << "请在第2行输入正确的盘点数量！";
    }
    void checks()
    {
        QFETCH(QString, number);
        QFETCH(QString, checker);
        QFETCH(QStringList, lines);
        QFETCH(QString, message);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.db().exec(QStringLiteral("insert into CheckNumber(CheckID,CheckerID,OperatorID) values('K0','K1','Administrator')"));
        msg::Recorder messages;
        auto w = openCount(app, 1);
        type(box(*w, "txt_CheckID"), number);
        type(box(*w, "txt_Checker"), checker);
        for (int i = 0; i + 2 < lines.size(); i += 3)
            fillLine(*w, i / 3 + 1, {lines[i], lines[i + 1], lines[i + 2]});
        const bool saved = w->save();
        QCOMPARE(saved, message.isEmpty());
        if (saved) {
            QCOMPARE(messages.count(), 0);
            QCOMPARE(app.one(QStringLiteral("select CheckerID from CheckNumber where CheckID='K1'")), QStringLiteral("K1"));
            QCOMPARE(app.one(QStringLiteral("select CheckNumber from CheckNumberDetail")), lines[1]);
            return;
        }
        QCOMPARE(messages.lastTitle(), QStringLiteral("错误"));
        QCOMPARE(messages.shown().last().icon, msg::Icon::Critical);
        QCOMPARE(messages.lastText(), message);
        QVERIFY(w->isVisible());
        QCOMPARE(app.count(QStringLiteral("CheckNumber")), 1);
        QCOMPARE(app.count(QStringLiteral("CheckNumberDetail")), 0);
        QCOMPARE(app.log(), QStringList());
        if (number == QStringLiteral("K0"))
            QCOMPARE(w->focusWidget(), box(*w, "txt_CheckID"));
    }

    void saveWritesTheCountAndClosesTheWindow()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        msg::Recorder messages;
        auto w = threeLineCount(app);
        const QStringList shown{" 2|盘赢", "-2|盘亏", " 0|盘平"};
        for (int r = 1; r <= 3; ++r)
            QCOMPARE(cell(*w, r, Diff) + QLatin1Char('|') + cell(*w, r, ProfitLoss), shown[r - 1]);
        QVERIFY(w->save());
        QCOMPARE(messages.count(), 0);
        QVERIFY(!w->isVisible());
        QCOMPARE(w->result(), int(QDialog::Accepted));
        QCOMPARE(app.one(QStringLiteral("select CheckID,OperateDate,CheckerID,OperatorID,Remark,Status is null "
                                        "from CheckNumber")),
                 QStringLiteral("K1|%1|K1|Administrator|月末盘点|1")
                     .arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));
        QCOMPARE(savedLines(app), (QStringList{"G1|10|12|盘赢|多发", "G2|10|8|盘亏|丢失", "G3|10|10|盘平|"}));
        QCOMPARE(stocks(app), (QStringList{"G1|10", "G2|10", "G3|10"})); // saving moves no stock
        QCOMPARE(app.log(), QStringList{QStringLiteral("添加单据号为K1的盘点单")});

        FrmMain main(app.state());
        main.navigate(304);
        QCOMPARE(main.grid()->rows(), 2);
        QCOMPARE(main.grid()->textMatrix(1, 1), QStringLiteral("K1"));
        QCOMPARE(main.grid()->textMatrix(1, 3), QStringLiteral("盘点戊"));
        QCOMPARE(main.grid()->textMatrix(1, 4), QStringLiteral("系统管理员"));
    }

    void reopenedCountSavesUnchanged_data()
    {
        QTest::addColumn<QString>("meanwhile"); // run before the count is reopened
        QTest::addColumn<QString>("message");   // empty: saved
        QTest::newRow("as saved") << "" << "";
        QTest::newRow("storage row gone") << "delete from Storage where StorageID='2'" << "";
        QTest::newRow("goods storage changed") << "update Product set StorageID='1' where GoodsID='G3'" << "";
        QTest::newRow("goods removed") << "delete from Product where GoodsID='G3'" << "请在第2行输入正确的商品编码！";
    }
    void reopenedCountSavesUnchanged()
    {
        QFETCH(QString, meanwhile);
        QFETCH(QString, message);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        storedCount(app);
        if (!meanwhile.isEmpty())
            app.db().exec(meanwhile);
        const QStringList before = savedLines(app);
        app.state().currentOperatorID = QStringLiteral("clerk");
        msg::Recorder messages;
        auto w = openCount(app, 2, QStringLiteral("K1"));
        QCOMPARE(w->lines().rows(), 3);
        QCOMPARE(w->save(), message.isEmpty());
        QCOMPARE(savedLines(app), before);
        if (!message.isEmpty()) {
            QCOMPARE(messages.lastText(), message);
            QCOMPARE(app.log(), QStringList());
            // "修改库存" refuses the same line in the same words.
            const QStringList stockBefore = stocks(app);
            messages.answer(QMessageBox::Yes);
            QVERIFY(!w->modifyStorage());
            QCOMPARE(messages.lastText(), message);
            QCOMPARE(stocks(app), stockBefore);
            QCOMPARE(app.log(), QStringList());
            return;
        }
        QCOMPARE(messages.count(), 0);
        // The maker is kept; the log names who saved.
        QCOMPARE(app.one(QStringLiteral("select OperatorID,Remark from CheckNumber")), QStringLiteral("Administrator|旧"));
        QCOMPARE(app.one(QStringLiteral("select OperatorID,Operation from OperatorLog")),
                 QStringLiteral("clerk|修改单据号为K1的盘点单"));
    }

    void modifiedCountsAreComputedAgain()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        storedCount(app);
        app.db().exec(QStringLiteral("update CheckNumberDetail set ProfitLoss='' where GoodsID='G3'"));
        auto w = openCount(app, 2, QStringLiteral("K1"));
        w->lines().setCell(1, Counted, QStringLiteral("7")); // as the editor leaves it
        QVERIFY(w->save());
        QCOMPARE(savedLines(app), (QStringList{"G1|10|7|盘亏|多发", "G3|4|4|盘平|"}));
    }

    void applyFromTheWindow_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("secondCount"); // left in the cell editor
        QTest::addColumn<QString>("meanwhile");   // run after the lines were typed
        QTest::addColumn<QString>("third");       // a third line's goods code, counted 99
        QTest::addColumn<QStringList>("stock");
        QTest::addColumn<QString>("message"); // the last message shown
        const QString question = QStringLiteral("确实要将库存商品的数量修改为当前盘点数量？");
        const QStringList unchanged{"G1|10", "G2|10", "G3|10"};
        QTest::newRow("yes") << int(QMessageBox::Yes) << "8" << "" << "" << QStringList{"G1|12", "G2|8", "G3|10"}
                             << question;
        QTest::newRow("yes, over stock moved since") << int(QMessageBox::Yes) << "-1"
                                                     << "update Product set NowStorage=50 where GoodsID='G1'" << ""
                                                     << QStringList{"G1|12", "G2|-1", "G3|10"} << question;
        QTest::newRow("empty shelf") << int(QMessageBox::Yes) << "0" << "" << ""
                                     << QStringList{"G1|12", "G2|0", "G3|10"} << question;
        QTest::newRow("no") << int(QMessageBox::No) << "8" << "" << "" << unchanged << question;
        QTest::newRow("count not a number") << int(QMessageBox::Yes) << "5kg" << "" << "" << unchanged
                                            << "请在第2行输入正确的盘点数量！";
        QTest::newRow("no count") << int(QMessageBox::Yes) << "" << "" << "" << unchanged << "请在第2行输入正确的盘点数量！";
        QTest::newRow("unknown goods") << int(QMessageBox::Yes) << "8" << "" << "NOPE" << unchanged
                                       << "请在第3行输入正确的商品编码！";
        QTest::newRow("goods removed meanwhile") << int(QMessageBox::Yes) << "8"
                                                 << "delete from Product where GoodsID='G2'" << ""
                                                 << QStringList{"G1|10", "G3|10"}
                                                 << "商品编码为G2的商品已不存在，未能修改库存。";
    }
    void applyFromTheWindow()
    {
        QFETCH(int, answer);
        QFETCH(QString, secondCount);
        QFETCH(QString, meanwhile);
        QFETCH(QString, third);
        QFETCH(QStringList, stock);
        QFETCH(QString, message);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.db().exec(QStringLiteral("update Product set NowStorage=10"));
        msg::Recorder messages;
        messages.answer(QMessageBox::StandardButton(answer));
        auto w = openCount(app, 1);
        type(box(*w, "txt_CheckID"), QStringLiteral("K1"));
        fillLine(*w, 1, {"G1", "12", ""});
        if (!third.isEmpty())
            fillLine(*w, 3, {third, "99", ""});
        w->clickCell(2, Code);
        type(w->cellEditor(), QStringLiteral("G2"));
        enter(w->cellEditor());
        w->cellEditor()->setText(secondCount); // still in the editor, not yet in its cell
        QCOMPARE(cell(*w, 2, Counted), QString());
        if (!meanwhile.isEmpty())
            app.db().exec(meanwhile);

        const bool applied = answer == QMessageBox::Yes && stock != QStringList{"G1|10", "G2|10", "G3|10"}
                             && !message.startsWith(QStringLiteral("商品"));
        QCOMPARE(w->modifyStorage(), applied);
        QCOMPARE(messages.lastText(), message);
        QCOMPARE(cell(*w, 2, Counted), secondCount);
        QCOMPARE(stocks(app), stock);
        QCOMPARE(app.log(), applied ? QStringList{QStringLiteral("修改库存数量为盘点单K1的数量")} : QStringList());
        if (message.startsWith(QStringLiteral("确实"))) {
            QCOMPARE(messages.count(), 1);
            QCOMPARE(messages.lastTitle(), QStringLiteral("系统提示"));
            QCOMPARE(messages.shown().last().icon, msg::Icon::Question);
        } else {
            QCOMPARE(messages.lastTitle(), QStringLiteral("错误"));
            QCOMPARE(messages.shown().last().icon, msg::Icon::Critical);
        }
        QCOMPARE(app.count(QStringLiteral("CheckNumber")), 0); // applying saves nothing
        QVERIFY(w->isVisible());
        QVERIFY(child<QPushButton>(w.get(), "cmd_ModifyStorage")->isEnabled());
    }

    void applyTheCountAsLoaded()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        storedCount(app);
        msg::Recorder messages;
        messages.answer(QMessageBox::Yes);
        messages.answer(QMessageBox::Yes);
        auto w = openCount(app, 2, QStringLiteral(" K1"));
        child<QPushButton>(w.get(), "cmd_ModifyStorage")->click();
        child<QPushButton>(w.get(), "cmd_ModifyStorage")->click();
        QCOMPARE(stocks(app), (QStringList{"G1|12", "G2|0", "G3|4"}));
        QCOMPARE(app.log(), (QStringList{"修改库存数量为盘点单K1的数量", "修改库存数量为盘点单K1的数量"}));
        QVERIFY(w->isVisible());
    }

    void printShowsTheStoredLines()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        storedCount(app);
        modal::Script script;
        QStringList seen;
        for (int i = 0; i < 2; ++i) {
            script.then([&seen](QDialog *d) {
                auto *viewer = child<ReportViewer>(d, "CRViewer1");
                QVERIFY(viewer);
                const Report &r = viewer->report();
                QStringList counts;
                for (int row = 0; row < r.rows->rowCount(); ++row)
                    counts << r.rows->text(row, QStringLiteral("盘点数量"));
                seen << d->objectName() + QLatin1Char('|') + r.title + QLatin1Char('|') + counts.join(QLatin1Char(','))
                            + QLatin1Char('|') + QString::number(viewer->layout().totalColumn);
                QCOMPARE(r.rows->columns(), (QStringList{"商品编码", "商品名称", "单位", "规格型号", "库位",
                                                         "帐存数量", "盘点数量", "盈亏", "盈亏数量", "原因"}));
            });
        }
        auto w = openCount(app, 2, QStringLiteral("K1"));
        w->clickCell(1, Counted);
        w->cellEditor()->selectAll();
        type(w->cellEditor(), QStringLiteral("99")); // not saved: the print shows what is stored
        child<QPushButton>(w.get(), "cmd_Print")->click();
        auto fresh = openCount(app, 1);
        type(box(*fresh, "txt_CheckID"), QStringLiteral("K9"));
        child<QPushButton>(fresh.get(), "cmd_Print")->click();
        QCOMPARE(seen, (QStringList{"FrmCheckDetailPrint|盘点单K1|12,4|-1", "FrmCheckDetailPrint|盘点单K9||-1"}));
    }

    void fromTheMainWindow()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        msg::Recorder messages;
        modal::Script script;
        script.then([](QDialog *d) {
            auto *w = qobject_cast<FrmCheck *>(d);
            QVERIFY(w);
            QCOMPARE(w->mode(), 1);
            QTest::keyClicks(box(*w, "txt_CheckID"), QStringLiteral("K'1"));
            pick(*w, QStringLiteral("Checker"), QStringLiteral("K1-"));
            fillLine(*w, 1, {"G2", "4", ""});
            QVERIFY(w->save());
        });
        script.then([](QDialog *d) {
            auto *w = qobject_cast<FrmCheck *>(d);
            QVERIFY(w);
            QCOMPARE(w->mode(), 2);
            QCOMPARE(box(*w, "txt_CheckID")->text(), QStringLiteral("K'1"));
            QCOMPARE(w->lines().cell(1, Counted), QStringLiteral("4"));
            child<QPushButton>(w, "cmd_Exit")->click();
        });
        FrmMain main(app.state());
        main.navigate(304);
        QCOMPARE(main.grid()->rows(), 1);
        main.findChild<QAction *>(QStringLiteral("E_Add"))->trigger();
        QCOMPARE(main.grid()->rows(), 2);
        QCOMPARE(main.grid()->textMatrix(1, 1), QStringLiteral("K'1"));
        main.grid()->setRow(1);
        main.findChild<QAction *>(QStringLiteral("E_Modify"))->trigger();
        QCOMPARE(script.shownCount(), 2);
        QVERIFY(script.done());
        QCOMPARE(messages.count(), 0);
        QCOMPARE(app.log(), QStringList{QStringLiteral("添加单据号为K'1的盘点单")});
    }
};

QTEST_MAIN(TestStockWindow)
#include "test_stockwindow.moc"
