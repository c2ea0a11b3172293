#include "ReportPreview.h"

#include "ReportViewer.h"
#include "platform/ui/Msg.h"
#include "platform/ui/WaitCursor.h"
#include "platform/ui/Widgets.h"

#include <QApplication>
#include <QVBoxLayout>

ReportPreview::ReportPreview(const QString &name, Report report, report::Layout layout, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(name);
    setWindowTitle(QStringLiteral("打印预览"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    m_viewer = new ReportViewer(std::move(report), std::move(layout), this);
    m_viewer->setObjectName(QStringLiteral("CRViewer1"));
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(m_viewer);
    resize(twips(4680), twips(3195));
    setWindowState(windowState() | Qt::WindowMaximized);
    connect(m_viewer, &ReportViewer::failed, this, &QDialog::close);
}

ReportPreview *ReportPreview::open(const QString &name, Report report, QWidget *parent)
{
    try {
        WaitCursor wait;
        report::Layout layout = report::layout(report);
        return new ReportPreview(name, std::move(report), std::move(layout), parent);
    } catch (const ReportError &e) {
        msg::error(parent ? parent : QApplication::activeWindow(), e.text());
        return nullptr;
    }
}
