#include "FrmChangePassword.h"

#include "AppState.h"
#include "Passwords.h"
#include "platform/ui/Msg.h"
#include "platform/ui/Widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FrmChangePassword::FrmChangePassword(AppState &state, QWidget *parent) : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("FrmChangePassword"));
    setWindowTitle(QStringLiteral("更改密码"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *layout = new TwipsLayout(this, 3390, 1905);
    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    layout->place(frame, 0, 0, 3390, 1515);
    auto *inFrame = new TwipsLayout(frame, 3390, 1515);
    const struct {
        const char *name;
        QString caption;
        int labelLeft, top;
    } rows[] = {
        {"txt_OldPassword", QStringLiteral("旧密码："), 450, 225},
        {"txt_NewPassword", QStringLiteral("新密码："), 450, 660},
        {"txt_ConfirmPassword", QStringLiteral("确认新密码："), 75, 1095},
    };
    QLineEdit *boxes[3];
    for (int i = 0; i < 3; ++i) {
        auto *l = new QLabel(rows[i].caption, frame);
        l->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        boxes[i] = new QLineEdit(frame);
        boxes[i]->setObjectName(QString::fromLatin1(rows[i].name));
        showStars(boxes[i]);
        inFrame->place(boxes[i], 1200, rows[i].top, 1890, 270);
        // On the box's line.
        inFrame->place(l, rows[i].labelLeft, rows[i].top, 0, 270);
    }
    m_old = boxes[0];
    m_new = boxes[1];
    m_confirm = boxes[2];

    auto *ok = new QPushButton(QStringLiteral("确认"), this);
    ok->setObjectName(QStringLiteral("cmd_OK"));
    // Enter in a box presses "确认"; Enter on a button presses that button.
    ok->setDefault(true);
    auto *close = new QPushButton(QStringLiteral("关闭"), this);
    close->setObjectName(QStringLiteral("cmd_Close"));
    layout->place(ok, 1830, 1575, 765, 315);
    layout->place(close, 2625, 1575, 765, 315);
    m_ok = ok;

    setTabOrder(ok, close);
    setTabOrder(close, m_old);
    setTabOrder(m_old, m_new);
    setTabOrder(m_new, m_confirm);

    m_press.connectCommand(ok, [this] { confirm(); });
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
