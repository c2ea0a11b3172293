// Report layout on known rows, without a screen: pages and the rows on each,
// captions and page numbers on every page, alignment, the 金额 sum of a bill
// report, column widths and nothing drawn outside its cell.
#include "platform/report/ReportLayout.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QtTest>

using report::Item;

namespace {

ResultPtr table(const QStringList &columns, const QVector<QVariantList> &rows)
{
    QVector<QVariant> cells;
    for (const QVariantList &r : rows)
        for (const QVariant &v : r)
            cells << v;
    return std::make_shared<const ResultTable>(columns, cells);
}

// n bill lines G1..Gn, quantity i, price 2.5.
ResultPtr lines(int n)
{
    QVector<QVariantList> rows;
    for (int i = 1; i <= n; ++i)
        rows << QVariantList{QStringLiteral("G%1").arg(i), QStringLiteral("商品%1").arg(i), i, 2.5, i * 2.5};
    return table({"商品编码", "商品名称", "数量", "单价", "金额"}, rows);
}

QVector<Item> itemsOf(const Report &r, const report::Layout &l, int page, Item::Kind kind)
{
    QVector<Item> out;
    for (const Item &i : report::pageItems(r, l, page))
        if (i.kind == kind)
            out << i;
    return out;
}

QStringList texts(const QVector<Item> &items)
{
    QStringList out;
    for (const Item &i : items)
        out << i.text;
    return out;
}

} // namespace

class TestReportLayout : public QObject
{
    Q_OBJECT

private slots:
    void pagesHoldEveryRowInOrder_data()
    {
        QTest::addColumn<int>("rows");    // in multiples of a page's lines, plus extra
        QTest::addColumn<int>("extra");
        QTest::addColumn<bool>("bill");
        QTest::addColumn<int>("pages");
        QTest::newRow("one row") << 0 << 1 << false << 1;
        QTest::newRow("a full page") << 1 << 0 << false << 1;
        QTest::newRow("one over a page") << 1 << 1 << false << 2;
        QTest::newRow("three pages and a bit") << 3 << 5 << false << 4;
        QTest::newRow("bill, sum fits under the lines") << 1 << -1 << true << 1;
        QTest::newRow("bill, full page: sum on a page of its own") << 1 << 0 << true << 2;
        QTest::newRow("bill over two pages") << 2 << 3 << true << 3;
    }
    void pagesHoldEveryRowInOrder()
    {
        QFETCH(int, rows);
        QFETCH(int, extra);
        QFETCH(bool, bill);
        QFETCH(int, pages);
        const int perPage = report::layout(Report{"t", lines(1), bill}).rowsPerPage;
        QVERIFY(perPage > 20); // A4 takes a good number of lines
        const int n = rows * perPage + extra;
        const Report r{QStringLiteral("采购订单PO1"), lines(n), bill};
        const report::Layout l = report::layout(r);
        QCOMPARE(l.rowsPerPage, perPage);
        QCOMPARE(l.pageCount, pages);

        QStringList codes, expected;
        int totals = 0;
        for (int p = 0; p < l.pageCount; ++p) {
            QCOMPARE(l.firstRow(p), std::min(p * perPage, n));
            const QVector<Item> cells = itemsOf(r, l, p, Item::Cell);
            QCOMPARE(cells.size(), l.rowsOn(p) * 5);
            for (int i = 0; i < cells.size(); i += 5)
                codes << cells[i].text;
            totals += itemsOf(r, l, p, Item::Total).size();
            // The sum is the last line of the last page.
            QCOMPARE(l.totalOn(p), bill && p == l.pageCount - 1);
        }
        for (int i = 1; i <= n; ++i)
            expected << QStringLiteral("G%1").arg(i);
        QCOMPARE(codes, expected);
        QCOMPARE(totals, bill ? 1 : 0);
    }

    void everyPageHasTitleCaptionsAndItsNumber()
    {
        const Report r{QStringLiteral("采购订单统计表"), lines(100), false};
        const report::Layout l = report::layout(r);
        QVERIFY(l.pageCount >= 3);
        for (int p = 0; p < l.pageCount; ++p) {
            QCOMPARE(texts(itemsOf(r, l, p, Item::Title)), QStringList{"采购订单统计表"});
            QCOMPARE(texts(itemsOf(r, l, p, Item::Caption)),
                     (QStringList{"商品编码", "商品名称", "数量", "单价", "金额"}));
            QCOMPARE(texts(itemsOf(r, l, p, Item::PageNumber)),
                     QStringList{QStringLiteral("第 %1 页 / 共 %2 页").arg(p + 1).arg(l.pageCount)});
            // The captions sit above the lines, the page number below them.
            const QVector<Item> cells = itemsOf(r, l, p, Item::Cell);
            QVERIFY(itemsOf(r, l, p, Item::Caption).first().rect.bottom() <= cells.first().rect.top());
            QVERIFY(cells.last().rect.bottom() <= itemsOf(r, l, p, Item::PageNumber).first().rect.top());
        }
    }

    void emptyResultGivesOnePageWithTitleAndCaptions_data()
    {
        QTest::addColumn<bool>("bill");
        QTest::newRow("list") << false;
        QTest::newRow("bill not saved: no sum line") << true;
    }
    void emptyResultGivesOnePageWithTitleAndCaptions()
    {
        QFETCH(bool, bill);
        const Report r{QStringLiteral("采购入库单R001  "), lines(0), bill};
        const report::Layout l = report::layout(r);
        QCOMPARE(l.pageCount, 1);
        QCOMPARE(texts(itemsOf(r, l, 0, Item::Title)), QStringList{"采购入库单R001  "});
        QCOMPARE(itemsOf(r, l, 0, Item::Caption).size(), 5);
        QVERIFY(itemsOf(r, l, 0, Item::Cell).isEmpty());
        QVERIFY(itemsOf(r, l, 0, Item::Total).isEmpty());
        QCOMPARE(l.pageText(0), QStringLiteral("第 1 页 / 共 1 页"));
    }

    void billSumsAmountUnderTheLines_data()
    {
        QTest::addColumn<QVariantList>("amounts");
        QTest::addColumn<QString>("sum");
        QTest::newRow("whole") << QVariantList{100, 250, 1150} << "1500";
        QTest::newRow("no binary noise") << QVariantList{0.1, 0.2} << "0.3";
        QTest::newRow("negative line (a return)") << QVariantList{12.5, -2.5} << "10";
        QTest::newRow("a line without amount") << QVariantList{QVariant(), 7} << "7";
    }
    void billSumsAmountUnderTheLines()
    {
        QFETCH(QVariantList, amounts);
        QFETCH(QString, sum);
        QVector<QVariantList> rows;
        for (const QVariant &a : amounts)
            rows << QVariantList{"G1", "扳手", a};
        const Report r{"采购订单PO1", table({"商品编码", "商品名称", "金额"}, rows), true};
        const report::Layout l = report::layout(r);
        QCOMPARE(l.totalText, sum);
        const QVector<Item> label = itemsOf(r, l, 0, Item::TotalLabel);
        const QVector<Item> total = itemsOf(r, l, 0, Item::Total);
        QCOMPARE(texts(label), QStringList{"金额合计"});
        QCOMPARE(texts(total), QStringList{sum});
        // Under the last line, the label in the first column, the sum under 金额.
        const Item lastCell = itemsOf(r, l, 0, Item::Cell).last();
        QVERIFY(total.first().rect.top() >= lastCell.rect.bottom() - 0.01);
        QCOMPARE(total.first().rect.left(), lastCell.rect.left());
        QVERIFY(total.first().flags & Qt::AlignRight);
        QVERIFY(label.first().rect.left() < lastCell.rect.left());
    }

    void listsAndReportsWithoutAmountHaveNoSum()
    {
        const Report list{"采购订单统计表", lines(3), false};
        QCOMPARE(report::layout(list).totalColumn, -1);
        const Report noAmount{"盘点单K1", table({"商品编码", "盘点数量"}, {{"G1", 5}}), true};
        QCOMPARE(report::layout(noAmount).totalColumn, -1);
    }

    void numbersRightTextLeft()
    {
        const ResultPtr rs = table({"编号", "数量", "混合", "空", "日期"},
                                   {{"001", 5, 1, QVariant(), "2026-12-08"},
                                    {"002", 12.5, "见备注", QVariant(), "2026-12-09"},
                                    {"003", QVariant(), 3, QVariant(), "2026-12-10"}});
        const Report r{"t", rs, false};
        const report::Layout l = report::layout(r);
        const QVector<Qt::Alignment> expected{Qt::AlignLeft, Qt::AlignRight, Qt::AlignLeft, Qt::AlignLeft, Qt::AlignLeft};
        QCOMPARE(l.columnAlign, expected);
        const QVector<Item> cells = itemsOf(r, l, 0, Item::Cell);
        QCOMPARE(cells[1].text, QStringLiteral("5"));
        QVERIFY(cells[1].flags & Qt::AlignRight);
        QCOMPARE(cells[6].text, QStringLiteral("12.5")); // values shown as everywhere else
        QVERIFY(cells[0].flags & Qt::AlignLeft);
        QCOMPARE(cells[0].text, QStringLiteral("001")); // numbers kept as text stay text
    }

    void columnsFollowTheirContentAndTheSheet()
    {
        // Few narrow columns: portrait, the wider text gets the wider column.
        const Report narrow{"t", table({"编码", "名称"}, {{"G1", QStringLiteral("很长很长的商品名称：不锈钢六角扳手")}}), false};
        const report::Layout a = report::layout(narrow);
        QVERIFY(!a.landscape);
        QVERIFY(a.columnWidth[1] > 2 * a.columnWidth[0]);
        QCOMPARE(a.columnWidth[0] + a.columnWidth[1], a.body.width());
        QVERIFY(a.pageSize.width() < a.pageSize.height());

        // Fourteen columns of addresses and names (the customer list): landscape.
        QStringList cols;
        QVariantList row;
        for (int c = 0; c < 14; ++c) {
            cols << QStringLiteral("列%1").arg(c);
            row << QStringLiteral("北京市海淀区中关村大街%1号").arg(c);
        }
        const report::Layout b = report::layout(Report{"客户", table(cols, {row}), false});
        QVERIFY(b.landscape);
        QVERIFY(b.pageSize.width() > b.pageSize.height());
        double sum = 0;
        for (double w : b.columnWidth)
            sum += w;
        QCOMPARE(qRound(sum), qRound(b.body.width()));
        QCOMPARE(b.pageLayout().orientation(), QPageLayout::Landscape);
    }

    void nothingOverlapsItsNeighbour_data()
    {
        QTest::addColumn<int>("columns");   // long texts, a short one between each two
        QTest::addColumn<int>("repeats");   // of the long text in each long cell
        QTest::addColumn<bool>("number");   // a column of long numbers at the end
        QTest::addColumn<bool>("overPages"); // the first row goes on over the next page
        QTest::newRow("long texts wrap, their rows grow") << 12 << 1 << false << false;
        QTest::newRow("a long number stays whole beside them") << 12 << 1 << true << false;
        QTest::newRow("a row taller than a page") << 2 << 150 << true << true;
    }
    void nothingOverlapsItsNeighbour()
    {
        // Too much text for the sheet: long cells wrap inside their column,
        // every word kept, numbers never wrap, and every text stays inside
        // its own cell.
        QFETCH(int, columns);
        QFETCH(int, repeats);
        QFETCH(bool, number);
        QFETCH(bool, overPages);
        QStringList cols;
        QVector<QVariantList> rows;
        for (int c = 0; c < columns; ++c)
            cols << QStringLiteral("备注%1").arg(c);
        if (number)
            cols << QStringLiteral("金额");
        for (int r = 0; r < 3; ++r) {
            QVariantList row;
            for (int c = 0; c < columns; ++c)
                row << (c % 2 ? QStringLiteral("短")
                              : QStringLiteral("这是一段很长很长的备注文字，O'Brien 的订单，第%1行").arg(r).repeated(repeats));
            if (number)
                row << 123456789012.345;
            rows << row;
        }
        const ResultPtr rs = table(cols, rows);
        const Report r{"备注", rs, false};
        const report::Layout l = report::layout(r);
        const QFontMetricsF fm(report::font(report::FontRole::Cell));
        QVector<QString> shown(cols.size());
        for (int p = 0; p < l.pageCount; ++p) {
            for (const Item &i : itemsOf(r, l, p, Item::Cell)) {
                QVERIFY2(fm.horizontalAdvance(i.text) <= i.rect.width() + 0.01, qPrintable(i.text));
                const int col = int(std::lower_bound(l.columnLeft.begin(), l.columnLeft.end(), i.rect.left()) - l.columnLeft.begin()) - 1;
                QVERIFY(i.rect.left() >= l.columnLeft[col] && i.rect.right() <= l.columnLeft[col] + l.columnWidth[col]);
                QVERIFY(!i.text.endsWith(QChar(0x2026)));
                if (number && col == columns)
                    QCOMPARE(i.text, QStringLiteral("123456789012.345"));
                shown[col] += i.text;
            }
        }
        for (int c = 0; c < cols.size(); ++c) {
            QString all;
            for (int row = 0; row < 3; ++row)
                all += rs->text(row, c);
            QCOMPARE(shown[c], all);
        }
        QVERIFY(l.linesOf(0) > 1);
        QCOMPARE(l.pageCount > 1 && l.pageStart[1].row == 0 && l.pageStart[1].line > 0, overPages);
    }

    void wordsStayWholeAndLinesStartRight_data()
    {
        // A row too wide for the sheet (%1: the row's number, %2: more characters from row to row).
        QTest::addColumn<QVariantList>("row");
        QTest::addColumn<bool>("pieces"); // codes may break at their punctuation
        QTest::newRow("list of bills") << QVariantList{"CGDD-20261209-%1", "2026-12-09", "温州瓯海紧固件制造有限公司%2",
                                                       123459219.135, "warehouse_keeper_2026",
                                                       "%2货已验收，包装完好，数量无误。请于月底前（含）付清，谢谢！"}
                                       << false;
        QTest::newRow("goods summary") << QVariantList{"CGRK-20261209-%1", "6901234567892", "%2不锈钢六角扳手，加长型",
                                                       "千克/箱", "M12×1.75-304 不锈钢", "浙江省温州市瓯海区%2", "A-01-02",
                                                       25000.5, 4938.27, 123459219.135}
                                       << false;
        // Codes may break at their punctuation, so that no row is more than
        // a few lines high.
        const QString name40 = QStringLiteral("长名称").repeated(13) + QStringLiteral("长");
        const QString model = QStringLiteral("M12×150mm-GB/T5783-2016-A2-70");
        QTest::newRow("goods summary, names and models of 40") << QVariantList{
            "CGRK-20261209-%1", "WM-MWMW-001", name40, "千克/箱", model, model + "-SUS304-ZN", name40, "A-01-02-%1",
            25000.5, 4938.27, 123459219.135} << true;
    }
    void wordsStayWholeAndLinesStartRight()
    {
        // Codes, bill numbers and numbers stay whole on one line, or where
        // there is no room for them, in pieces broken after punctuation;
        // texts wrap and never start a line with closing punctuation; no row
        // takes more than a quarter of a page.
        QFETCH(QVariantList, row);
        QFETCH(bool, pieces);
        QVector<QVariantList> rows(60, row);
        for (int r = 0; r < rows.size(); ++r)
            for (QVariant &v : rows[r])
                if (v.typeId() == QMetaType::QString)
                    v = v.toString().replace("%1", QString::number(r + 1).rightJustified(4, '0'))
                            .replace("%2", QString(r % 9, QChar(0x5F88)));
        const Report r{"t", table(QStringList(row.size(), "列"), rows), false};
        const report::Layout l = report::layout(r);
        QVERIFY(!l.rowLines.isEmpty());
        QSet<QString> shown;
        for (int p = 0; p < l.pageCount; ++p) {
            for (const Item &i : itemsOf(r, l, p, Item::Cell)) {
                QVERIFY2(!QStringLiteral("，。、；：？！）》」』】").contains(i.text.left(1)), qPrintable(i.text));
                shown << i.text;
            }
        }
        const QRegularExpression word(QStringLiteral("^[^\\s\\x{2E80}-\\x{FFFF}]+$"));
        for (int c = 0; c < rows.size() * row.size(); ++c) {
            const QString text = r.rows->text(c / row.size(), c % row.size());
            if (!word.match(text).hasMatch())
                continue;
            // Whole, or line by line, each line ending after punctuation.
            QVERIFY2(pieces || shown.contains(text), qPrintable(text));
            for (qsizetype at = 0, end = 0; at < text.size(); at = end) {
                for (end = text.size(); end > at; --end)
                    if (shown.contains(text.mid(at, end - at))
                        && (end == text.size() || QStringLiteral("-/×.").contains(text[end - 1])))
                        break;
                QVERIFY2(end > at, qPrintable(text));
            }
        }
        for (int row = 0; row < rows.size(); ++row)
            QVERIFY2(l.linesOf(row) <= l.rowsPerPage / 4, qPrintable(QString::number(l.linesOf(row))));
    }

    void failuresSayWhy_data()
    {
        QTest::addColumn<bool>("noData");
        QTest::addColumn<QString>("message");
        QTest::newRow("no result") << true << "没有可打印的数据。";
        QTest::newRow("title fills the page") << false << "报表的标题太长，页面上放不下表格。";
    }
    void failuresSayWhy()
    {
        QFETCH(bool, noData);
        QFETCH(QString, message);
        const Report r{noData ? QStringLiteral("t") : QStringLiteral("采购入库单") + QString(6000, QLatin1Char('R')),
                       noData ? ResultPtr() : lines(1), true};
        try {
            report::layout(r);
            QFAIL("no error");
        } catch (const ReportError &e) {
            QCOMPARE(e.text(), message);
        }
    }
};

QTEST_MAIN(TestReportLayout)
#include "test_reportlayout.moc"
