#pragma once

#include "ReportLayout.h"

#include <QWidget>

class QLabel;
class QScrollArea;
class QToolButton;

namespace report {
class PageView;
}

// The report viewer: its toolbar pages (cmd_First, cmd_Previous, cmd_Next,
// cmd_Last, lbl_Page), zooms (cmd_ZoomOut, cmd_ZoomIn, cmd_FitWidth,
// lbl_Zoom), prints through the system's print dialog (cmd_Print) and
// exports to PDF (cmd_ExportPdf), a long report with its progress and
// "取消" (PageProgress), over the one page it shows: only that page is
// drawn, however long the report.
class ReportViewer : public QWidget
{
    Q_OBJECT
public:
    ReportViewer(Report report, report::Layout layout, QWidget *parent = nullptr);

    const Report &report() const { return m_report; }
    const report::Layout &layout() const { return m_layout; }

    int currentPage() const { return m_page; } // 0-based
    void setCurrentPage(int page);
    // 1 is the sheet's actual size on screen.
    double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    void fitWidth();

    void print();
    void exportPdf();

signals:
    // A print or export failed; the reason has been shown.
    void failed();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *addButton(const char *name, const QString &text);
    void updateView();
    void fail(const QString &reason);

    Report m_report;
    report::Layout m_layout;
    int m_page = 0;
    double m_zoom = 1;
    bool m_fitWidth = true;
    QToolButton *m_first, *m_previous, *m_next, *m_last;
    QLabel *m_pageLabel, *m_zoomLabel;
    QScrollArea *m_area;
    report::PageView *m_view;
};
