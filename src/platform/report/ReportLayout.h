#pragma once

#include "Report.h"

#include <QFont>
#include <QPageLayout>
#include <QRectF>
#include <QVector>

// A report is laid out once, by arithmetic over its rows, on an A4 sheet in
// units of a tenth of a point (720 to the inch); any one page can then be
// listed or drawn on its own, on any device, by scaling the painter.
namespace report {

constexpr double kUnitsPerInch = 720.0;

enum class FontRole { Title, Caption, Cell, Footer };
// The report fonts: families that hold Chinese, so it shows on screen and in
// PDF; sized in layout units and unhinted, so text measures alike on every
// device.
QFont font(FontRole role);

// One text of a page, ready to draw: its box, its text (elided to fit) and
// the drawText flags (alignment, wrapping).
struct Item {
    enum Kind { Title, Caption, Cell, TotalLabel, Total, PageNumber };
    Kind kind;
    QRectF rect;
    QString text;
    int flags;
};

struct Layout {
    QSizeF pageSize; // the sheet
    bool landscape = false;
    QRectF body; // the sheet inside its margins
    double titleHeight = 0, captionHeight = 0, rowHeight = 0, footerHeight = 0;
    QVector<double> columnLeft, columnWidth;
    QVector<Qt::Alignment> columnAlign; // numbers right, anything else left
    QVector<bool> columnElided;         // narrower than its widest text
    int rowCount = 0;
    int rowsPerPage = 1; // lines under the caption row of each page
    int pageCount = 1;
    int totalColumn = -1; // the column summed under the lines, or -1
    QString totalText;

    int firstRow(int page) const { return page * rowsPerPage; }
    int rowsOn(int page) const;       // data rows on that page (0-based)
    bool totalOn(int page) const;     // whether the sum line is on that page
    QString pageText(int page) const; // "第 n 页 / 共 m 页"
    double tableTop() const;
    QPageLayout pageLayout() const; // A4, its orientation, no margins
};

// Lays the report out. Throws ReportError when there is nothing to lay out
// or the page cannot take the title, the captions and one line.
Layout layout(const Report &report);

// The texts of one page (0-based) in drawing order: title, captions, cells,
// the sum line where it falls, the page number.
QVector<Item> pageItems(const Report &report, const Layout &layout, int page);

} // namespace report
