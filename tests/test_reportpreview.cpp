// The print preview window, driven by its controls: caption and viewer,
// paging, zoom, "导出PDF" and "打印" (their text read back from the PDF), and
// failures that show "错误", close the preview and leave no hourglass.
#include "TestSupport.h"

#include "platform/report/ReportPreview.h"
#include "platform/report/ReportViewer.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/Modal.h"
#include "platform/ui/Msg.h"

#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QProcess>
#include <QScrollArea>
#include <QToolButton>
#include <QtTest>

#include <cups/cups.h>

namespace {

// Orders CGDD-20261209-0001.. of a supplier with an apostrophe in its name,
// with as many columns of long remarks as asked.
Report orders(int n, int remarks = 0)
{
    QStringList columns{"采购订单号", "供应商", "金额合计"};
    for (int c = 1; c <= remarks; ++c)
        columns << QStringLiteral("备注%1").arg(c);
    QVector<QVariant> cells;
    for (int i = 1; i <= n; ++i) {
        cells << QStringLiteral("CGDD-20261209-%1").arg(i, 4, 10, QLatin1Char('0')) << QStringLiteral("O'Brien 五金")
              << 100.5 * i;
        for (int c = 1; c <= remarks; ++c)
            cells << QStringLiteral("货已验收，包装完好，数量无误，请于月底前付清。");
    }
    return Report{QStringLiteral("采购订单统计表"), std::make_shared<const ResultTable>(columns, cells), false};
}

// The text of a PDF as pdftotext reads it, or why it could not.
QString pdfText(const QString &file, int first = 0, int last = 0)
{
    QProcess p;
    QStringList args{QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (first > 0)
        args << QStringLiteral("-f") << QString::number(first) << QStringLiteral("-l") << QString::number(last);
    p.start(QStringLiteral("pdftotext"), args << file << QStringLiteral("-"));
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QStringLiteral("pdftotext failed: ") + QString::fromUtf8(p.readAllStandardError());
    return QString::fromUtf8(p.readAllStandardOutput());
}

// pdftotext drops the blanks between Chinese and digits.
QString squeezed(QString text)
{
    return text.remove(QLatin1Char(' '));
}

QString pageLabel(QWidget *preview)
{
    return child<QLabel>(preview, "lbl_Page")->text();
}

void click(QWidget *preview, const char *button)
{
    QToolButton *b = child<QToolButton>(preview, button);
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton);
}

// What the preview's progress dialog showed (pages done, text) at the turns
// of the event loop that a long export lets run after each page, pressing
// "取消" once it shows cancelAt pages done. Watched while the test holds seen.
using Seen = std::pair<int, QString>;
void watchProgress(QPointer<QWidget> preview, int cancelAt, std::shared_ptr<Seen> seen)
{
    QMetaObject::invokeMethod(qApp, [=] {
        if (!preview || seen.use_count() == 1)
            return;
        auto *d = preview->findChild<QProgressDialog *>(QStringLiteral("ReportProgress"));
        if (d && d->isVisible() && (*seen = Seen{d->value(), d->labelText()}).first == cancelAt)
            QTest::mouseClick(child<QPushButton>(d, "cmd_Cancel"), Qt::LeftButton);
        watchProgress(preview, cancelAt, seen);
    }, Qt::QueuedConnection);
}

// The stopped queue of a CUPS scheduler of the test's own, in a folder of
// its own: the only printer, and the default, while it lives. Every job it
// takes stays on it, with its pages.
class TestQueue
{
public:
    TestQueue()
    {
        const QString root = m_dir.path() + "/";
        for (const QString &sub : {"spool", "tmp", "cache", "state"})
            QDir(root).mkdir(sub);
        const QStringList files{
            "cupsd.conf", "Listen %1cups.sock\nBrowsing No\n<Location />\nAllow all\n</Location>\n",
            "cups-files.conf", "ServerRoot %1\nRequestRoot %1spool\nTempDir %1tmp\nCacheDir %1cache\nStateDir %1state\n"
                               "ErrorLog %1log\nAccessLog %1log\nPageLog %1log\nPrintcap %1printcap\n",
            "printers.conf", "<DefaultPrinter hengyuan-test>\nState Stopped\nAccepting Yes\nDeviceURI file:///dev/null\n"
                             "</DefaultPrinter>\n"};
        for (int i = 0; i < files.size(); i += 2) {
            QFile f(root + files[i]);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QString(files[i + 1]).replace("%1", root).toUtf8()) > 0);
        }
        m_cupsd.start("/usr/sbin/cupsd", {"-f", "-c", root + "cupsd.conf", "-s", root + "cups-files.conf"});
        cupsSetServer(QFile::encodeName(root + "cups.sock").constData());
        for (int i = 0; i < 100 && m_cupsd.state() != QProcess::NotRunning && !m_running; ++i) {
            QThread::msleep(100);
            cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, "hengyuan-test", nullptr);
            m_running = dest;
            cupsFreeDests(1, dest);
        }
    }
    ~TestQueue()
    {
        cupsSetServer(nullptr);
        m_cupsd.terminate();
        m_cupsd.waitForFinished(10000);
    }
    bool running() const { return m_running; }
    // The pages of each job the queue ever took.
    QStringList jobFiles() const
    {
        cups_job_t *jobs = nullptr;
        const int n = cupsGetJobs(&jobs, "hengyuan-test", 0, CUPS_WHICHJOBS_ALL);
        QStringList files;
        for (int i = 0; i < n; ++i)
            files << QStringLiteral("%1/spool/d%2-001").arg(m_dir.path()).arg(jobs[i].id, 5, 10, QLatin1Char('0'));
        cupsFreeJobs(n, jobs);
        return files;
    }

private:
    QTemporaryDir m_dir;
    QProcess m_cupsd;
    bool m_running = false;
};

} // namespace

class TestReportPreview : public QObject
{
    Q_OBJECT

    std::unique_ptr<ReportPreview> open(const Report &r)
    {
        std::unique_ptr<ReportPreview> p(ReportPreview::open(QStringLiteral("FrmBuyOrderPrint"), r));
        if (p)
            p->show();
        return p;
    }

private slots:
    void captionViewerAndMaximised()
    {
        auto preview = open(orders(3));
        QVERIFY(preview);
        QCOMPARE(preview->objectName(), QStringLiteral("FrmBuyOrderPrint"));
        QCOMPARE(preview->windowTitle(), QStringLiteral("打印预览"));
        QVERIFY(preview->windowState() & Qt::WindowMaximized);
        QVERIFY(!preview->isModal());
        auto *viewer = child<ReportViewer>(preview.get(), "CRViewer1");
        QVERIFY(viewer);
        QCOMPARE(viewer->report().title, QStringLiteral("采购订单统计表"));
        // The viewer fills the window whatever its size.
        preview->showNormal();
        for (const QSize &s : {QSize(900, 700), QSize(640, 480)}) {
            preview->resize(s);
            QTRY_COMPARE(viewer->geometry(), preview->rect());
        }
        QVERIFY(!QApplication::overrideCursor());
    }

    void pagesThroughTheReport()
    {
        auto preview = open(orders(100));
        ReportViewer *viewer = preview->viewer();
        const int m = viewer->layout().pageCount;
        QVERIFY(m >= 3);
        auto enabled = [&](const char *name) { return child<QToolButton>(preview.get(), name)->isEnabled(); };
        auto at = [&](int n) { return QStringLiteral("第 %1 页 / 共 %2 页").arg(n).arg(m); };

        QCOMPARE(pageLabel(preview.get()), at(1));
        QVERIFY(!enabled("cmd_First") && !enabled("cmd_Previous") && enabled("cmd_Next") && enabled("cmd_Last"));
        click(preview.get(), "cmd_Next");
        QCOMPARE(pageLabel(preview.get()), at(2));
        QVERIFY(enabled("cmd_First") && enabled("cmd_Previous"));
        click(preview.get(), "cmd_Last");
        QCOMPARE(pageLabel(preview.get()), at(m));
        QVERIFY(!enabled("cmd_Next") && !enabled("cmd_Last"));
        preview->grab(); // the page shown is drawn
        click(preview.get(), "cmd_Previous");
        QCOMPARE(viewer->currentPage(), m - 2);
        click(preview.get(), "cmd_First");
        QCOMPARE(pageLabel(preview.get()), at(1));
        preview->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(preview.get()));
        QTest::keyClick(preview.get(), Qt::Key_PageDown);
        QCOMPARE(pageLabel(preview.get()), at(2));
        QTest::keyClick(preview.get(), Qt::Key_PageUp);
        QTest::keyClick(preview.get(), Qt::Key_PageUp); // no page before the first
        QCOMPARE(pageLabel(preview.get()), at(1));
    }

    void zooms()
    {
        auto preview = open(orders(3));
        preview->showNormal();
        preview->resize(900, 700);
        ReportViewer *viewer = preview->viewer();
        auto *zoom = child<QLabel>(preview.get(), "lbl_Zoom");
        click(preview.get(), "cmd_FitWidth");
        // Page width: the sheet fits across the page area.
        auto *area = child<QScrollArea>(preview.get(), "PageArea");
        QTRY_VERIFY(area->widget()->width() <= area->viewport()->width());
        QVERIFY(area->widget()->width() > area->viewport()->width() - 40);

        viewer->setZoom(1.0);
        QCOMPARE(zoom->text(), QStringLiteral("100%"));
        click(preview.get(), "cmd_ZoomIn");
        QCOMPARE(zoom->text(), QStringLiteral("125%"));
        const int wider = area->widget()->width();
        click(preview.get(), "cmd_ZoomOut");
        click(preview.get(), "cmd_ZoomOut");
        QCOMPARE(zoom->text(), QStringLiteral("80%"));
        QVERIFY(area->widget()->width() < wider);
        for (int i = 0; i < 20; ++i)
            click(preview.get(), "cmd_ZoomOut");
        QCOMPARE(zoom->text(), QStringLiteral("25%"));
        preview->grab();
    }

    void exportsPdf_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("remarks");
        QTest::newRow("named .pdf") << "订单.pdf" << "订单.pdf" << 0;
        QTest::newRow("suffix added") << "orders" << "orders.pdf" << 0;
        QTest::newRow("wide list: bill numbers whole") << "wide.pdf" << "wide.pdf" << 8;
    }
    void exportsPdf()
    {
        QFETCH(QString, answer);
        QFETCH(QString, written);
        QFETCH(int, remarks);
        QTemporaryDir dir;
        auto preview = open(orders(60, remarks));
        filedialog::Script files;
        files.answer(dir.filePath(answer));
        msg::Recorder box;
        click(preview.get(), "cmd_ExportPdf");
        QCOMPARE(files.asked().size(), 1);
        QCOMPARE(files.asked().first().caption, QStringLiteral("导出PDF"));
        QCOMPARE(files.asked().first().initial, QStringLiteral("采购订单统计表.pdf"));
        QCOMPARE(box.count(), 0);
        QVERIFY(preview->isVisible());

        QFile pdf(dir.filePath(written));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.read(4), QByteArray("%PDF"));
        const QString text = pdfText(pdf.fileName());
        const int pages = preview->viewer()->layout().pageCount;
        QVERIFY(pages >= 2);
        for (const QString &s : {"采购订单统计表", "采购订单号", "供应商", "金额合计", "O'Brien 五金", "6030"})
            QVERIFY2(text.contains(s), qPrintable(s + "\n" + text.left(300)));
        QVERIFY(squeezed(text).contains(QStringLiteral("第%1页/共%1页").arg(pages)));
        // Every row, in order.
        int at = 0;
        for (int i = 1; i <= 60; ++i) {
            at = int(text.indexOf(preview->viewer()->report().rows->text(i - 1, 0), at));
            QVERIFY2(at >= 0, qPrintable(QString::number(i)));
        }
        QVERIFY(!QApplication::overrideCursor());
    }

    void exportCancelledWritesNothing()
    {
        QTemporaryDir dir;
        auto preview = open(orders(3));
        filedialog::Script files; // no answer: cancelled
        msg::Recorder box;
        click(preview.get(), "cmd_ExportPdf");
        QCOMPARE(files.asked().size(), 1);
        QCOMPARE(box.count(), 0);
        QVERIFY(preview->isVisible());
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void longExportShowsItsProgress_data()
    {
        QTest::addColumn<int>("cancelAt"); // pages done when "取消" is pressed; -1 never
        QTest::addColumn<bool>("earlier"); // a file of that name is there before
        QTest::newRow("completed, replaces the earlier file") << -1 << true;
        QTest::newRow("cancelled: the earlier file stays") << 3 << true;
        QTest::newRow("cancelled: no file") << 3 << false;
    }
    void longExportShowsItsProgress()
    {
        QFETCH(int, cancelAt);
        QFETCH(bool, earlier);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("订单.pdf")));
        QVERIFY(!earlier || (file.open(QIODevice::WriteOnly) && file.write("earlier") == 7));
        file.close();
        auto preview = open(orders(1000));
        const int pages = preview->viewer()->layout().pageCount, last = cancelAt < 0 ? pages : cancelAt;
        filedialog::Script files;
        files.answer(file.fileName());
        msg::Recorder box;
        auto seen = std::make_shared<Seen>();
        watchProgress(preview.get(), cancelAt, seen);
        click(preview.get(), "cmd_ExportPdf");
        QCOMPARE(box.count(), 0);
        QCOMPARE(*seen, Seen(last, QStringLiteral("正在导出第 %1 页，共 %2 页").arg(std::min(last + 1, pages)).arg(pages)));
        QVERIFY(!preview->findChild<QProgressDialog *>() && !QApplication::overrideCursor());
        const QByteArray expected = cancelAt < 0 ? "%PDF-1." : earlier ? "earlier" : "";
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), expected.isEmpty() ? 0 : 1);
        QCOMPARE(file.open(QIODevice::ReadOnly) ? file.read(7) : QByteArray(), expected);
    }

    void exportFailureIsShownAndClosesThePreview()
    {
        auto preview = open(orders(3));
        QPointer<ReportPreview> watch = preview.get();
        filedialog::Script files;
        files.answer(QStringLiteral("/nonexistent-folder/订单.pdf"));
        msg::Recorder box;
        click(preview.get(), "cmd_ExportPdf");
        QCOMPARE(box.count(), 1);
        QCOMPARE(box.shown().first().icon, msg::Icon::Critical);
        QCOMPARE(box.lastTitle(), QStringLiteral("错误"));
        QCOMPARE(box.lastText(), QStringLiteral("无法写入文件“/nonexistent-folder/订单.pdf”。"));
        QVERIFY(!preview->isVisible());
        QVERIFY(!QApplication::overrideCursor());
    }

    void printsThroughThePrintDialog_data()
    {
        QTest::addColumn<int>("range"); // 0 all, 1 pages 2 to 2, 2 the current page (the last)
        QTest::addColumn<QList<int>>("printed");
        QTest::addColumn<bool>("queue"); // to a printer queue, else to a file
        QTest::addColumn<int>("cancelAt"); // pages done when "取消" is pressed; -1 never
        QTest::newRow("all pages") << 0 << QList<int>{1, 2, 3} << false << -1;
        QTest::newRow("page 2 only") << 1 << QList<int>{2} << false << -1;
        QTest::newRow("current page") << 2 << QList<int>{3} << false << -1;
        QTest::newRow("to a queue: page 2 only") << 1 << QList<int>{2} << true << -1;
        QTest::newRow("to a queue, cancelled: no job") << 0 << QList<int>{} << true << 3;
        QTest::newRow("to a file, cancelled: no file") << 0 << QList<int>{} << false << 3;
    }
    void printsThroughThePrintDialog()
    {
        QFETCH(int, range);
        QFETCH(QList<int>, printed);
        QFETCH(bool, queue);
        QFETCH(int, cancelAt);
        std::optional<TestQueue> cups;
        if (queue && !cups.emplace().running())
            QSKIP("no CUPS scheduler can run here");
        QTemporaryDir dir;
        const QString out = queue ? QString() : dir.filePath(QStringLiteral("printed.pdf"));
        // A long list shows its progress, and its "取消".
        auto preview = open(orders(cancelAt < 0 ? 100 : 1000));
        const int pages = preview->viewer()->layout().pageCount;
        QCOMPARE(pages == 3, cancelAt < 0);
        click(preview.get(), "cmd_Last");
        modal::Script script;
        int from = 0, to = 0;
        script.then([&](QDialog *d) {
            auto *dialog = qobject_cast<QPrintDialog *>(d);
            QVERIFY(dialog);
            from = dialog->minPage();
            to = dialog->maxPage();
            QPrinter *printer = dialog->printer();
            QCOMPARE(printer->printerName() == "hengyuan-test", queue);
            printer->setOutputFileName(out);
            if (range == 1) {
                printer->setPrintRange(QPrinter::PageRange);
                printer->setFromTo(2, 2);
            } else if (range == 2) {
                printer->setPrintRange(QPrinter::CurrentPage);
            }
            dialog->done(QDialog::Accepted);
        });
        msg::Recorder box;
        auto seen = std::make_shared<Seen>();
        watchProgress(preview.get(), cancelAt, seen);
        click(preview.get(), "cmd_Print");
        QCOMPARE(script.shownCount(), 1);
        QCOMPARE(box.count(), 0);
        QCOMPARE(from, 1);
        QCOMPARE(to, pages);
        QCOMPARE(seen->first, cancelAt < 0 ? 0 : cancelAt);
        QVERIFY(preview->isVisible());
        // Nothing of a cancelled print reaches the queue, or stays in a file.
        QString file = out;
        if (queue) {
            const QStringList jobs = cups->jobFiles();
            QCOMPARE(jobs.size(), printed.isEmpty() ? 0 : 1);
            file = jobs.value(0);
        }
        QCOMPARE(QFile::exists(file), !printed.isEmpty());
        if (printed.isEmpty())
            return;
        const QString text = pdfText(file);
        for (int page = 1; page <= 3; ++page)
            QCOMPARE(squeezed(text).contains(QStringLiteral("第%1页/共3页").arg(page)), printed.contains(page));
        QVERIFY(text.contains(QStringLiteral("采购订单统计表")));
    }

    void printCancelledPrintsNothing()
    {
        auto preview = open(orders(3));
        modal::Script script;
        script.then([](QDialog *d) { d->reject(); });
        msg::Recorder box;
        click(preview.get(), "cmd_Print");
        QCOMPARE(script.shownCount(), 1);
        QCOMPARE(box.count(), 0);
        QVERIFY(preview->isVisible());
    }

    void printFailureIsShownAndClosesThePreview()
    {
        auto preview = open(orders(3));
        modal::Script script;
        script.then([](QDialog *d) {
            qobject_cast<QPrintDialog *>(d)->printer()->setOutputFileName(QStringLiteral("/nonexistent-folder/p.pdf"));
            d->done(QDialog::Accepted);
        });
        msg::Recorder box;
        click(preview.get(), "cmd_Print");
        QCOMPARE(box.count(), 1);
        QCOMPARE(box.lastTitle(), QStringLiteral("错误"));
        QCOMPARE(box.lastText(), QStringLiteral("无法打印到“/nonexistent-folder/p.pdf”。"));
        QVERIFY(!preview->isVisible());
        QVERIFY(!QApplication::overrideCursor());
    }

    void reportThatCannotBeLaidOutOpensNoPreview()
    {
        msg::Recorder box;
        Report r = orders(1);
        r.title = QString(8000, QChar(0x5355));
        QVERIFY(!ReportPreview::open(QStringLiteral("FrmBuyOrderPrint"), r));
        QCOMPARE(box.lastTitle(), QStringLiteral("错误"));
        QCOMPARE(box.lastText(), QStringLiteral("报表的标题太长，页面上放不下表格。"));
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(TestReportPreview)
#include "test_reportpreview.moc"
