#pragma once

#include "ReportPainter.h"
#include "platform/ui/WaitCursor.h"

#include <QString>

#include <memory>
#include <optional>

class QProgressDialog;
class QWidget;

// How far a print or an export of a report has got. A report of more than a
// few pages shows the dialog ReportProgress, modal to the whole program: a
// caption, "正在导出第 n 页，共 m 页" over a bar of the pages done, and
// "取消" (cmd_Cancel), which stops the work after the page being drawn. A
// shorter one shows the hourglass only.
class PageProgress
{
public:
    // doing names the work in the dialog's text: "导出", "打印".
    PageProgress(QWidget *parent, const QString &caption, const QString &doing, int pages);
    ~PageProgress();
    PageProgress(const PageProgress &) = delete;
    PageProgress &operator=(const PageProgress &) = delete;

    // What the drawing calls after each page: the dialog shows it and
    // answers the operator; false once "取消" has been pressed.
    report::PageDone pageDone();
    bool cancelled() const { return m_cancelled; }

private:
    QString label(int page) const;

    QString m_doing;
    int m_pages;
    int m_step; // the pages between two looks at the dialog
    bool m_cancelled = false;
    std::optional<WaitCursor> m_wait;
    std::unique_ptr<QProgressDialog> m_dialog;
};
