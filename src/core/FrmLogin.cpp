#include "FrmLogin.h"

#include "AppState.h"
#include "GenFunc.h"
#include "Login.h"
#include "platform/ui/Msg.h"
#include "platform/ui/Widgets.h"

#include <QDateTime>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace {

// The window's own small picture: a key over a blue disc.
QPixmap loginPicture()
{
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(40, 90, 170));
    p.setPen(Qt::NoPen);
    p.drawEllipse(2, 2, 60, 60);
    p.setBrush(QColor(250, 210, 60));
    p.drawEllipse(14, 18, 20, 20);
    p.drawRect(30, 25, 22, 6);
    p.drawRect(44, 31, 4, 8);
    p.drawRect(38, 31, 4, 6);
    p.setBrush(QColor(40, 90, 170));
    p.drawEllipse(20, 24, 8, 8);
    return pm;
}

} // namespace

FrmLogin::FrmLogin(AppState &state, Mode mode, QWidget *parent)
    : QDialog(parent), m_state(state), m_mode(mode)
{
    setObjectName(QStringLiteral("FrmLogin"));
    setWindowTitle(QStringLiteral("系统登录"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint
                   | Qt::WindowTitleHint);
    if (mode == Mode::Startup)
        setAttribute(Qt::WA_DeleteOnClose);

    // The picture at the frame's left, the two boxes beside it, the
    // buttons under the frame's right end.
    auto *layout = new TwipsLayout(this, 4680, 2145);
    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::StyledPanel);
    layout->place(frame, 120, 120, 4440, 1440);
    auto *image = new QLabel(frame);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(loginPicture());
    image->setAlignment(Qt::AlignCenter);

    auto *label1 = new QLabel(QStringLiteral("用户名："), frame);
    label1->setObjectName(QStringLiteral("Label1"));
    m_userId = new QLineEdit(QStringLiteral("Administrator"), frame);
    m_userId->setObjectName(QStringLiteral("txt_UserID"));
    auto *label2 = new QLabel(QStringLiteral("密  码："), frame);
    label2->setObjectName(QStringLiteral("Label2"));
    m_password = new QLineEdit(frame);
    m_password->setObjectName(QStringLiteral("txt_Password"));
    showStars(m_password);

    auto *inFrame = new TwipsLayout(frame, 4440, 1440);
    inFrame->place(image, 240, 240, 960, 960);
    inFrame->place(m_userId, 2160, 330, 2040, 315);
    inFrame->place(label1, 1380, 330, 0, 315);
    inFrame->place(m_password, 2160, 810, 2040, 315);
    inFrame->place(label2, 1380, 810, 0, 315);

    auto *ok = new QPushButton(QStringLiteral("登录"), this);
    ok->setObjectName(QStringLiteral("cmd_OK"));
    // Enter in a box presses "登录"; Enter on a button presses that button.
    ok->setDefault(true);
    auto *exit = new QPushButton(QStringLiteral("退出"), this);
    exit->setObjectName(QStringLiteral("cmd_Exit"));
    layout->place(ok, 2640, 1680, 900, 345);
    layout->place(exit, 3660, 1680, 900, 345);

    setTabOrder(m_userId, m_password);
    setTabOrder(m_password, ok);
    setTabOrder(ok, exit);

    m_press.connectCommand(ok, [this] { checkLogin(m_userId->text(), m_password->text()); });
    // Esc and the close box reach reject(); "退出" does the same.
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmLogin::checkLogin(const QString &loginName, const QString &password)
{
    try {
        const LoginOutcome out = ::checkLogin(m_state.db, loginName, password);
        if (out.result == LoginOutcome::Invalid) {
            msg::critical(this, QStringLiteral("错误"), QStringLiteral("无效的用户名或密码！"));
            return;
        }
        if (out.result == LoginOutcome::Disabled) {
            msg::critical(this, QStringLiteral("错误"), QStringLiteral("该用户已被系统管理员停用"));
            return;
        }
        m_state.currentOperatorID = out.operatorId;
        m_state.currentOperatorName = out.operatorName;
    } catch (const DbError &e) {
        msg::error(this, e.text());
        return;
    }
    // The log entry is a record, not the key: when it cannot be written (a
    // read-only or full database, another desk's lock) the operator, whose
    // password was right, still gets in to read the data, told why.
    try {
        writeOperatorLog(m_state.db, m_state.currentOperatorID, QDateTime::currentDateTime(), QStringLiteral("系统登录"));
    } catch (const DbError &e) {
        msg::show(this, msg::Icon::Warning, QStringLiteral("系统提示"), QStringLiteral("本次登录未能记入操作日志。\n") + e.text());
    }
    // The next window is shown before this one closes, so the program never
    // runs out of windows in between.
    emit signedIn();
    accept();
}
