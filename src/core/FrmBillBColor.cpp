#include "FrmBillBColor.h"

#include "AppState.h"
#include "platform/ini/IniFile.h"
#include "platform/ui/DialogParts.h"
#include "platform/ui/Widgets.h"

#include <QFrame>
#include <QRadioButton>

FrmBillBColor::FrmBillBColor(AppState &state, QWidget *parent) : QDialog(parent), m_state(state)
{
    setUpFixedDialog(this, "FrmBillBColor", QStringLiteral("单据背景色设置"));

    auto *layout = new TwipsLayout(this, 3390, 1020);
    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::StyledPanel);
    layout->place(frame, 0, 0, 3390, 615);
    // Neither is chosen when the window opens.
    m_color1 = new QRadioButton(QStringLiteral("默认颜色一"), frame);
    m_color1->setObjectName(QStringLiteral("B8"));
    m_color2 = new QRadioButton(QStringLiteral("默认颜色二"), frame);
    m_color2->setObjectName(QStringLiteral("B9"));
    auto *inFrame = new TwipsLayout(frame, 3390, 615);
    inFrame->place(m_color1, 240, 180, 1335, 255);
    inFrame->place(m_color2, 1815, 180, 1335, 255);

    QPushButton *save = plainButton(QStringLiteral("保存"), "cmd_Save", this);
    QPushButton *exit = plainButton(QStringLiteral("退出"), "cmd_Exit", this);
    layout->place(save, 1830, 675, 765, 315);
    layout->place(exit, 2625, 675, 765, 315);

    setTabOrder(m_color1, m_color2);
    setTabOrder(m_color2, save);
    setTabOrder(save, exit);

    connect(save, &QPushButton::clicked, this, [this] {
        saveBillColor();
        close();
    });
    connect(exit, &QPushButton::clicked, this, &FrmBillBColor::close);
}

void FrmBillBColor::saveBillColor()
{
    if (m_color1->isChecked())
        m_state.billBColor = QStringLiteral("-2147483643"); // the window background
    else if (m_color2->isChecked())
        m_state.billBColor = QStringLiteral("-2147483624"); // the tooltip background
    ini::write(m_state.setupIni(), QStringLiteral("userset"), QStringLiteral("BillBColor"),
               m_state.billBColor.trimmed());
}
