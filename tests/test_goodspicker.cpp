// The goods picker, driven as the operator would.
#include "TestSupport.h"

#include "masterdata/FrmGoodsConn.h"
#include "bills/FrmOrderConn.h"
#include "platform/grid/TextGrid.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QtTest>

class TestGoodsPicker : public QObject
{
    Q_OBJECT

    static void seed(TestApp &app)
    {
        app.seedMasterData();
        // Listed by code whatever the order they were added in; a goods item
        // whose storage does not exist is not listed.
        app.db().exec(QStringLiteral("insert into Product(GoodsID,GoodsName,StorageID) values('A9','甲','2'),"
                                     "('Z1','无库位','99'),('B0','O''Brien 扳手','1')"));
    }

private slots:
    void listsGoodsByCodeWithTheirStorage()
    {
        TestApp app;
        QVERIFY(app.ok());
        seed(app);
        FrmGoodsConn w(app.state());
        TextGrid *g = child<TextGrid>(&w, "GoodsConnGrd");
        QCOMPARE(w.windowTitle(), QStringLiteral("选择商品"));
        QCOMPARE(g->rows(), 6);
        QStringList codes;
        for (int r = 1; r < g->rows(); ++r)
            codes << g->textMatrix(r, 1);
        QCOMPARE(codes, (QStringList{"A9", "B0", "G1", "G2", "G3"}));
        QCOMPARE(g->textMatrix(0, 0), QStringLiteral("选择"));
        QCOMPARE(g->textMatrix(0, 5), QStringLiteral("库位"));
        QCOMPARE(g->textMatrix(3, 5), QStringLiteral("主仓库"));
        QCOMPARE(g->textMatrix(3, 6), QStringLiteral("2.5"));
    }

    void ticksAndConfirm_data()
    {
        QTest::addColumn<QList<int>>("clicks"); // rows clicked; 0 = "全部选定"
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("result");
        QTest::newRow("nothing ticked") << QList<int>{} << "cmd_OK" << QStringList{};
        QTest::newRow("list order, not click order") << QList<int>{4, 1, 2} << "cmd_OK" << QStringList{"A9", "B0", "G2"};
        QTest::newRow("clicked twice") << QList<int>{3, 3} << "cmd_OK" << QStringList{};
        QTest::newRow("all") << QList<int>{0} << "cmd_OK" << QStringList{"A9", "B0", "G1", "G2", "G3"};
        QTest::newRow("all, then one cleared") << QList<int>{0, 2} << "cmd_OK" << QStringList{"A9", "G1", "G2", "G3"};
        QTest::newRow("all on and off") << QList<int>{0, 0} << "cmd_OK" << QStringList{};
        QTest::newRow("exit") << QList<int>{1, 2} << "cmd_Exit" << QStringList{};
        QTest::newRow("close box") << QList<int>{1} << "" << QStringList{};
        // Tab from the grid, Space on the button.
        QTest::newRow("all, Tab to 确定") << QList<int>{0} << "Tab:cmd_OK" << QStringList{"A9", "B0", "G1", "G2", "G3"};
        QTest::newRow("Tab to 退出") << QList<int>{1} << "Tab:cmd_Exit" << QStringList{};
    }
    void ticksAndConfirm()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(QString, button);
        QFETCH(QStringList, result);
        TestApp app;
        QVERIFY(app.ok());
        seed(app);
        FrmGoodsConn w(app.state());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        TextGrid *g = child<TextGrid>(&w, "GoodsConnGrd");
        for (int r : clicks) {
            if (r == 0) {
                QTest::mouseClick(child<QCheckBox>(&w, "Chk_All"), Qt::LeftButton);
            } else {
                const QRect cell = g->visualRect(g->model()->index(r - 1, 1));
                QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, cell.center());
            }
        }
        if (button.isEmpty()) {
            w.close();
        } else if (button.startsWith(QStringLiteral("Tab:"))) {
            // Tab goes round from the grid: 退出, 确定, 全部选定, the grid.
            w.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            g->setFocus();
            const QStringList round{"cmd_Exit", "cmd_OK", "Chk_All", "GoodsConnGrd"};
            for (const QString &name : round + round.mid(0, round.indexOf(button.mid(4)) + 1)) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget()->objectName(), name);
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        } else {
            QTest::mouseClick(w.findChild<QPushButton *>(button), Qt::LeftButton);
        }
        QVERIFY(!w.isVisible());
        QCOMPARE(w.goodsIds(), result);
    }

    void orderPickerKeepsOneMark_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("order");
        QTest::newRow("last click wins") << QList<int>{2, 4} << "cmd_OK" << "P4";
        QTest::newRow("nothing marked") << QList<int>{} << "cmd_OK" << "";
        QTest::newRow("exit") << QList<int>{1} << "cmd_Exit" << "";
    }
    void orderPickerKeepsOneMark()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(QString, button);
        QFETCH(QString, order);
        QVector<QVariant> cells;
        for (int i = 1; i <= 4; ++i)
            cells << QStringLiteral(" P%1 ").arg(i) << QStringLiteral("2026-12-0%1").arg(i);
        FrmOrderConn w(std::make_shared<const ResultTable>(QStringList{"采购订单号", "制单日期"}, cells));
        TextGrid *g = child<TextGrid>(&w, "OrderConnGrd");
        QCOMPARE(g->colWidth(0) > 0, true);
        for (int r : clicks)
            g->clickCell(r, 2);
        int marks = 0;
        for (int r = 1; r < g->rows(); ++r)
            marks += g->textMatrix(r, 0) == QStringLiteral("√");
        QCOMPARE(marks, clicks.isEmpty() ? 0 : 1);
        w.findChild<QPushButton *>(button)->click();
        QCOMPARE(w.orderId(), order);
    }

    void apostropheInACodeIsJustACharacter()
    {
        TestApp app;
        QVERIFY(app.ok());
        seed(app);
        app.db().exec(QStringLiteral("insert into Product(GoodsID,GoodsName,StorageID) values('X''1','引号','1')"));
        FrmGoodsConn w(app.state());
        w.show();
        TextGrid *g = child<TextGrid>(&w, "GoodsConnGrd");
        g->clickCell(g->rows() - 1, 2);
        child<QPushButton>(&w, "cmd_OK")->click();
        QCOMPARE(w.goodsIds(), QStringList{QStringLiteral("X'1")});
    }
};

QTEST_MAIN(TestGoodsPicker)
#include "test_goodspicker.moc"
