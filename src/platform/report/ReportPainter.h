#pragma once

#include "ReportLayout.h"

#include <functional>

class QPagedPaintDevice;
class QPainter;

namespace report {

// Draws one page (0-based); the painter is in layout units (see
// kUnitsPerInch), its origin at the sheet's top-left corner.
void paintPage(QPainter &painter, const Report &report, const Layout &layout, int page);

// Told after each page drawn how many are done; false stops the drawing.
using PageDone = std::function<bool(int done)>;

// Draws pages first to last (0-based) on a printer or PDF writer that has
// been given the layout's page layout with the sheet's corner as origin.
// False when the device cannot be opened or finished, or pageDone stopped it.
bool renderPages(QPagedPaintDevice &device, const Report &report, const Layout &layout, int first, int last,
                 const PageDone &pageDone = {});

// Writes the whole report to a PDF file; false when it cannot be written or
// pageDone stopped it. The pages go to a temporary file beside it, which
// replaces the file only once complete: until then a file of that name
// stays as it was, and a stopped or failed export leaves nothing behind.
bool writePdf(const QString &file, const Report &report, const Layout &layout, const PageDone &pageDone = {});

} // namespace report
