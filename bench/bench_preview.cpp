// Times the print preview of a long list and its export to PDF: the 100,000
// goods receipts of list 102 on a database of realistic size, through the
// list's print form as "打印预览" opens it, then "导出PDF".
//
//   bench_preview [database file]   (default /tmp/hengyuan_bench.db, built when absent)

#include "BenchData.h"

#include "core/AppState.h"
#include "core/ListCatalog.h"
#include "platform/report/ReportPreview.h"
#include "platform/report/ReportViewer.h"
#include "platform/ui/FileDialog.h"
#include "purchasing/PurchasingPrintForms.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QToolButton>

#include <cstdio>

namespace {

const double kPreviewLimitMs = 5000;
const double kExportLimitMs = 30000;

const PrintForm &form(const QString &name)
{
    for (const PrintForm &f : purchasingPrintForms())
        if (f.name == name)
            return f;
    std::abort();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AppState state;
    if (!openBenchDatabase(state.db, argc, argv))
        return 1;
    const ListSpec *list = listSpec(102);

    // Preview: the list as the main window reads it, then its print form
    // laid out, shown maximised and its first page painted.
    const double t0 = nowMs();
    state.listRs = state.db.query(list->sql);
    const double tQuery = nowMs();
    QWidget *w = makeListPrint(state, form(QStringLiteral("FrmBuyInPrint")));
    if (!w)
        return 1;
    auto *preview = static_cast<ReportPreview *>(w);
    const double tLayout = nowMs();
    preview->showMaximized();
    preview->grab();
    const double tPreview = nowMs();
    ReportViewer *viewer = preview->viewer();
    const report::Layout &layout = viewer->layout();

    // Paging to the end costs one page, however far it is.
    double t = nowMs();
    preview->findChild<QToolButton *>(QStringLiteral("cmd_Last"))->click();
    preview->grab();
    const double tLastPage = nowMs() - t;

    QTemporaryDir tmp;
    const QString pdf = tmp.filePath(QStringLiteral("list102.pdf"));
    filedialog::Script answers;
    answers.answer(pdf);
    t = nowMs();
    preview->findChild<QToolButton *>(QStringLiteral("cmd_ExportPdf"))->click();
    const double tExport = nowMs() - t;
    const qint64 size = QFileInfo(pdf).size();
    if (size == 0) {
        std::fprintf(stderr, "the export wrote nothing\n");
        return 1;
    }

    const double previewMs = tPreview - t0;
    std::printf("list 102 \"%s\": %d rows, %d columns, %d pages (%s, %d lines a page)\n", qPrintable(list->title),
                layout.rowCount, int(layout.columnWidth.size()), layout.pageCount,
                layout.landscape ? "landscape" : "portrait", layout.rowsPerPage);
    std::printf("preview   %8.1f ms  (query %.1f, layout %.1f, show and paint page 1 %.1f)  limit %.0f  %s\n",
                previewMs, tQuery - t0, tLayout - tQuery, tPreview - tLayout, kPreviewLimitMs,
                previewMs <= kPreviewLimitMs ? "ok" : "SLOW");
    std::printf("last page %8.1f ms\n", tLastPage);
    std::printf("PDF       %8.1f ms  (%d pages, %.1f MB)  limit %.0f  %s\n", tExport, layout.pageCount,
                size / 1048576.0, kExportLimitMs, tExport <= kExportLimitMs ? "ok" : "SLOW");
    std::printf("resident  %8.1f MB\n", residentMb());
    delete preview;
    return previewMs <= kPreviewLimitMs && tExport <= kExportLimitMs ? 0 : 1;
}
