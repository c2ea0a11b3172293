#include "ReportLayout.h"

#include "PrintFace.h"
#include "ReportText.h"
#include "platform/db/Decimal.h"
#include "platform/db/ValueText.h"

#include <QPageSize>

#include <algorithm>
#include <cmath>

namespace report {
namespace {

const double kMargin = 400;     // all four sides, about 14 mm
const double kPadX = 50;        // text inside a cell, left and right
const double kPadY = 35;        // and above and below
const double kTitleGap = 150;   // between the title and the table
const double kFooterGap = 100;  // between the table space and the page number
const int kFewLines = 6;        // the most a row of long text takes, where the sheet allows

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

// Pages filled row after row: a row goes whole onto the page where it fits,
// else onto the next; a row taller than a page goes on over the next pages.
void placeRows(Layout &l, double room)
{
    const double eps = 1e-6;
    auto height = [&l](int lines) { return lines * l.lineHeight + 2 * kPadY; };
    double used = 0;
    l.pageStart = {Layout::Place{0, 0}};
    auto newPage = [&](int row, int line) {
        l.pageStart << Layout::Place{row, line};
        used = 0;
    };
    for (int r = 0; r < l.rowCount; ++r) {
        const int lines = l.linesOf(r);
        if (used + height(lines) > room + eps && used > 0 && height(lines) <= room + eps)
            newPage(r, 0);
        for (int line = 0; line < lines;) {
            const int fit = int(std::floor((room - used - 2 * kPadY + eps) / l.lineHeight));
            if (fit < 1) {
                newPage(r, line);
                continue;
            }
            const int n = std::min(fit, lines - line);
            used += height(n);
            line += n;
            if (line < lines)
                newPage(r, line);
        }
    }
    if (l.totalColumn >= 0) {
        if (used + l.rowHeight > room + eps)
            newPage(l.rowCount, 0);
        l.totalPage = int(l.pageStart.size()) - 1;
    }
    l.pageCount = int(l.pageStart.size());
    l.pageStart << Layout::Place{l.rowCount, 0};
}

double wrappedHeight(FontRole role, const QString &text, double width)
{
    return measure(role).metrics().boundingRect(QRectF(0, 0, std::max(width, 1.0), 1e9),
                                                Qt::AlignHCenter | Qt::TextWrapAnywhere, text).height();
}

} // namespace

QFont font(FontRole role)
{
    // Latin from DejaVu Sans, Chinese from Droid Sans Fallback or, in bold,
    // from Noto Sans CJK SC Bold made for print (Droid has no bold), Noto
    // Sans CJK SC for anything else: a PDF's text then reads back as it was
    // written (Noto's Chinese as installed comes out of a PDF as look-alike
    // radicals, and its digits after Latin letters not at all).
    const bool bold = role == FontRole::Title || role == FontRole::Caption;
    QStringList families{QStringLiteral("DejaVu Sans"), QStringLiteral("Droid Sans Fallback"),
                         QStringLiteral("Noto Sans CJK SC")};
    if (bold && !boldChineseFamily().isEmpty())
        families.insert(1, boldChineseFamily());
    QFont f;
    f.setFamilies(families);
    f.setStyleHint(QFont::SansSerif);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setBold(bold);
    switch (role) {
    case FontRole::Title: f.setPixelSize(160); break;
    case FontRole::Caption: f.setPixelSize(90); break;
    case FontRole::Cell: f.setPixelSize(90); break;
    case FontRole::Footer: f.setPixelSize(80); break;
    }
    return f;
}

int Layout::rowsOn(int page) const
{
    if (page < 0 || page >= pageCount)
        return 0;
    const Place from = pageStart[page], to = pageStart[page + 1];
    return to.row - from.row + (to.line > 0 ? 1 : 0);
}

QVector<RowPiece> Layout::piecesOn(int page) const
{
    QVector<RowPiece> pieces;
    if (page < 0 || page >= pageCount)
        return pieces;
    const Place to = pageStart[page + 1];
    double y = tableTop() + captionHeight;
    for (Place at = pageStart[page]; at.row < to.row || (at.row == to.row && at.line < to.line); ++at.row, at.line = 0) {
        const int lines = (at.row == to.row ? to.line : linesOf(at.row)) - at.line;
        const double h = lines * lineHeight + 2 * kPadY;
        pieces << RowPiece{at.row, at.line, lines, y, h};
        y += h;
    }
    return pieces;
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

    // Natural widths (the widest text of each column, caption included), the
    // widest word and piece of a word of each column and which columns hold
    // nothing but numbers.
    Measure &cellMeasure = measure(FontRole::Cell);
    Measure &captionMeasure = measure(FontRole::Caption);
    QVector<double> natural(cols), widestWord(cols, 0), widestPiece(cols, 0);
    QVector<bool> numeric(cols, false), other(cols, false);
    const double twoChars = captionMeasure.width(QStringLiteral("中中"));
    for (int c = 0; c < cols; ++c)
        natural[c] = captionMeasure.width(t.columns()[c]);
    for (int r = 0; r < l.rowCount; ++r) {
        for (int c = 0; c < cols; ++c) {
            const QVariant v = t.value(r, c);
            if (v.isNull())
                continue;
            const bool number = isNumberValue(v);
            (number ? numeric : other)[c] = true;
            const QString text = valueText(v);
            TextWidth w;
            if (number)
                w.whole = w.widestWord = w.widestPiece = cellMeasure.width(text); // a number is one word
            else
                w = textWidth(cellMeasure, text);
            natural[c] = std::max(natural[c], w.whole);
            widestWord[c] = std::max(widestWord[c], w.widestWord);
            widestPiece[c] = std::max(widestPiece[c], w.widestPiece);
        }
    }

    // Sum line of a bill report: its label needs room in the first column.
    if (report.billTotal && l.rowCount > 0) {
        l.totalColumn = t.columnIndex(QStringLiteral("金额"));
        if (l.totalColumn >= 0) {
            decimal::Sum sum;
            for (int r = 0; r < l.rowCount; ++r)
                sum.add(t.value(r, l.totalColumn).toDouble());
            l.totalText = numberText(sum.value());
            natural[l.totalColumn] = std::max(natural[l.totalColumn], captionMeasure.width(l.totalText));
            if (l.totalColumn > 0)
                natural[0] = std::max(natural[0], captionMeasure.width(QStringLiteral("金额合计")));
        }
    }
    for (int c = 0; c < cols; ++c)
        natural[c] += 2 * kPadX;

    // Portrait when the columns fit across it, landscape otherwise.
    double total = 0;
    for (double w : natural)
        total += w;
    l.landscape = total > a4(false).width() - 2 * kMargin;
    l.pageSize = a4(l.landscape);
    l.body = QRectF(QPointF(0, 0), l.pageSize).adjusted(kMargin, kMargin, -kMargin, -kMargin);

    // Numbers keep their whole width. Text narrows down to at least two
    // characters and its widest word, and no further than lets its longest
    // text take a few lines: the fewest that let the columns fit across the
    // sheet, with words whole if that can be, else broken at their
    // punctuation. A row of long text thus stays a few lines high; where no
    // few lines do, the fewest that fit.
    QVector<double> minimum(cols);
    const auto narrowest = [&](int lines, bool pieces) {
        double sum = 0;
        for (int c = 0; c < cols; ++c) {
            const double text = natural[c] - 2 * kPadX;
            minimum[c] = (numeric[c] && !other[c])
                             ? natural[c]
                             : std::max({pieces ? widestPiece[c] : widestWord[c], std::min(text, twoChars),
                                         text / lines}) + 2 * kPadX;
            sum += minimum[c];
        }
        return sum;
    };
    [&] {
        for (const bool pieces : {false, true})
            for (int lines = 1; lines <= kFewLines; ++lines)
                if (narrowest(lines, pieces) <= l.body.width())
                    return;
        for (int lines = 2 * kFewLines; lines < (1 << 24); lines *= 2)
            if (narrowest(lines, true) <= l.body.width())
                return;
    }();
    l.columnWidth = fitWidths(natural, minimum, l.body.width());
    double x = l.body.left();
    for (int c = 0; c < cols; ++c) {
        l.columnLeft << x;
        x += l.columnWidth[c];
        l.columnAlign << ((numeric[c] && !other[c]) ? Qt::AlignRight : Qt::AlignLeft);
        l.columnWraps << (other[c] && l.columnWidth[c] + 0.5 < natural[c]);
    }

    // Heights: captions and the title wrap, and so do texts wider than their
    // column, each row as high as its most lines.
    l.lineHeight = cellMeasure.metrics().height();
    l.rowHeight = l.lineHeight + 2 * kPadY;
    for (int c = 0; c < cols; ++c) {
        if (!l.columnWraps[c])
            continue;
        const double box = l.columnWidth[c] - 2 * kPadX;
        for (int r = 0; r < l.rowCount; ++r) {
            const QString text = t.text(r, c);
            if (cellMeasure.width(text) > box) {
                const int lines = int(wrapLines(text, box).size());
                if (lines > l.linesOf(r))
                    l.rowLines[r] = lines;
            }
        }
    }
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
    placeRows(l, room);
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

    // The box of a line: as high as a row of one line, so that a line is
    // never cut; a wrapped text's lines one line height apart.
    Measure &m = measure(FontRole::Cell);
    double y = top + l.captionHeight;
    auto line = [&](int c, double lineTop) { return cellRect(c, lineTop - kPadY, l.rowHeight); };
    for (const RowPiece &piece : l.piecesOn(page)) {
        const double textTop = piece.top + kPadY;
        for (int c = 0; c < cols; ++c) {
            const QString text = t.text(piece.row, c);
            const int flags = int(l.columnAlign[c] | Qt::AlignVCenter);
            if (l.columnWraps[c] && m.width(text) > l.columnWidth[c] - 2 * kPadX) {
                const QStringList lines = wrapLines(text, l.columnWidth[c] - 2 * kPadX);
                for (int i = piece.firstLine; i < piece.firstLine + piece.lines && i < lines.size(); ++i)
                    items << Item{Item::Cell, line(c, textTop + (i - piece.firstLine) * l.lineHeight), lines[i], flags};
            } else if (piece.firstLine == 0) {
                items << Item{Item::Cell, line(c, textTop), text, flags};
            }
        }
        y = piece.top + piece.height;
    }
    if (l.totalOn(page)) {
        if (l.totalColumn > 0)
            items << Item{Item::TotalLabel, line(0, y + kPadY), QStringLiteral("金额合计"),
                          int(Qt::AlignLeft | Qt::AlignVCenter)};
        items << Item{Item::Total, line(l.totalColumn, y + kPadY), l.totalText, int(Qt::AlignRight | Qt::AlignVCenter)};
    }
    items << Item{Item::PageNumber,
                  QRectF(l.body.left(), l.body.bottom() - measure(FontRole::Footer).metrics().height(),
                         l.body.width(), measure(FontRole::Footer).metrics().height()),
                  l.pageText(page), int(Qt::AlignHCenter | Qt::AlignBottom)};
    return items;
}

} // namespace report
