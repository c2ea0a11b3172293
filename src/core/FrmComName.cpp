#include "FrmComName.h"

#include "AppState.h"
#include "platform/ini/IniFile.h"
#include "platform/ui/DialogParts.h"
#include "platform/ui/Widgets.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {
const QString Section = QStringLiteral("title");
}

FrmComName::FrmComName(AppState &state, QWidget *parent) : QDialog(parent), m_state(state)
{
    setUpFixedDialog(this, "FrmComName", QStringLiteral("单位名称"));

    auto *layout = new TwipsLayout(this, 4320, 1335);
    auto *fullLabel = new QLabel(QStringLiteral("单位全称："), this);
    fullLabel->setObjectName(QStringLiteral("Label1"));
    auto *shortLabel = new QLabel(QStringLiteral("单位简称："), this);
    shortLabel->setObjectName(QStringLiteral("Label2"));
    m_fullName = new QLineEdit(this);
    m_fullName->setObjectName(QStringLiteral("txt_FullName"));
    m_shortName = new QLineEdit(this);
    m_shortName->setObjectName(QStringLiteral("txt_ShortName"));
    QPushButton *save = plainButton(QStringLiteral("保存"), "cmd_Save", this);
    QPushButton *exit = plainButton(QStringLiteral("关闭"), "cmd_Exit", this);

    // Each caption on its box's line; the buttons under the boxes' right end.
    layout->place(m_fullName, 1200, 75, 2955, 270);
    layout->placeLabel(fullLabel, m_fullName, 120);
    layout->place(m_shortName, 1200, 480, 2955, 270);
    layout->placeLabel(shortLabel, m_shortName, 120);
    layout->place(save, 2595, 885, 765, 315);
    layout->place(exit, 3390, 885, 765, 315);

    setTabOrder(m_fullName, m_shortName);
    setTabOrder(m_shortName, save);
    setTabOrder(save, exit);

    connect(save, &QPushButton::clicked, this, &FrmComName::saveCompanyNames);
    connect(exit, &QPushButton::clicked, this, &FrmComName::close);
    loadCompanyNames();
}

void FrmComName::loadCompanyNames()
{
    m_fullName->setText(ini::read(m_state.setupIni(), Section, QStringLiteral("FullName")).trimmed());
    m_shortName->setText(ini::read(m_state.setupIni(), Section, QStringLiteral("ShortName")).trimmed());
}

void FrmComName::saveCompanyNames()
{
    // A file that cannot be written keeps its old values; nothing is said.
    ini::write(m_state.setupIni(), Section, QStringLiteral("FullName"), m_fullName->text().trimmed());
    ini::write(m_state.setupIni(), Section, QStringLiteral("ShortName"), m_shortName->text().trimmed());
}

void FrmComName::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
