// The stock count's rules without a window: the gain and loss of a line, the
// goods a code or the picker brings, what a saved count holds, and applying
// a count to the stock (all or nothing).
#include "TestSupport.h"

#include "bills/BillGrid.h"
#include "bills/BillStore.h"
#include "platform/grid/TextGridModel.h"
#include "stock/CountStore.h"
#include "stock/FrmCheck.h"

#include <QtTest>

namespace {

const BillKind &countKind()
{
    return FrmCheck::billKind();
}

// Grid columns of a count.
enum Col { Code = 1, Name, Unit, Model, Storage, Book, Counted, ProfitLoss, Diff, Reason };

double stock(TestApp &app, const QString &goods)
{
    return app.db().scalar(QStringLiteral("select NowStorage from Product where GoodsID=?"), {goods}).toDouble();
}

QStringList stocks(TestApp &app)
{
    return app.rows(QStringLiteral("select GoodsID,NowStorage from Product order by GoodsID"));
}

// A grid of named lines (code, counted quantity).
void fillLines(BillGrid &g, const QVector<QPair<QString, QString>> &lines)
{
    g.startNew();
    for (int i = 0; i < lines.size(); ++i) {
        const int r = i + 1;
        if (r >= g.rows())
            g.insertLineAtEnd();
        g.setCell(r, Code, lines[i].first);
        g.setCell(r, Name, QStringLiteral("名称") + lines[i].first);
        g.setCell(r, Counted, lines[i].second);
    }
}

} // namespace

class TestStockRules : public QObject
{
    Q_OBJECT

private slots:
    void gainAndLoss_data()
    {
        QTest::addColumn<QString>("book");
        QTest::addColumn<QString>("counted");
        QTest::addColumn<QString>("diff");
        QTest::addColumn<QString>("result");
        QTest::newRow("more than the books") << "10" << "12" << " 2" << "盘赢";
        QTest::newRow("less than the books") << "10" << "8" << "-2" << "盘亏";
        QTest::newRow("as the books") << "10" << "10" << " 0" << "盘平";
        QTest::newRow("fractions") << "1" << "2.5" << " 1.5" << "盘赢";
        QTest::newRow("no book quantity") << "" << "5" << " 5" << "盘赢";
        QTest::newRow("count being cleared") << "10" << "" << "-10" << "盘亏";
        QTest::newRow("nothing on either side") << "0" << "" << " 0" << "盘平";
        QTest::newRow("negative count") << "2" << "-3" << "-5" << "盘亏";
        QTest::newRow("negative books") << "-4" << "1" << " 5" << "盘赢";
        QTest::newRow("count written with a point") << "3" << "3.0" << " 0" << "盘平";
        QTest::newRow("empty shelf") << "5" << "0" << "-5" << "盘亏";
        QTest::newRow("decimal difference") << "1000" << "1000.3" << " 0.3" << "盘赢";
        QTest::newRow("half at the seventh place") << "0" << "1.0000005" << " 1.000001" << "盘赢";
    }
    void gainAndLoss()
    {
        QFETCH(QString, book);
        QFETCH(QString, counted);
        QFETCH(QString, diff);
        QFETCH(QString, result);
        TextGridModel model;
        BillGrid g(model, countKind());
        g.startNew();
        g.setCell(1, Book, book);
        g.setCell(1, Counted, counted);
        g.recomputeCount(1);
        QCOMPARE(g.cell(1, Diff), diff);
        QCOMPARE(g.cell(1, ProfitLoss), result);
    }

    void newCountHasNoTotalRow()
    {
        TextGridModel model;
        BillGrid g(model, countKind());
        g.startNew();
        QCOMPARE(g.rows(), 2);
        QCOMPARE(model.cols(), 11);
        const QStringList captions{"商品编码", "商品名称", "单位", "规格型号", "库位", "帐存数量",
                                   "盘点数量", "盈亏", "盈亏数量", "原因"};
        for (int c = 1; c <= 10; ++c)
            QCOMPARE(g.cell(0, c), captions[c - 1]);
        QCOMPARE(g.lastLine(), 1);
        QVERIFY(!g.isTotalRow(1));
        QCOMPARE(g.insertLineAtEnd(), 2);
        QCOMPARE(g.lastLine(), 2);
        g.rewriteTotal(); // nothing to total
        QCOMPARE(g.cell(2, Code), QString());
    }

    void whatMakesALineUsed_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("used");
        QTest::newRow("code") << int(Code) << "G1" << true;
        QTest::newRow("count") << int(Counted) << "3" << true;
        QTest::newRow("reason only") << int(Reason) << "破损" << true;
        QTest::newRow("blank reason") << int(Reason) << "  " << false;
        QTest::newRow("book quantity only") << int(Book) << "5" << false;
        QTest::newRow("storage only") << int(Storage) << "1-主仓库" << false;
    }
    void whatMakesALineUsed()
    {
        QFETCH(int, col);
        QFETCH(QString, text);
        QFETCH(bool, used);
        TextGridModel model;
        BillGrid g(model, countKind());
        g.startNew();
        g.setCell(1, col, text);
        QCOMPARE(g.hasContent(1), used);
    }

    void saveComputesEveryLineAgain()
    {
        TextGridModel model;
        BillGrid g(model, countKind());
        g.startNew();
        g.insertLineAtEnd();
        // A count typed before its code: compared then with nothing on the books.
        g.setCell(1, Code, QStringLiteral("G1"));
        g.setCell(1, Book, QStringLiteral("10"));
        g.setCell(1, Counted, QStringLiteral("8"));
        g.setCell(1, Diff, QStringLiteral(" 8"));
        g.setCell(1, ProfitLoss, QStringLiteral("盘赢"));
        g.setCell(2, Diff, QStringLiteral("x")); // an empty line is left alone
        g.recomputeLines();
        QCOMPARE(g.cell(1, Diff), QStringLiteral("-2"));
        QCOMPARE(g.cell(1, ProfitLoss), QStringLiteral("盘亏"));
        QCOMPARE(g.cell(2, Diff), QStringLiteral("x"));
        // Only a line with a count is computed after a code change.
        g.setCell(2, Book, QStringLiteral("4"));
        g.recomputeCountIfCounted(2);
        QCOMPARE(g.cell(2, ProfitLoss), QString());
    }

    void goodsFillStorageAndBooks()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.db().exec(QStringLiteral("update Product set NowStorage=7.5 where GoodsID='G3'"));
        BillStore store(app.db(), countKind());
        TextGridModel model;
        BillGrid g(model, countKind());
        g.startNew();
        g.insertLineAtEnd();
        for (int c = Name; c <= Reason; ++c)
            g.setCell(1, c, QStringLiteral("旧%1").arg(c));

        const ResultPtr typed = store.lookupGoods(QStringLiteral(" g3 "));
        QCOMPARE(typed->rowCount(), 1);
        g.fillGoods(1, *typed, 0, false);
        const QStringList filled{"钳子", "把", "8寸", "2-副仓库", "7.5", "旧7", "旧8", "旧9", "旧10"};
        for (int c = Name; c <= Reason; ++c)
            QCOMPARE(g.cell(1, c), filled[c - Name]);

        // An unknown code empties the goods and the books, keeps the rest.
        g.clearGoods(1);
        for (int c = Name; c <= Book; ++c)
            QCOMPARE(g.cell(1, c), QString());
        QCOMPARE(g.cell(1, Counted), QStringLiteral("旧7"));
        QCOMPARE(g.cell(1, Reason), QStringLiteral("旧10"));

        const ResultPtr picked = store.pickedGoods({QStringLiteral("G3"), QStringLiteral("G1")});
        QCOMPARE(picked->rowCount(), 2);
        g.fillGoods(2, *picked, 1, true);
        QCOMPARE(g.cell(2, Name), QStringLiteral("螺丝"));
        QCOMPARE(g.cell(2, Storage), QStringLiteral("1-主仓库"));
        QCOMPARE(g.cell(2, Book), QStringLiteral("0"));
    }

    void countsOfLines_data()
    {
        QTest::addColumn<QString>("counted");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("plain") << "12" << true;
        QTest::newRow("negative") << "-3" << true;
        QTest::newRow("blanks around") << " 2.5 " << true;
        QTest::newRow("zero") << "0" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("unit after") << "5kg" << false;
        QTest::newRow("thousands") << "1,000" << false;
    }
    void countsOfLines()
    {
        QFETCH(QString, counted);
        QFETCH(bool, accepted);
        TestApp app;
        QVERIFY(app.ok());
        TextGridModel model;
        BillGrid g(model, countKind());
        // Line 2 holds nothing: it is left out.
        fillLines(g, {{QStringLiteral("G1"), QStringLiteral("4")}, {QString(), QString()},
                      {QStringLiteral(" G2 "), counted}});
        g.setCell(2, Name, QString());
        QVector<CountedGoods> lines;
        const auto fail = countedLines(countKind(), g, BillStore(app.db(), countKind()), &lines);
        QCOMPARE(!fail, accepted);
        if (!accepted) {
            QCOMPARE(fail->message, QStringLiteral("请在第3行输入正确的盘点数量！"));
            return;
        }
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].goodsId, QStringLiteral("G1"));
        QCOMPARE(lines[1].goodsId, QStringLiteral("G2"));
        QCOMPARE(lines[1].counted, counted.trimmed().toDouble());
    }

    void applySetsStockAndLogsOnce()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.db().exec(QStringLiteral("update Product set NowStorage=10"));
        CountStore store(app.db());
        const QDateTime when(QDate(2026, 12, 8), QTime(9, 30));
        store.apply(QStringLiteral("K1"), {{QStringLiteral("G1"), 12}, {QStringLiteral("g2"), -3}},
                    QStringLiteral("Administrator"), when);
        QCOMPARE(stocks(app), (QStringList{"G1|12", "G2|-3", "G3|10"}));
        QCOMPARE(app.log(), QStringList{QStringLiteral("修改库存数量为盘点单K1的数量")});
        // Again: the same stock, one more log entry; no lines still logs.
        store.apply(QStringLiteral("K1"), {{QStringLiteral("G1"), 12}}, QStringLiteral("Administrator"), when);
        store.apply(QString(), {}, QStringLiteral("Administrator"), when);
        QCOMPARE(stock(app, QStringLiteral("G1")), 12.0);
        QCOMPARE(app.log(), (QStringList{"修改库存数量为盘点单K1的数量", "修改库存数量为盘点单K1的数量",
                                         "修改库存数量为盘点单的数量"}));
        QCOMPARE(app.one(QStringLiteral("select OperatorID,OperateDate from OperatorLog where OperatorLogID=1")),
                 QStringLiteral("Administrator|2026-12-08 09:30:00"));
    }

    void failedApplyChangesNothing_data()
    {
        QTest::addColumn<QString>("trigger"); // made before the apply
        QTest::addColumn<QString>("message");
        QTest::newRow("goods removed") << "delete from Product where GoodsID='G2'"
                                       << "商品编码为G2的商品已不存在，未能修改库存。";
        QTest::newRow("last line refused")
            << "create trigger refuse before update on Product when new.GoodsID='G3' "
               "begin select raise(fail, '第三行写入失败'); end"
            << "第三行写入失败";
        QTest::newRow("log refused")
            << "create trigger refuse before insert on OperatorLog begin select raise(fail, '日志写入失败'); end"
            << "日志写入失败";
    }
    void failedApplyChangesNothing()
    {
        QFETCH(QString, trigger);
        QFETCH(QString, message);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.db().exec(QStringLiteral("update Product set NowStorage=10"));
        app.db().exec(trigger);
        const QStringList before = stocks(app);
        try {
            CountStore(app.db()).apply(QStringLiteral("K1"),
                                       {{QStringLiteral("G1"), 1}, {QStringLiteral("G2"), 2}, {QStringLiteral("G3"), 3}},
                                       QStringLiteral("Administrator"), QDateTime::currentDateTime());
            QFAIL("applied");
        } catch (const DbError &e) {
            QCOMPARE(e.text(), message);
        }
        QCOMPARE(stocks(app), before);
        QCOMPARE(app.log(), QStringList());
        QCOMPARE(app.db().transactionDepth(), 0);
    }

    void savedCountKeepsEveryLine()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        Database &db = app.db();
        db.exec(QStringLiteral("insert into CheckNumber(CheckID,OperateDate,CheckerID,OperatorID) "
                               "values('K1','2026-12-08','K1','Administrator')"));
        db.exec(QStringLiteral("insert into CheckNumberDetail(CheckID,GoodsID,StorageNumber,CheckNumber,ProfitLoss,Reason) "
                               "values('K1','G3',4,6,'盘赢','多'),('K1','G1',10,8,'盘亏','少'),('K1','GONE',0,1.0000005,'盘赢','')"));
        db.exec(QStringLiteral("delete from Storage where StorageID='2'")); // G3's storage row
        BillStore store(db, countKind());
        const ResultPtr lines = store.lines(QStringLiteral(" k1 "));
        QCOMPARE(lines->columns(), (QStringList{"商品编码", "商品名称", "单位", "规格型号", "库位", "帐存数量",
                                                "盘点数量", "盈亏", "盈亏数量", "原因"}));
        QCOMPARE(lines->rowCount(), 3);
        QCOMPARE(app.rows(countKind().lineSql, {QStringLiteral("K1")}),
                 (QStringList{"G3|钳子|把|8寸||4|6|盘赢|2|多", "G1|螺丝|盒|M4|主仓库|10|8|盘亏|-2|少",
                              "GONE|||||0|1.0000005|盘赢|1.000001|"}));
        const ResultPtr head = store.head(QStringLiteral("K1"));
        QCOMPARE(head->text(0, QStringLiteral("盘点人名称")), QStringLiteral("盘点戊"));
        QCOMPARE(head->text(0, QStringLiteral("操作员名称")), QStringLiteral("系统管理员"));
        // A count whose checker row is gone still opens.
        db.exec(QStringLiteral("delete from Checker"));
        QCOMPARE(store.head(QStringLiteral("K1"))->text(0, QStringLiteral("盘点人编码")), QStringLiteral("K1"));
    }
};

QTEST_MAIN(TestStockRules)
#include "test_stockrules.moc"
