#include "PrintSpool.h"

#include <QDir>
#include <QFile>
#include <QPrintEngine>
#include <QPrinter>
#include <QTemporaryFile>

#include <cups/cups.h>

namespace {

// Where Qt's CUPS print engine keeps the job options that its print dialog
// sets (pages per sheet, odd or even pages, banners, priority, hold).
const auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

QByteArray sides(QPrinter::DuplexMode duplex, QPageLayout::Orientation orientation)
{
    switch (duplex) {
    case QPrinter::DuplexNone: break;
    case QPrinter::DuplexAuto:
        return orientation == QPageLayout::Portrait ? "two-sided-long-edge" : "two-sided-short-edge";
    case QPrinter::DuplexLongSide: return "two-sided-long-edge";
    case QPrinter::DuplexShortSide: return "two-sided-short-edge";
    }
    return "one-sided";
}

// The job options as Qt's CUPS engine sends them with the pages it spools.
QList<std::pair<QByteArray, QByteArray>> jobOptions(const QPrinter &printer)
{
    const QPageLayout layout = printer.pageLayout();
    QList<std::pair<QByteArray, QByteArray>> options{{"media", layout.pageSize().key().toUtf8()}};
    if (printer.copyCount() > 1) {
        options.emplace_back("copies", QByteArray::number(printer.copyCount()));
        if (printer.collateCopies())
            options.emplace_back("Collate", "True");
    }
    options.emplace_back("sides", sides(printer.duplex(), layout.orientation()));
    if (layout.orientation() == QPageLayout::Landscape)
        options.emplace_back("landscape", "");
    const QStringList chosen = printer.printEngine()->property(kCupsOptions).toStringList();
    for (qsizetype i = 0; i + 1 < chosen.size(); i += 2)
        options.emplace_back(chosen[i].toUtf8(), chosen[i + 1].toUtf8());
    return options;
}

} // namespace

PrintSpool::PrintSpool(QPrinter &printer) : m_printer(printer), m_file(printer.outputFileName())
{
    if (!m_file.isEmpty() || printer.outputFormat() != QPrinter::NativeFormat)
        return;
    // A name without the .pdf suffix keeps the printer on its queue's engine.
    m_spool = std::make_unique<QTemporaryFile>(QDir::temp().filePath(QStringLiteral("hengyuan-print-XXXXXX")));
    if (m_spool->open()) {
        m_spool->close();
        printer.setOutputFileName(m_spool->fileName());
    }
}

PrintSpool::~PrintSpool()
{
    if (!m_delivered && !m_file.isEmpty())
        QFile::remove(m_file);
}

QString PrintSpool::target() const
{
    return m_file.isEmpty() ? m_printer.printerName() : QDir::toNativeSeparators(m_file);
}

bool PrintSpool::deliver(QString *reason)
{
    if (!m_spool) {
        m_delivered = true;
        return true;
    }
    const QList<std::pair<QByteArray, QByteArray>> options = jobOptions(m_printer);
    cups_option_t *cupsOptions = nullptr;
    int count = 0;
    for (const auto &[name, value] : options)
        count = cupsAddOption(name.constData(), value.constData(), count, &cupsOptions);
    // A queue's instance ("queue/instance") prints on the queue itself.
    const QByteArray queue = m_printer.printerName().section(QLatin1Char('/'), 0, 0).toUtf8();
    const int job = cupsPrintFile(queue.constData(), QFile::encodeName(m_spool->fileName()).constData(),
                                  m_printer.docName().toUtf8().constData(), count, cupsOptions);
    cupsFreeOptions(count, cupsOptions);
    m_delivered = job > 0;
    if (!m_delivered && reason)
        *reason = QString::fromUtf8(cupsLastErrorString());
    return m_delivered;
}
