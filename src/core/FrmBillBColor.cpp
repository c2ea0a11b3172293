#include "FrmBillBColor.h"

#include "AppState.h"
#include "platform/ini/IniFile.h"
#include "platform/ui/Widgets.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>

FrmBillBColor::FrmBillBColor(AppState &state, QWidget *parent) : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("FrmBillBColor"));
    setWindowTitle(QStringLiteral("单据背景色设置"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint
                   | Qt::WindowTitleHint);

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::StyledPanel);
    // Neither is chosen when the window opens.
    m_color1 = new QRadioButton(QStringLiteral("默认颜色一"), frame);
    m_color1->setObjectName(QStringLiteral("B8"));
    m_color2 = new QRadioButton(QStringLiteral("默认颜色二"), frame);
    m_color2->setObjectName(QStringLiteral("B9"));
    auto *options = new QHBoxLayout(frame);
    options->addWidget(m_color1);
    options->addWidget(m_color2);

    auto *save = new QPushButton(QStringLiteral("保存"), this);
    save->setObjectName(QStringLiteral("cmd_Save"));
    save->setAutoDefault(false);
    auto *exit = new QPushButton(QStringLiteral("退出"), this);
    exit->setObjectName(QStringLiteral("cmd_Exit"));
    exit->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(exit);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

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
