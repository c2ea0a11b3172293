#pragma once

#include "ReportLayout.h"

class QPagedPaintDevice;
class QPainter;

namespace report {

// Draws one page (0-based); the painter is in layout units (see
// kUnitsPerInch), its origin at the sheet's top-left corner.
void paintPage(QPainter &painter, const Report &report, const Layout &layout, int page);

// Draws pages first to last (0-based) on a printer or PDF writer that has
// been given the layout's page layout with the sheet's corner as origin.
// False when the device cannot be opened or finished.
bool renderPages(QPagedPaintDevice &device, const Report &report, const Layout &layout, int first, int last);

// Writes the whole report to a PDF file; false when it cannot be written.
bool writePdf(const QString &file, const Report &report, const Layout &layout);

} // namespace report
