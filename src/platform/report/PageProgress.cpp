#include "PageProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QPushButton>

#include <algorithm>

namespace {
const int kFewPages = 10;
const int kSteps = 200; // the dialog moves in steps of at least half a percent
}

PageProgress::PageProgress(QWidget *parent, const QString &caption, const QString &doing, int pages)
    : m_doing(doing), m_pages(pages), m_step(std::max(1, pages / kSteps))
{
    if (pages <= kFewPages) {
        m_wait.emplace();
        return;
    }
    m_dialog = std::make_unique<QProgressDialog>(parent);
    m_dialog->setObjectName(QStringLiteral("ReportProgress"));
    m_dialog->setWindowTitle(caption);
    m_dialog->setWindowModality(Qt::ApplicationModal);
    auto *cancel = new QPushButton(QStringLiteral("取消"), m_dialog.get());
    cancel->setObjectName(QStringLiteral("cmd_Cancel"));
    m_dialog->setCancelButton(cancel);
    m_dialog->setAutoReset(false);
    m_dialog->setAutoClose(false);
    m_dialog->setRange(0, pages);
    m_dialog->setLabelText(label(1));
    m_dialog->setValue(0);
    m_dialog->show();
}

PageProgress::~PageProgress() = default;

report::PageDone PageProgress::pageDone()
{
    return [this](int done) {
        if (!m_dialog || (done % m_step != 0 && done < m_pages))
            return true;
        m_dialog->setValue(done);
        if (done < m_pages)
            m_dialog->setLabelText(label(done + 1));
        QCoreApplication::processEvents();
        m_cancelled = m_dialog->wasCanceled();
        return !m_cancelled;
    };
}

QString PageProgress::label(int page) const
{
    return QStringLiteral("正在%1第 %2 页，共 %3 页").arg(m_doing).arg(page).arg(m_pages);
}
