#include "FrmBackup.h"

#include "platform/ui/Msg.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

FrmBackup::FrmBackup(AppState &state, QWidget *parent, std::unique_ptr<DbOperation> operation)
    : BackupWindow(state,
                   BackupWindowTexts{
                       "FrmBackup",
                       QStringLiteral("数据备份"),
                       QStringLiteral("    数据备份是为了在数据被破坏后以便恢复数据。建议您定期对数据进行备份，"
                                      "但要记得备份的日期，以便于恢复。你可以在备份命名文件后加上当前日期，"
                                      "例如当前时期为2003-01-01，则可备份为Backup20030101。"),
                       QStringLiteral("将数据备份到"),
                       QStringLiteral("备份"),
                       true,
                       2175,
                   },
                   std::move(operation), parent)
{
    setTabOrder(m_path, m_browse);
    setTabOrder(m_browse, m_cancel);
    setTabOrder(m_cancel, m_ok);
    m_path->setFocus();
}

void FrmBackup::runCommand()
{
    const QString title = QStringLiteral("系统提示");
    try {
        m_op->checkAvailable(DbOperation::Work::Backup);
        const QString target = dbop::backupTarget(m_path->text(), m_op->kind());
        if (!dbop::backupPathIsValid(target)) {
            msg::critical(this, title, QStringLiteral("请确认路径是否正确！"));
            return;
        }
        // Made before the question: the database in use is refused at once.
        const DbOperation::Job job = m_op->backupJob(target);
        if (QFileInfo::exists(target)
            && !msg::okCancel(this, msg::Icon::Question, title,
                              QStringLiteral("该备份已经存在，\n是否替换旧的备份文件？")))
            return;
        runBusy(job);
        msg::information(this, title, QStringLiteral("备份成功"));
        m_op->saveBackupPath(target);
    } catch (const DbError &e) {
        msg::error(this, QStringLiteral("备份失败：") + e.text());
        return;
    }
    close();
}
