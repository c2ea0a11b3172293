#include "BackupWindow.h"

#include "AppState.h"
#include "platform/ui/DialogParts.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/Widgets.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>

#include <exception>

BackupWindow::BackupWindow(AppState &state, const BackupWindowTexts &texts,
                           std::unique_ptr<DbOperation> operation, QWidget *parent)
    : QDialog(parent), m_op(operation ? std::move(operation) : std::make_unique<DbOperation>(state)),
      m_saveDialog(texts.saveDialog)
{
    setUpFixedDialog(this, texts.objectName, texts.caption);
    auto *layout = new TwipsLayout(this, 5715, texts.clientHeight);

    m_frame = new QGroupBox(QStringLiteral("警告"), this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    layout->place(m_frame, 150, 75, 5415, 1065);
    auto *warning = new QLabel(texts.warning, m_frame);
    warning->setObjectName(QStringLiteral("Label2"));
    warning->setWordWrap(true);
    auto *inFrame = new TwipsLayout(m_frame, 5415, 1065);
    inFrame->placeText(warning, 150, 225, 5115, 765);
    // A face that needs more lines makes the frame, and the window, taller.
    inFrame->makeRoomBelow(warning);

    // In place of the copy animation: a bar that keeps moving while the
    // work runs.
    m_busyPage = new QWidget(this);
    m_busyPage->hide();
    m_animation = new QProgressBar(m_busyPage);
    m_animation->setObjectName(QStringLiteral("Animation1"));
    m_animation->setRange(0, 0);
    m_animation->setTextVisible(false);
    auto *busyLayout = new TwipsLayout(m_busyPage, 5415, 1065);
    busyLayout->place(m_animation, 150, 420, 5115, 225);

    auto *label = new QLabel(texts.pathLabel, this);
    label->setObjectName(QStringLiteral("Label1"));
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("txt_Path"));
    m_browse = plainButton(QStringLiteral("浏览"), "cmd_Browse", this);
    m_ok = plainButton(texts.okCaption, "cmd_OK", this);
    m_cancel = plainButton(QStringLiteral("关闭"), "cmd_Cancel", this);
    // No button answers Enter.
    layout->place(m_path, 1350, 1200, 3615, 315);
    layout->place(label, 150, 1200, 0, 315);
    layout->place(m_browse, 5025, 1200, 540, 315);
    layout->place(m_ok, 1500, 1650, 990, 390);
    layout->place(m_cancel, 3225, 1650, 990, 390);
    layout->makeRoomBelow(m_frame);
    layout->place(m_busyPage, layout->placeOf(m_frame));

    // "备份"/"还原" can be used exactly while a path is typed; an empty path
    // at opening leaves it as it is.
    connect(m_path, &QLineEdit::textChanged, this, [this](const QString &t) { m_ok->setEnabled(!t.isEmpty()); });
    connect(m_browse, &QPushButton::clicked, this, &BackupWindow::browse);
    connect(m_cancel, &QPushButton::clicked, this, &BackupWindow::close);
    m_press.connectCommand(m_ok, [this] { runCommand(); });

    m_backupPath = m_op->loadBackupPath();
    m_path->setText(m_backupPath);
}

void BackupWindow::browse()
{
    const QString filter = dbop::backupFilter(m_op->kind());
    const QString title = QStringLiteral("选择备份目录");
    const QString chosen = m_saveDialog ? filedialog::saveFileName(this, title, m_backupPath, filter, false)
                                        : filedialog::openFileName(this, title, m_backupPath, filter);
    // A cancelled dialog gives back the name it was opened with.
    m_path->setText(chosen.isEmpty() ? m_backupPath : chosen);
}

void BackupWindow::showBusy(bool on)
{
    m_busy = on;
    m_path->setEnabled(!on);
    m_frame->setVisible(!on);
    m_busyPage->setVisible(on);
}

void BackupWindow::runBusy(const DbOperation::Job &job)
{
    showBusy(true);
    std::exception_ptr failure;
    if (job.background) {
        QEventLoop loop;
        QThread *worker = QThread::create([&job, &failure] {
            try {
                job.run();
            } catch (...) {
                failure = std::current_exception();
            }
        });
        connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
        worker->start();
        loop.exec();
        worker->wait();
        delete worker;
    } else {
        // The work needs this thread's connection: show the busy bar first.
        QCoreApplication::processEvents();
        try {
            job.run();
        } catch (...) {
            failure = std::current_exception();
        }
    }
    showBusy(false);
    if (failure)
        std::rethrow_exception(failure);
}

void BackupWindow::reject()
{
    if (!m_busy)
        QDialog::reject();
}

void BackupWindow::closeEvent(QCloseEvent *event)
{
    if (m_busy) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
