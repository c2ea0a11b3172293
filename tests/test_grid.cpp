// The grid: text-matrix addressing, binding, the current cell and its
// signals, widths and the model's consistency.
#include "TestSupport.h"

#include "platform/grid/TextGrid.h"
#include "platform/grid/TextGridModel.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLabel>
#include <QtTest>

namespace {
ResultPtr table(int rows)
{
    QVector<QVariant> cells;
    for (int r = 0; r < rows; ++r)
        cells << QStringLiteral("A%1").arg(r + 1) << QVariant(1.5 * (r + 1)) << QVariant();
    return std::make_shared<const ResultTable>(
        QStringList{QStringLiteral("编号"), QStringLiteral("金额"), QStringLiteral("备注")}, cells);
}
} // namespace

class TestGrid : public QObject
{
    Q_OBJECT

private slots:
    void bindShowsTheResultFromRowAndColumnOne()
    {
        TextGrid g;
        QAbstractItemModelTester tester(g.gridModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy sel(&g, &TextGrid::selChange);
        g.bind(table(3));
        QCOMPARE(g.rows(), 4);
        QCOMPARE(g.cols(), 4);
        QCOMPARE(g.textMatrix(0, 1), QStringLiteral("编号"));
        QCOMPARE(g.textMatrix(0, 3), QStringLiteral("备注"));
        QCOMPARE(g.textMatrix(0, 0), QString());
        QCOMPARE(g.textMatrix(2, 0), QString());
        QCOMPARE(g.textMatrix(2, 1), QStringLiteral("A2"));
        QCOMPARE(g.textMatrix(3, 2), QStringLiteral("4.5"));
        QCOMPARE(g.textMatrix(1, 3), QString());
        QCOMPARE(g.row(), 1);
        QCOMPARE(g.col(), 1);
        QCOMPARE(sel.count(), 1);
        QCOMPARE(g.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("编号"));
    }

    void emptyResultLeavesTheCaptionRow()
    {
        TextGrid g;
        g.bind(table(0));
        QCOMPARE(g.rows(), 1);
        QCOMPARE(g.cols(), 4);
        QCOMPARE(g.textMatrix(0, 2), QStringLiteral("金额"));
        QCOMPARE(g.row(), 0);
    }

    void rowsGrowAndShrinkAtTheBottom()
    {
        TextGrid g;
        QAbstractItemModelTester tester(g.gridModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        g.bind(table(2));
        g.setTextMatrix(2, 1, QStringLiteral("改"));
        g.setRows(g.rows() + 1);
        QCOMPARE(g.rows(), 4);
        QCOMPARE(g.textMatrix(1, 1), QStringLiteral("A1"));
        QCOMPARE(g.textMatrix(2, 1), QStringLiteral("改"));
        QCOMPARE(g.textMatrix(3, 1), QString());
        g.setTextMatrix(3, 2, QStringLiteral("x"));
        g.setRows(2);
        QCOMPARE(g.textMatrix(1, 1), QStringLiteral("A1"));
        g.setRows(4); // rows dropped come back empty
        QCOMPARE(g.textMatrix(2, 1), QString());
        QCOMPARE(g.textMatrix(3, 2), QString());
        g.clear();
        QCOMPARE(g.rows(), 1);
        QCOMPARE(g.cols(), 4);
        QCOMPARE(g.textMatrix(0, 1), QString());
    }

    void fixedCellsAreWritable()
    {
        TextGrid g;
        g.bind(table(2));
        g.setTextMatrix(0, 0, QStringLiteral("行号"));
        g.numberRows();
        QCOMPARE(g.textMatrix(0, 0), QStringLiteral("行号"));
        QCOMPARE(g.findChild<QLabel *>(QStringLiteral("corner"))->text(), QStringLiteral("行号"));
        QCOMPARE(g.textMatrix(2, 0), QStringLiteral("2"));
        g.setTextMatrix(1, 0, QStringLiteral("√"));
        QCOMPARE(g.textMatrix(1, 0), QStringLiteral("√"));
        QCOMPARE(g.model()->headerData(0, Qt::Vertical).toString(), QStringLiteral("√"));
        g.setTextMatrix(0, 2, QStringLiteral("单价"));
        QCOMPARE(g.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("单价"));
    }

    void widthsInTwips()
    {
        TextGrid g;
        g.bind(table(1));
        g.setColWidth(1, 600);
        QCOMPARE(g.columnWidth(0), qRound(40 * g.widthScale()));
        QVERIFY(qAbs(g.colWidth(1) - 600) < 15);
        g.setColWidth(2, 0);
        QVERIFY(g.isColumnHidden(1));
        QCOMPARE(g.colWidth(2), 0);
        g.setColWidth(0, 0);
        QVERIFY(g.verticalHeader()->isHidden());
        QCOMPARE(g.colWidth(0), 0);
        g.setColWidth(0, 900);
        QCOMPARE(g.verticalHeader()->width(), qRound(60 * g.widthScale()));
        QCOMPARE(g.colWidth(0), 900);
    }

    void alignment()
    {
        TextGrid g;
        g.bind(table(1));
        g.setColAlignment(2, 4);
        g.setColAlignment(1, 1);
        QCOMPARE(g.model()->data(g.model()->index(0, 1), Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        QCOMPARE(g.model()->data(g.model()->index(0, 0), Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignLeft | Qt::AlignVCenter));
        g.setFixedAlignment(4);
        QCOMPARE(g.model()->headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    }

    void clickGivesSelChangeThenClickWithTheCellSet()
    {
        TextGrid g;
        g.resize(500, 300);
        g.bind(table(3));
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QStringList order;
        connect(&g, &TextGrid::selChange, this, [&] { order << QStringLiteral("sel %1,%2").arg(g.row()).arg(g.col()); });
        connect(&g, &TextGrid::clicked, this, [&] { order << QStringLiteral("click %1,%2").arg(g.row()).arg(g.col()); });
        const QRect cell = g.visualRect(g.model()->index(2, 1));
        QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(order, (QStringList{QStringLiteral("sel 3,2"), QStringLiteral("click 3,2")}));
        order.clear();
        QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(order, QStringList{QStringLiteral("click 3,2")});
        order.clear();
        g.setRow(1); // moving the current cell in code emits nothing
        g.setCol(3);
        QCOMPARE(order, QStringList());
        QCOMPARE(g.text(), QString());
        QCOMPARE(g.currentIndex(), g.model()->index(0, 2));
    }

    void cellRectInAnAncestor()
    {
        QWidget frame;
        auto *g = new TextGrid(&frame);
        g->setGeometry(30, 40, 400, 200);
        g->bind(table(3));
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        g->setRow(2);
        g->setCol(2);
        const QRect r = g->cellRect(&frame);
        const QRect v = g->visualRect(g->model()->index(1, 1));
        QCOMPARE(r.size(), v.size());
        QCOMPARE(r.topLeft(), g->viewport()->mapTo(&frame, v.topLeft()));
        QVERIFY(r.left() > 30 && r.top() > 40);
    }

    void nothingIsEditedInTheGrid()
    {
        TextGrid g;
        g.bind(table(1));
        QCOMPARE(g.editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(!(g.model()->flags(g.model()->index(0, 0)) & Qt::ItemIsEditable));
    }
};

QTEST_MAIN(TestGrid)
#include "test_grid.moc"
