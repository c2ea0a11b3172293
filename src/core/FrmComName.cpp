#include "FrmComName.h"

#include "AppState.h"
#include "platform/ini/IniFile.h"
#include "platform/ui/DialogParts.h"
#include "platform/ui/Widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {
const QString Section = QStringLiteral("title");
}

FrmComName::FrmComName(AppState &state, QWidget *parent) : QDialog(parent), m_state(state)
{
    setUpFixedDialog(this, "FrmComName", QStringLiteral("单位名称"));

    auto *fullLabel = new QLabel(QStringLiteral("单位全称："), this);
    fullLabel->setObjectName(QStringLiteral("Label1"));
    auto *shortLabel = new QLabel(QStringLiteral("单位简称："), this);
    shortLabel->setObjectName(QStringLiteral("Label2"));
    m_fullName = new QLineEdit(this);
    m_fullName->setObjectName(QStringLiteral("txt_FullName"));
    m_fullName->setMinimumWidth(twips(2955));
    m_shortName = new QLineEdit(this);
    m_shortName->setObjectName(QStringLiteral("txt_ShortName"));
    m_shortName->setMinimumWidth(twips(2955));
    QPushButton *save = plainButton(QStringLiteral("保存"), "cmd_Save", this);
    QPushButton *exit = plainButton(QStringLiteral("关闭"), "cmd_Exit", this);

    auto *fields = new QGridLayout;
    fields->addWidget(fullLabel, 0, 0);
    fields->addWidget(m_fullName, 0, 1);
    fields->addWidget(shortLabel, 1, 0);
    fields->addWidget(m_shortName, 1, 1);
    layOutFixedDialog(this, fields, {save, exit});

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
