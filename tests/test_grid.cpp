// The grid: text-matrix addressing, binding, the current cell and its
// signals, widths and the model's consistency.
#include "TestSupport.h"

#include "platform/grid/TextGrid.h"
#include "platform/db/ValueText.h"
#include "platform/grid/TextGridModel.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLabel>
#include <QToolTip>
#include <QStyledItemDelegate>
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
        // A bill grid or a picker selects nothing.
        QVERIFY(g.selectionModel()->selectedIndexes().isEmpty());
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

    void everyValueTypeShowsAsBefore_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("integer") << QVariant(qlonglong(40000)) << "40000";
        QTest::newRow("large integer") << QVariant(qlonglong(9007199254740993)) << "9007199254740993";
        QTest::newRow("int") << QVariant(7) << "7";
        QTest::newRow("real") << QVariant(12.5) << "12.5";
        QTest::newRow("0.1+0.2") << QVariant(0.1 + 0.2) << "0.3";
        QTest::newRow("large real") << QVariant(123456789012.345) << "123456789012.345";
        QTest::newRow("bill line amount") << QVariant(250 * 4938.27) << "1234567.5";
        QTest::newRow("login name") << QVariant(QStringLiteral("Administrator")) << "Administrator";
        QTest::newRow("login name of wide letters") << QVariant(QStringLiteral("wangxiaoming")) << "wangxiaoming";
        QTest::newRow("goods code of wide letters") << QVariant(QStringLiteral("WM-MWMW-001")) << "WM-MWMW-001";
        QTest::newRow("tax number of letters") << QVariant(QStringLiteral("91330304MA2AB3CD4E")) << "91330304MA2AB3CD4E";
        QTest::newRow("barcode") << QVariant(QStringLiteral("6901234567892")) << "6901234567892";
        QTest::newRow("tax number") << QVariant(QStringLiteral("91330100MA27XXXX3K")) << "91330100MA27XXXX3K";
        QTest::newRow("large amount") << QVariant(25000.5 * 4938.27) << "123459219.135";
                QTest::newRow("huge real") << QVariant(1e20) << "100000000000000000000";
        QTest::newRow("negative zero") << QVariant(-0.0) << "0";
        QTest::newRow("null") << QVariant() << "";
        QTest::newRow("typed null") << QVariant(QMetaType(QMetaType::Double)) << "";
        QTest::newRow("text") << QVariant(QStringLiteral("O'Brien 中文")) << "O'Brien 中文";
        QTest::newRow("empty text") << QVariant(QStringLiteral("")) << "";
        QTest::newRow("true") << QVariant(true) << "是";
        QTest::newRow("false") << QVariant(false) << "否";
        QTest::newRow("date text") << QVariant(QStringLiteral("2026-12-08")) << "2026-12-08";
        QTest::newRow("date") << QVariant(QDate(2026, 1, 2)) << "2026-01-02";
        QTest::newRow("date time") << QVariant(QDateTime(QDate(2026, 1, 2), QTime(8, 5, 9))) << "2026-01-02 08:05:09";
        const QString longText(17 * 1024 * 1024, QLatin1Char('x'));
        QTest::newRow("text over 16 MB") << QVariant(longText) << longText;
    }
    void everyValueTypeShowsAsBefore()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, text);
        // Between two other rows, so that its neighbours cannot stand in for
        // it; below them, beside a short text, narrower texts of as many
        // characters and of one more.
        QVector<QVariant> cells{QStringLiteral("上"), value, QStringLiteral("下")};
        if (value.typeId() == QMetaType::QString && text.size() < 100)
            cells << QString(text.size() + 1, QLatin1Char('i')) << QString(text.size(), QLatin1Char('i'));
        const auto rs = std::make_shared<const ResultTable>(QStringList{QStringLiteral("值")}, cells);
        TextGrid g;
        g.bind(rs);
        QCOMPARE(g.textMatrix(2, 1), text);
        QCOMPARE(g.textMatrix(2, 1), valueText(value));
        QCOMPARE(g.model()->data(g.model()->index(1, 0), Qt::DisplayRole).toString(), text);
        QCOMPARE(g.textMatrix(1, 1), QStringLiteral("上"));
        QCOMPARE(g.textMatrix(3, 1), QStringLiteral("下"));
        // The value itself comes back with its type.
        QCOMPARE(rs->value(1, 0).typeId(), value.typeId());
        QCOMPARE(rs->value(1, 0), value);
        QCOMPARE(rs->isNull(1, 0), !value.isValid() || value.isNull());
        // Numbers and texts show whole in a column that widens to its values,
        // as bound and as written afterwards, however narrow it was set.
        if ((isNumberValue(value) || value.typeId() == QMetaType::QString) && text.size() < 100) {
            g.setColWidth(1, 300);
            g.setColFit(1, ColFit::Whole);
            QVERIFY(shownWhole(g, 2, 1));
            g.setTextMatrix(3, 1, text + text);
            QVERIFY(shownWhole(g, 3, 1));
        }
    }

    void repeatedTextsKeepTheirRows()
    {
        // Empty texts first: they lie nowhere.
        const QStringList texts{"", "", "个", "个", "", "", "箱", "个", "个个"};
        QVector<QVariant> cells;
        for (const QString &t : texts)
            cells << QVariant(t);
        const ResultTable rs(QStringList{QStringLiteral("单位")}, cells);
        for (int r = 0; r < texts.size(); ++r)
            QCOMPARE(rs.text(r, 0), texts[r]);
    }

    void editedCellKeepsItsEditOverTheBoundResult()
    {
        TextGrid g;
        QAbstractItemModelTester tester(g.gridModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        const ResultPtr rs = table(3);
        g.bind(rs);
        QSignalSpy changed(g.model(), &QAbstractItemModel::dataChanged);
        g.setTextMatrix(2, 2, QStringLiteral("7.25"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(g.textMatrix(2, 2), QStringLiteral("7.25"));
        QCOMPARE(g.model()->data(g.model()->index(1, 1)).toString(), QStringLiteral("7.25"));
        QCOMPARE(g.textMatrix(1, 2), QStringLiteral("1.5"));
        QCOMPARE(g.textMatrix(3, 2), QStringLiteral("4.5"));
        QCOMPARE(rs->text(1, 1), QStringLiteral("3")); // the shared result is not touched
        g.setRows(g.rows() + 1);
        QCOMPARE(g.textMatrix(2, 2), QStringLiteral("7.25"));
        g.bind(table(3)); // a new result shows its own values
        QCOMPARE(g.textMatrix(2, 2), QStringLiteral("3"));
    }

    void clearingFreesTheList()
    {
        TextGrid g;
        QAbstractItemModelTester tester(g.gridModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        ResultPtr rs = table(1000);
        const std::weak_ptr<const ResultTable> shown = rs;
        g.bind(rs);
        g.numberRows();
        QCOMPARE(g.textMatrix(1000, 0), QStringLiteral("1000"));
        rs.reset();
        QVERIFY(!shown.expired());
        g.clear();
        QVERIFY(shown.expired());
        QCOMPARE(g.model()->rowCount(), 0);
        QCOMPARE(g.rows(), 1);
    }

    void cellsPaintAsTheStyleDoes()
    {
        QStyledItemDelegate styled; // outlives the grid that borrows it
        TextGrid g;
        g.resize(520, 260);
        QVector<QVariant> cells;
        const QString address = QStringLiteral("杭州市西湖区文三路100号往来单位");
        for (int r = 0; r < 12; ++r)
            cells << QStringLiteral("G%1").arg(r) << QVariant(1.5 * r) << (r % 3 ? address : QString()) << QVariant(r % 2 == 0);
        g.bind(std::make_shared<const ResultTable>(QStringList{"编码", "金额", "地址", "停用"}, cells));
        g.setTextMatrix(0, 0, QStringLiteral("行号"));
        g.numberRows();
        g.setColAlignment(2, 4);
        g.setColWidth(3, 1500); // the address is cut short
        g.setBackgrounds(QColor(255, 255, 225), QColor(Qt::lightGray), QColor(Qt::white));
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        g.setRow(3);
        g.setCol(2);
        QImage unfocused;
        for (bool focused : {false, true}) {
            if (focused) {
                g.activateWindow();
                g.setFocus();
            } else {
                g.clearFocus();
            }
            const QImage ours = g.grab().toImage();
            QAbstractItemDelegate *own = g.itemDelegate();
            g.setItemDelegate(&styled);
            const QImage theirs = g.grab().toImage();
            g.setItemDelegate(own);
            if (!focused) {
                QVERIFY(ours == theirs);
                unfocused = ours;
                continue;
            }
            // The current cell keeps the grid's background and shows a focus
            // frame, where the style would fill it grey.
            const QRect cell = g.visualRect(g.currentIndex()).translated(g.viewport()->mapTo(&g, QPoint()));
            QCOMPARE(ours.copy(cell.adjusted(1, 1, -1, -1)), unfocused.copy(cell.adjusted(1, 1, -1, -1)));
            QVERIFY(ours.copy(cell) != unfocused.copy(cell));
        }
    }

    // A cell cut short shows its whole text as its tooltip, up to where a
    // column of free text stops growing with its values.
    void cutTextShowsInItsTooltip()
    {
        TextGrid g;
        const QString name = QStringLiteral("长名称").repeated(13);
        g.bind(std::make_shared<const ResultTable>(QStringList{"名称"}, QVector<QVariant>{name}));
        g.setColWidth(1, 1500);
        g.resize(600, 200);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        const QPoint at = g.visualRect(g.model()->index(0, 0)).center();
        QHelpEvent tip(QEvent::ToolTip, at, g.viewport()->mapToGlobal(at));
        QApplication::sendEvent(g.viewport(), &tip);
        QCOMPARE(QToolTip::text(), name);
        g.setColFit(1, ColFit::Capped);
        QVERIFY(qAbs(g.colWidth(1) - 3000) < 15);
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
