#include "FrmWelcome.h"

#include "AppState.h"
#include "FrmLogin.h"
#include "FrmMain.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QPixmap drawnPicture()
{
    QPixmap pm(480, 300);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, pm.height());
    bg.setColorAt(0, QColor(24, 72, 150));
    bg.setColorAt(1, QColor(10, 30, 70));
    p.fillRect(pm.rect(), bg);
    p.setPen(QPen(QColor(255, 255, 255, 60), 2));
    for (int i = 0; i < 6; ++i)
        p.drawLine(0, 220 + i * 14, pm.width(), 180 + i * 20);
    p.setPen(Qt::white);
    QFont title = p.font();
    title.setPointSize(26);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(0, 70, pm.width(), 60), Qt::AlignCenter, QStringLiteral("恒远进销存系统"));
    QFont sub = p.font();
    sub.setPointSize(11);
    sub.setBold(false);
    p.setFont(sub);
    p.drawText(QRect(0, 135, pm.width(), 30), Qt::AlignCenter, QStringLiteral("采购 · 销售 · 库存管理"));
    p.drawText(QRect(0, 255, pm.width() - 16, 30), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("恒远软件工作室  版本 1.0.0"));
    return pm;
}

} // namespace

QPixmap FrmWelcome::picture(const QString &programDir)
{
    QPixmap pm(programDir + QStringLiteral("/wellcome.jpg"));
    if (pm.isNull())
        pm = drawnPicture();
    return pm;
}

FrmWelcome::FrmWelcome(AppState &state, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_state(state)
{
    setObjectName(QStringLiteral("FrmWelcome"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *pic = new QLabel(this);
    pic->setObjectName(QStringLiteral("picWelcome"));
    pic->setPixmap(picture(state.programDir));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pic);
    setFixedSize(pic->pixmap().size());
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    auto *timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setSingleShot(true);
    timer->setInterval(2000);
    connect(timer, &QTimer::timeout, this, &FrmWelcome::handOver);
    timer->start();
}

void FrmWelcome::handOver()
{
    auto *login = new FrmLogin(m_state, FrmLogin::Mode::Startup);
    AppState *state = &m_state;
    connect(login, &FrmLogin::signedIn, login, [state] {
        auto *main = new FrmMain(*state);
        main->setAttribute(Qt::WA_DeleteOnClose);
        main->showMaximized();
    });
    // Leaving the first sign-in ("退出", Esc, the close box) ends the program.
    connect(login, &QDialog::rejected, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    login->show();
    close();
}
