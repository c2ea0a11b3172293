#include "ReportPainter.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace report {
namespace {

FontRole roleOf(Item::Kind kind)
{
    switch (kind) {
    case Item::Title: return FontRole::Title;
    case Item::Caption:
    case Item::TotalLabel:
    case Item::Total: return FontRole::Caption;
    case Item::Cell: return FontRole::Cell;
    case Item::PageNumber: break;
    }
    return FontRole::Footer;
}

void paintGrid(QPainter &p, const Layout &l, int page)
{
    if (l.columnLeft.isEmpty())
        return;
    const double left = l.columnLeft.first();
    const double right = l.columnLeft.last() + l.columnWidth.last();
    const double top = l.tableTop();
    const double captionBottom = top + l.captionHeight;
    const QVector<RowPiece> pieces = l.piecesOn(page);
    const double rowsBottom = pieces.isEmpty() ? captionBottom : pieces.last().top + pieces.last().height;
    const double bottom = rowsBottom + (l.totalOn(page) ? l.rowHeight : 0);

    p.fillRect(QRectF(left, top, right - left, l.captionHeight), QColor(0xE8, 0xE8, 0xE8));
    QPen thin(QColor(0xA0, 0xA0, 0xA0), 3);
    p.setPen(thin);
    for (int i = 1; i < pieces.size(); ++i)
        p.drawLine(QPointF(left, pieces[i].top), QPointF(right, pieces[i].top));
    for (int c = 1; c < l.columnLeft.size(); ++c)
        p.drawLine(QPointF(l.columnLeft[c], top), QPointF(l.columnLeft[c], bottom));
    QPen strong(Qt::black, 6);
    p.setPen(strong);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(left, top, right - left, bottom - top));
    p.drawLine(QPointF(left, captionBottom), QPointF(right, captionBottom));
    if (l.totalOn(page))
        p.drawLine(QPointF(left, rowsBottom), QPointF(right, rowsBottom));
}

} // namespace

void paintPage(QPainter &p, const Report &report, const Layout &layout, int page)
{
    p.save();
    paintGrid(p, layout, page);
    p.setPen(Qt::black);
    bool first = true;
    FontRole current = FontRole::Cell;
    for (const Item &item : pageItems(report, layout, page)) {
        const FontRole role = roleOf(item.kind);
        if (first || role != current) {
            p.setFont(font(role));
            current = role;
            first = false;
        }
        p.drawText(item.rect, item.flags, item.text);
    }
    p.restore();
}

bool renderPages(QPagedPaintDevice &device, const Report &report, const Layout &layout, int first, int last,
                 const PageDone &pageDone)
{
    QPainter p;
    if (!p.begin(&device))
        return false;
    const double sx = device.logicalDpiX() / kUnitsPerInch;
    const double sy = device.logicalDpiY() / kUnitsPerInch;
    for (int page = first; page <= last; ++page) {
        if (page != first && !device.newPage()) {
            p.end();
            return false;
        }
        p.save();
        p.scale(sx, sy);
        paintPage(p, report, layout, page);
        p.restore();
        if (pageDone && !pageDone(page - first + 1)) {
            p.end();
            return false;
        }
    }
    return p.end();
}

bool writePdf(const QString &file, const Report &report, const Layout &layout, const PageDone &pageDone)
{
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&out);
        writer.setResolution(int(kUnitsPerInch));
        writer.setTitle(report.title);
        writer.setCreator(QStringLiteral("恒远进销存系统"));
        writer.setPageLayout(layout.pageLayout());
        if (!renderPages(writer, report, layout, 0, layout.pageCount - 1, pageDone))
            return false; // the temporary file goes with out
    }
    return out.commit();
}

} // namespace report
