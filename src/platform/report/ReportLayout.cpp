#include "ReportLayout.h"

#include "platform/db/ValueText.h"

#include <QFontMetricsF>
#include <QPageSize>

#include <algorithm>
#include <cmath>
#include <vector>

namespace report {
namespace {

const double kMargin = 400;     // all four sides, about 14 mm
const double kPadX = 50;        // text inside a cell, left and right
const double kPadY = 35;        // and above and below
const double kTitleGap = 150;   // between the title and the table
const double kFooterGap = 100;  // between the table space and the page number
const double kSafety = 1.02;    // measured widths leave room for kerning

// Text widths by summing each character's advance: exact enough to size
// columns over a hundred thousand rows without shaping every text.
class Measure
{
public:
    explicit Measure(const QFont &f) : m_fm(f), m_advance(0x10000, -1.0f) {}

    double width(const QString &text)
    {
        double w = 0;
        for (const QChar c : text) {
            float &a = m_advance[c.unicode()];
            if (a < 0)
                a = float(c.isSurrogate() ? m_fm.horizontalAdvance(QChar(0x4E2D)) : m_fm.horizontalAdvance(c));
            w += a;
        }
        return w * kSafety;
    }
    const QFontMetricsF &metrics() const { return m_fm; }

private:
    QFontMetricsF m_fm;
    std::vector<float> m_advance;
};

Measure &measure(FontRole role)
{
    static Measure title(font(FontRole::Title)), caption(font(FontRole::Caption)), cell(font(FontRole::Cell)),
        footer(font(FontRole::Footer));
    switch (role) {
    case FontRole::Title: return title;
    case FontRole::Caption: return caption;
    case FontRole::Cell: return cell;
    case FontRole::Footer: break;
    }
    return footer;
}

QSizeF a4(bool landscape)
{
    const QSizeF in = QPageSize(QPageSize::A4).size(QPageSize::Inch) * kUnitsPerInch;
    return landscape ? in.transposed() : in;
}

// Widths that fill the available width: every column at its natural width,
// stretched when they all fit; otherwise the widest are cut down to one
// common level, none below its minimum.
QVector<double> fitWidths(const QVector<double> &natural, const QVector<double> &minimum, double available)
{
    const int n = int(natural.size());
    double total = 0, totalMin = 0;
    for (int c = 0; c < n; ++c) {
        total += natural[c];
        totalMin += minimum[c];
    }
    QVector<double> w(n);
    if (n == 0)
        return w;
    if (total <= available) {
        for (int c = 0; c < n; ++c)
            w[c] = natural[c] * available / total;
        return w;
    }
    if (totalMin >= available) {
        for (int c = 0; c < n; ++c)
            w[c] = minimum[c] * available / totalMin;
        return w;
    }
    auto widthAt = [&](double level, int c) { return std::max(minimum[c], std::min(natural[c], level)); };
    double lo = 0, hi = *std::max_element(natural.begin(), natural.end());
    for (int i = 0; i < 60; ++i) {
        const double mid = (lo + hi) / 2;
        double sum = 0;
        for (int c = 0; c < n; ++c)
            sum += widthAt(mid, c);
        (sum > available ? hi : lo) = mid;
    }
    for (int c = 0; c < n; ++c)
        w[c] = widthAt(lo, c);
    return w;
}

double wrappedHeight(FontRole role, const QString &text, double width)
{
    return measure(role).metrics().boundingRect(QRectF(0, 0, std::max(width, 1.0), 1e9),
                                                Qt::AlignHCenter | Qt::TextWrapAnywhere, text).height();
}

} // namespace

QFont font(FontRole role)
{
    // Latin from DejaVu Sans, Chinese from Droid Sans Fallback, Noto Sans CJK
    // SC for anything else: a PDF's text then reads back as it was written
    // (Noto's Chinese comes out of a PDF as look-alike radicals, and its
    // digits after Latin letters not at all).
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Droid Sans Fallback"),
                   QStringLiteral("Noto Sans CJK SC")});
    f.setStyleHint(QFont::SansSerif);
    f.setHintingPreference(QFont::PreferNoHinting);
    switch (role) {
    case FontRole::Title: f.setPixelSize(160); f.setBold(true); break;
    case FontRole::Caption: f.setPixelSize(90); f.setBold(true); break;
    case FontRole::Cell: f.setPixelSize(90); break;
    case FontRole::Footer: f.setPixelSize(80); break;
    }
    return f;
}

int Layout::rowsOn(int page) const
{
    return std::clamp(rowCount - firstRow(page), 0, rowsPerPage);
}

bool Layout::totalOn(int page) const
{
    return totalColumn >= 0 && rowCount / rowsPerPage == page;
}

QString Layout::pageText(int page) const
{
    return QStringLiteral("第 %1 页 / 共 %2 页").arg(page + 1).arg(pageCount);
}

double Layout::tableTop() const
{
    return body.top() + titleHeight + kTitleGap;
}

QPageLayout Layout::pageLayout() const
{
    return QPageLayout(QPageSize(QPageSize::A4), landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

Layout layout(const Report &report)
{
    if (!report.rows)
        throw ReportError(QStringLiteral("没有可打印的数据。"));
    const ResultTable &t = *report.rows;
    const int cols = t.columnCount();
    Layout l;
    l.rowCount = t.rowCount();

    // Natural widths (the widest text of each column, caption included) and
    // which columns hold nothing but numbers.
    Measure &cellMeasure = measure(FontRole::Cell);
    Measure &captionMeasure = measure(FontRole::Caption);
    QVector<double> natural(cols), minimum(cols);
    QVector<bool> numeric(cols, false), other(cols, false);
    const double twoChars = captionMeasure.width(QStringLiteral("中中")) + 2 * kPadX;
    for (int c = 0; c < cols; ++c)
        natural[c] = captionMeasure.width(t.columns()[c]);
    for (int r = 0; r < l.rowCount; ++r) {
        for (int c = 0; c < cols; ++c) {
            const QVariant v = t.value(r, c);
            if (v.isNull())
                continue;
            (isNumberValue(v) ? numeric : other)[c] = true;
            natural[c] = std::max(natural[c], cellMeasure.width(valueText(v)));
        }
    }

    // Sum line of a bill report: its label needs room in the first column.
    if (report.billTotal && l.rowCount > 0) {
        l.totalColumn = t.columnIndex(QStringLiteral("金额"));
        if (l.totalColumn >= 0) {
            double sum = 0;
            for (int r = 0; r < l.rowCount; ++r)
                sum += t.value(r, l.totalColumn).toDouble();
            l.totalText = numberText(roundedNumber(sum));
            natural[l.totalColumn] = std::max(natural[l.totalColumn], captionMeasure.width(l.totalText));
            if (l.totalColumn > 0)
                natural[0] = std::max(natural[0], captionMeasure.width(QStringLiteral("金额合计")));
        }
    }
    for (int c = 0; c < cols; ++c) {
        natural[c] += 2 * kPadX;
        minimum[c] = std::min(natural[c], twoChars);
    }

    // Portrait when the columns fit across it, landscape otherwise.
    double total = 0;
    for (double w : natural)
        total += w;
    l.landscape = total > a4(false).width() - 2 * kMargin;
    l.pageSize = a4(l.landscape);
    l.body = QRectF(QPointF(0, 0), l.pageSize).adjusted(kMargin, kMargin, -kMargin, -kMargin);
    l.columnWidth = fitWidths(natural, minimum, l.body.width());
    double x = l.body.left();
    for (int c = 0; c < cols; ++c) {
        l.columnLeft << x;
        x += l.columnWidth[c];
        l.columnAlign << ((numeric[c] && !other[c]) ? Qt::AlignRight : Qt::AlignLeft);
        l.columnElided << (l.columnWidth[c] + 0.5 < natural[c]);
    }

    // Heights: captions and the title wrap, lines are one text high.
    l.rowHeight = cellMeasure.metrics().height() + 2 * kPadY;
    l.captionHeight = l.rowHeight;
    for (int c = 0; c < cols; ++c)
        l.captionHeight = std::max(l.captionHeight, wrappedHeight(FontRole::Caption, t.columns()[c],
                                                                  l.columnWidth[c] - 2 * kPadX) + 2 * kPadY);
    l.titleHeight = wrappedHeight(FontRole::Title, report.title, l.body.width());
    l.footerHeight = measure(FontRole::Footer).metrics().height() + kFooterGap;
    const double room = l.body.height() - l.titleHeight - kTitleGap - l.captionHeight - l.footerHeight;
    l.rowsPerPage = int(std::floor(room / l.rowHeight));
    if (l.rowsPerPage < 1)
        throw ReportError(QStringLiteral("报表的标题太长，页面上放不下表格。"));
    const int lines = l.rowCount + (l.totalColumn >= 0 ? 1 : 0);
    l.pageCount = std::max(1, (lines + l.rowsPerPage - 1) / l.rowsPerPage);
    return l;
}

QVector<Item> pageItems(const Report &report, const Layout &l, int page)
{
    QVector<Item> items;
    items << Item{Item::Title, QRectF(l.body.left(), l.body.top(), l.body.width(), l.titleHeight), report.title,
                  int(Qt::AlignHCenter | Qt::AlignTop | Qt::TextWrapAnywhere)};
    const ResultTable &t = *report.rows;
    const int cols = t.columnCount();
    const double top = l.tableTop();
    auto cellRect = [&](int c, double y, double h) {
        return QRectF(l.columnLeft[c] + kPadX, y, l.columnWidth[c] - 2 * kPadX, h);
    };
    for (int c = 0; c < cols; ++c)
        items << Item{Item::Caption, cellRect(c, top + kPadY, l.captionHeight - 2 * kPadY), t.columns()[c],
                      int(Qt::AlignCenter | Qt::TextWrapAnywhere)};

    Measure &m = measure(FontRole::Cell);
    const int first = l.firstRow(page);
    const int n = l.rowsOn(page);
    double y = top + l.captionHeight;
    for (int i = 0; i < n; ++i, y += l.rowHeight) {
        for (int c = 0; c < cols; ++c) {
            QString text = t.text(first + i, c);
            const QRectF box = cellRect(c, y, l.rowHeight);
            if (l.columnElided[c] && m.width(text) > box.width())
                text = m.metrics().elidedText(text, Qt::ElideRight, box.width() / kSafety);
            items << Item{Item::Cell, box, text, int(l.columnAlign[c] | Qt::AlignVCenter)};
        }
    }
    if (l.totalOn(page)) {
        if (l.totalColumn > 0)
            items << Item{Item::TotalLabel, cellRect(0, y, l.rowHeight), QStringLiteral("金额合计"),
                          int(Qt::AlignLeft | Qt::AlignVCenter)};
        items << Item{Item::Total, cellRect(l.totalColumn, y, l.rowHeight), l.totalText,
                      int(Qt::AlignRight | Qt::AlignVCenter)};
    }
    items << Item{Item::PageNumber,
                  QRectF(l.body.left(), l.body.bottom() - measure(FontRole::Footer).metrics().height(),
                         l.body.width(), measure(FontRole::Footer).metrics().height()),
                  l.pageText(page), int(Qt::AlignHCenter | Qt::AlignBottom)};
    return items;
}

} // namespace report
