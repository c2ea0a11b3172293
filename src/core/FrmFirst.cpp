#include "FrmFirst.h"

#include "AppState.h"
#include "Startup.h"
#include "platform/ui/DialogParts.h"
#include "platform/ui/Msg.h"
#include "platform/ui/Widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

FrmFirst::FrmFirst(AppState &state, QWidget *parent) : QDialog(parent), m_state(state)
{
    setUpFixedDialog(this, "FrmFirst", QStringLiteral("服务器设置"));

    m_library = new QComboBox(this);
    m_library->setObjectName(QStringLiteral("cmb_Libary"));
    m_library->setEditable(true);
    geometry::keepComboWidth(m_library);
    m_library->addItems({QStringLiteral("ACCESS"), QStringLiteral("SQL SERVER")});
    m_library->setCurrentIndex(0);
    m_serverName = new QLineEdit(this);
    m_serverName->setObjectName(QStringLiteral("txt_ServerName"));
    m_dbName = new QLineEdit(this);
    m_dbName->setObjectName(QStringLiteral("txt_DbName"));

    auto *layout = new TwipsLayout(this, 3660, 2265);
    const QList<QPair<QString, QWidget *>> rows{{QStringLiteral("数据库类型："), m_library},
                                                {QStringLiteral("服务器名称："), m_serverName},
                                                {QStringLiteral("数据库名称："), m_dbName}};
    for (int i = 0; i < rows.size(); ++i) {
        auto *label = new QLabel(rows[i].first, this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        layout->place(rows[i].second, 1200, 240 + 420 * i, 2220, 300);
        layout->placeLabel(label, rows[i].second, 120);
    }
    QPushButton *ok = plainButton(QStringLiteral("确定"), "cmd_OK", this);
    QPushButton *exit = plainButton(QStringLiteral("退出"), "cmd_Exit", this);
    layout->place(ok, 1860, 1755, 765, 315);
    layout->place(exit, 2655, 1755, 765, 315);

    ok->setFocus();
    setTabOrder(ok, exit);
    setTabOrder(exit, m_library);
    setTabOrder(m_library, m_serverName);
    setTabOrder(m_serverName, m_dbName);

    connect(ok, &QPushButton::clicked, this, &FrmFirst::confirm);
}

bool FrmFirst::confirm()
{
    const DatabaseSettings given{m_library->currentText().trimmed(), m_dbName->text().trimmed(),
                                 m_serverName->text().trimmed(), m_state.dbPassword};
    try {
        reopenDatabase(m_state, given);
    } catch (const DbError &e) {
        msg::error(this, e.text());
        return false;
    }
    return true;
}
