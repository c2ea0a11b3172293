#include "ReportViewer.h"

#include "PageProgress.h"
#include "PrintSpool.h"
#include "ReportPainter.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/Modal.h"
#include "platform/ui/Msg.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QToolButton>

#include <algorithm>

namespace report {

// The sheet of the current page on a grey ground.
class PageView : public QWidget
{
public:
    static constexpr int kBorder = 12;

    PageView(const ReportViewer &viewer, QWidget *parent) : QWidget(parent), m_viewer(viewer) {}

    double scale() const { return m_viewer.zoom() * logicalDpiX() / kUnitsPerInch; }
    QSize sheetSize() const
    {
        const QSizeF s = m_viewer.layout().pageSize * scale();
        return QSize(qRound(s.width()), qRound(s.height()));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(0x80, 0x80, 0x80));
        const QRect sheet(QPoint(kBorder, kBorder), sheetSize());
        p.fillRect(sheet.translated(3, 3), QColor(0x50, 0x50, 0x50));
        p.fillRect(sheet, Qt::white);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.translate(sheet.topLeft());
        p.scale(scale(), scale());
        paintPage(p, m_viewer.report(), m_viewer.layout(), m_viewer.currentPage());
    }

private:
    const ReportViewer &m_viewer;
};

} // namespace report

namespace {

const double kMinZoom = 0.25, kMaxZoom = 4.0, kZoomStep = 1.25;

QString suggestedFileName(const QString &title)
{
    QString name = title.trimmed();
    for (QChar &c : name)
        if (QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    return (name.isEmpty() ? QStringLiteral("报表") : name) + QStringLiteral(".pdf");
}

} // namespace

ReportViewer::ReportViewer(Report report, report::Layout layout, QWidget *parent)
    : QWidget(parent), m_report(std::move(report)), m_layout(std::move(layout))
{
    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(4, 2, 4, 2);
    auto *tools = new QWidget(this);
    tools->setObjectName(QStringLiteral("ViewerToolBar"));
    tools->setLayout(bar);

    m_first = addButton("cmd_First", QStringLiteral("首页"));
    m_previous = addButton("cmd_Previous", QStringLiteral("上一页"));
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("lbl_Page"));
    m_next = addButton("cmd_Next", QStringLiteral("下一页"));
    m_last = addButton("cmd_Last", QStringLiteral("末页"));
    QToolButton *zoomOut = addButton("cmd_ZoomOut", QStringLiteral("缩小"));
    m_zoomLabel = new QLabel(this);
    m_zoomLabel->setObjectName(QStringLiteral("lbl_Zoom"));
    m_zoomLabel->setMinimumWidth(m_zoomLabel->fontMetrics().horizontalAdvance(QStringLiteral("0000%")));
    m_zoomLabel->setAlignment(Qt::AlignCenter);
    QToolButton *zoomIn = addButton("cmd_ZoomIn", QStringLiteral("放大"));
    QToolButton *fit = addButton("cmd_FitWidth", QStringLiteral("页宽"));
    QToolButton *print = addButton("cmd_Print", QStringLiteral("打印"));
    QToolButton *pdf = addButton("cmd_ExportPdf", QStringLiteral("导出PDF"));

    for (QWidget *w : std::initializer_list<QWidget *>{m_first, m_previous, m_pageLabel, m_next, m_last})
        bar->addWidget(w);
    bar->addSpacing(16);
    for (QWidget *w : std::initializer_list<QWidget *>{zoomOut, m_zoomLabel, zoomIn, fit})
        bar->addWidget(w);
    bar->addSpacing(16);
    bar->addWidget(print);
    bar->addWidget(pdf);
    bar->addStretch();

    m_area = new QScrollArea(this);
    m_area->setObjectName(QStringLiteral("PageArea"));
    m_area->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_area->setBackgroundRole(QPalette::Dark);
    m_view = new report::PageView(*this, m_area);
    m_area->setWidget(m_view);

    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    box->addWidget(tools);
    box->addWidget(m_area, 1);

    connect(m_first, &QToolButton::clicked, this, [this] { setCurrentPage(0); });
    connect(m_previous, &QToolButton::clicked, this, [this] { setCurrentPage(m_page - 1); });
    connect(m_next, &QToolButton::clicked, this, [this] { setCurrentPage(m_page + 1); });
    connect(m_last, &QToolButton::clicked, this, [this] { setCurrentPage(m_layout.pageCount - 1); });
    connect(zoomOut, &QToolButton::clicked, this, [this] { setZoom(m_zoom / kZoomStep); });
    connect(zoomIn, &QToolButton::clicked, this, [this] { setZoom(m_zoom * kZoomStep); });
    connect(fit, &QToolButton::clicked, this, &ReportViewer::fitWidth);
    connect(print, &QToolButton::clicked, this, &ReportViewer::print);
    connect(pdf, &QToolButton::clicked, this, &ReportViewer::exportPdf);
    auto *pageUp = new QShortcut(QKeySequence(Qt::Key_PageUp), this);
    connect(pageUp, &QShortcut::activated, this, [this] { setCurrentPage(m_page - 1); });
    auto *pageDown = new QShortcut(QKeySequence(Qt::Key_PageDown), this);
    connect(pageDown, &QShortcut::activated, this, [this] { setCurrentPage(m_page + 1); });

    fitWidth();
}

QToolButton *ReportViewer::addButton(const char *name, const QString &text)
{
    auto *b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

void ReportViewer::setCurrentPage(int page)
{
    m_page = std::clamp(page, 0, m_layout.pageCount - 1);
    m_area->verticalScrollBar()->setValue(0);
    updateView();
}

void ReportViewer::setZoom(double zoom)
{
    m_fitWidth = false;
    m_zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    updateView();
}

void ReportViewer::fitWidth()
{
    m_fitWidth = true;
    const double sheet = m_layout.pageSize.width() * m_view->logicalDpiX() / report::kUnitsPerInch;
    // A sheet fitted to the width is taller than the area: leave room for
    // the vertical scroll bar.
    const int room = m_area->maximumViewportSize().width() - m_area->verticalScrollBar()->sizeHint().width()
                     - 2 * report::PageView::kBorder - 3;
    m_zoom = std::clamp(room / sheet, kMinZoom, kMaxZoom);
    updateView();
}

void ReportViewer::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_fitWidth)
        fitWidth();
}

void ReportViewer::updateView()
{
    const int last = m_layout.pageCount - 1;
    m_first->setEnabled(m_page > 0);
    m_previous->setEnabled(m_page > 0);
    m_next->setEnabled(m_page < last);
    m_last->setEnabled(m_page < last);
    m_pageLabel->setText(m_layout.pageText(m_page));
    m_zoomLabel->setText(QStringLiteral("%1%").arg(qRound(m_zoom * 100)));
    m_view->resize(m_view->sheetSize() + QSize(2, 2) * report::PageView::kBorder + QSize(3, 3));
    m_view->update();
}

void ReportViewer::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_report.title);
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, m_layout.pageCount);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage);
    printer.setPageLayout(m_layout.pageLayout());
    if (modal::exec(&dialog) != QDialog::Accepted)
        return;
    int first = 0, last = m_layout.pageCount - 1;
    if (printer.printRange() == QPrinter::PageRange) {
        first = std::max(printer.fromPage(), 1) - 1;
        last = std::min(printer.toPage(), m_layout.pageCount) - 1;
    } else if (printer.printRange() == QPrinter::CurrentPage) {
        first = last = m_page;
    }
    // Printed as previewed: A4 in the report's orientation, from the corner.
    printer.setFullPage(true);
    printer.setPageLayout(m_layout.pageLayout());
    PrintSpool spool(printer);
    bool ok = false;
    {
        PageProgress progress(this, QStringLiteral("打印"), QStringLiteral("打印"), last - first + 1);
        ok = first <= last && report::renderPages(printer, m_report, m_layout, first, last, progress.pageDone())
             && printer.printerState() != QPrinter::Error;
        if (progress.cancelled())
            return; // the pages drawn so far go with the spool
    }
    QString reason;
    if (!ok || !spool.deliver(&reason)) {
        const QString text = QStringLiteral("无法打印到“%1”。").arg(msg::quotedPath(spool.target()));
        fail(reason.isEmpty() ? text : text + QLatin1Char('\n') + reason);
    }
}

void ReportViewer::exportPdf()
{
    QString file = filedialog::saveFileName(this, QStringLiteral("导出PDF"), suggestedFileName(m_report.title),
                                            QStringLiteral("PDF 文件 (*.pdf)"));
    if (file.isEmpty())
        return;
    if (QFileInfo(file).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) != 0)
        file += QStringLiteral(".pdf");
    bool ok = false;
    {
        PageProgress progress(this, QStringLiteral("导出PDF"), QStringLiteral("导出"), m_layout.pageCount);
        ok = report::writePdf(file, m_report, m_layout, progress.pageDone());
        if (progress.cancelled())
            return;
    }
    if (!ok)
        fail(QStringLiteral("无法写入文件“%1”。").arg(msg::quotedPath(QDir::toNativeSeparators(file))));
}

void ReportViewer::fail(const QString &reason)
{
    msg::error(this, reason);
    emit failed();
}
