#pragma once

#include <QString>

#include <memory>

class QPrinter;
class QTemporaryFile;

// Where a print goes while its pages are drawn. A print to a printer queue
// is drawn into a spool file of its own and handed to the queue (CUPS) only
// once every page is drawn, with the job options chosen in the print
// dialog; a print to a file is written in place. A print stopped half-way,
// cancelled or failed, thus sends nothing to the printer and leaves no
// file: what was drawn goes with the spool.
//
// QPrinter::abort() cannot do this on a queue: Qt's CUPS engine cannot take
// a job back, and sends whatever was drawn as soon as the painter ends.
class PrintSpool
{
public:
    // Takes over where the printer, as the print dialog set it up, sends
    // its pages; before the painting begins.
    explicit PrintSpool(QPrinter &printer);
    ~PrintSpool();
    PrintSpool(const PrintSpool &) = delete;
    PrintSpool &operator=(const PrintSpool &) = delete;

    // The queue or the file the print goes to, as the operator knows it.
    QString target() const;
    // Hands the complete print on. False, with the queue's reason when it
    // gives one, when the queue does not take it.
    bool deliver(QString *reason);

private:
    QPrinter &m_printer;
    QString m_file;                        // the file printed to, or empty
    std::unique_ptr<QTemporaryFile> m_spool; // the pages for the queue
    bool m_delivered = false;
};
