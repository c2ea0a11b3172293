#include "FrmChangePassword.h"

#include "AppState.h"
#include "Passwords.h"
#include "platform/ui/Msg.h"
#include "platform/ui/Widgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmChangePassword::FrmChangePassword(AppState &state, QWidget *parent) : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("FrmChangePassword"));
    setWindowTitle(QStringLiteral("更改密码"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *grid = new QGridLayout(frame);
    const char *names[] = {"txt_OldPassword", "txt_NewPassword", "txt_ConfirmPassword"};
    const QStringList captions{QStringLiteral("旧密码："), QStringLiteral("新密码："), QStringLiteral("确认新密码：")};
    QLineEdit *boxes[3];
    for (int i = 0; i < 3; ++i) {
        auto *l = new QLabel(captions[i], frame);
        l->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        boxes[i] = new QLineEdit(frame);
        boxes[i]->setObjectName(QString::fromLatin1(names[i]));
        showStars(boxes[i]);
        grid->addWidget(l, i, 0, Qt::AlignRight);
        grid->addWidget(boxes[i], i, 1);
    }
    m_old = boxes[0];
    m_new = boxes[1];
    m_confirm = boxes[2];

    auto *ok = new QPushButton(QStringLiteral("确认"), this);
    ok->setObjectName(QStringLiteral("cmd_OK"));
    ok->setDefault(true);
    auto *close = new QPushButton(QStringLiteral("关闭"), this);
    close->setObjectName(QStringLiteral("cmd_Close"));
    close->setAutoDefault(false);
    for (QPushButton *b : {ok, close})
        b->setMinimumSize(twips(765), twips(315));
    m_ok = ok;

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    setTabOrder(ok, close);
    setTabOrder(close, m_old);
    setTabOrder(m_old, m_new);
    setTabOrder(m_new, m_confirm);
    setFixedSize(QSize(twips(3390), twips(1905)).expandedTo(minimumSizeHint()));

    connect(ok, &QPushButton::clicked, this, &FrmChangePassword::confirm);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmChangePassword::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_ok->setFocus(Qt::OtherFocusReason);
}

bool FrmChangePassword::checkInput()
{
    const QString stored = storedPassword(m_state.db, m_state.currentOperatorID.trimmed());
    if (stored != m_old->text()) {
        msg::critical(this, QStringLiteral("错误"), QStringLiteral("旧密码错误！"));
        m_old->setFocus();
        return false;
    }
    if (m_new->text() != m_confirm->text()) {
        msg::critical(this, QStringLiteral("错误"), QStringLiteral("新密码与确认密码不一致！"));
        m_new->setFocus();
        return false;
    }
    return true;
}

void FrmChangePassword::confirm()
{
    try {
        if (checkInput())
            setPassword(m_state.db, m_state.currentOperatorID.trimmed(), m_new->text().trimmed());
    } catch (const DbError &e) {
        msg::error(this, e.text());
    }
}
