#pragma once

#include "ReportLayout.h"

#include <QDialog>

class ReportViewer;

// The print preview window: caption "打印预览", resizable, opened maximised,
// the viewer CRViewer1 filling it. Shown without blocking for a list and
// modally for a bill; a print or export that fails closes it.
class ReportPreview : public QDialog
{
    Q_OBJECT
public:
    ReportPreview(const QString &name, Report report, report::Layout layout, QWidget *parent = nullptr);

    ReportViewer *viewer() const { return m_viewer; }

    // Lays the report out and makes its preview named name; on failure shows
    // "错误" with the reason and gives nullptr. The hourglass is on meanwhile.
    static ReportPreview *open(const QString &name, Report report, QWidget *parent = nullptr);

private:
    ReportViewer *m_viewer;
};
