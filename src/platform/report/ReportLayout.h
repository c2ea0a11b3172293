#pragma once

#include "Report.h"

#include <QFont>
#include <QHash>
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

// One text of a page, ready to draw: its box, its text (one line of it
// where a cell wraps) and the drawText flags (alignment).
struct Item {
    enum Kind { Title, Caption, Cell, TotalLabel, Total, PageNumber };
    Kind kind;
    QRectF rect;
    QString text;
    int flags;
};

// A row's lines on one page: all of them, or the part of a row taller than
// a page that falls on it.
struct RowPiece {
    int row;
    int firstLine, lines;
    double top, height;
};

struct Layout {
    QSizeF pageSize; // the sheet
    bool landscape = false;
    QRectF body; // the sheet inside its margins
    double titleHeight = 0, captionHeight = 0, lineHeight = 0, rowHeight = 0, footerHeight = 0;
    QVector<double> columnLeft, columnWidth;
    QVector<Qt::Alignment> columnAlign; // numbers right, anything else left
    QVector<bool> columnWraps;          // text narrower than its widest: wraps
    int rowCount = 0;
    int rowsPerPage = 1; // rows of one line that a page holds under its captions
    int pageCount = 1;
    int totalColumn = -1; // the column summed under the lines, or -1
    QString totalText;
    // Text lines of the rows of more than one (a row without is one line).
    QHash<int, int> rowLines;
    // Where each page begins (a row and its first line there), and the end.
    struct Place {
        int row = 0, line = 0;
    };
    QVector<Place> pageStart;
    int totalPage = -1;

    int linesOf(int row) const { return rowLines.value(row, 1); }
    int firstRow(int page) const { return pageStart.value(page).row; }
    int rowsOn(int page) const;       // data rows on that page, whole or in part
    QVector<RowPiece> piecesOn(int page) const;
    bool totalOn(int page) const { return page == totalPage; }
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
