#include "FrmRestore.h"

#include "platform/ui/Msg.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

FrmRestore::FrmRestore(AppState &state, QWidget *parent, std::unique_ptr<DbOperation> operation)
    : BackupWindow(state,
                   BackupWindowTexts{
                       "FrmRestore",
                       QStringLiteral("数据还原"),
                       QStringLiteral("    数据还原是为了在数据被破坏后恢复到以前的正确数据。建议您不要随便使用数据还原，"
                                      "因为还原后会将当前的数据覆盖。如果确实需要还原到以前的数据，"
                                      "一定要记得先备份当前数据，以免数据丢失！"),
                       QStringLiteral("将数据还原到"),
                       QStringLiteral("还原"),
                       false,
                       2055,
                   },
                   std::move(operation), parent)
{
    setTabOrder(m_ok, m_cancel);
    setTabOrder(m_cancel, m_browse);
    setTabOrder(m_browse, m_path);
    m_ok->setFocus();
}

void FrmRestore::runCommand()
{
    try {
        if (!restore())
            return;
    } catch (const DbError &e) {
        msg::error(this, QStringLiteral("还原失败：") + e.text());
        return;
    }
    close();
}

bool FrmRestore::restore()
{
    const QString title = QStringLiteral("系统提示");
    m_op->checkAvailable(DbOperation::Work::Restore);
    if (!msg::okCancel(this, msg::Icon::Warning, title,
                       QStringLiteral("还原数据库会覆盖当前数据，\n建议还原之前先备份数据库。\n确实要立即还原吗？")))
        return true;
    const QString file = m_path->text().trimmed();
    if (!QFileInfo(file).isFile()) {
        msg::critical(this, title, QStringLiteral("备份文件不存在或已删除！"));
        return false;
    }
    if (!msg::okCancel(this, msg::Icon::Question, title,
                       QStringLiteral("你选择的备份文件是%1，\n确实要将数据还原到该备份吗？").arg(msg::quotedPath(file))))
        return true;
    runBusy(m_op->restoreJob(file));
    msg::information(this, title, QStringLiteral("还原成功"));
    return true;
}
