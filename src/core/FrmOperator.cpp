#include "FrmOperator.h"

#include "platform/ui/Widgets.h"

#include "masterdata/EditorTexts.h"
#include "platform/db/Database.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmOperator::FrmOperator(AppState &state, const QString &id, QWidget *parent)
    : RecordEditor(state, id, QStringLiteral("确定"), parent)
{
    setObjectName(QStringLiteral("FrmOperator"));
    setWindowTitle(QStringLiteral("用户管理"));
    m_login = lineEdit(QStringLiteral("txt_OperatorID"));
    m_name = lineEdit(QStringLiteral("txt_OperatorName"));
    m_password = lineEdit(QStringLiteral("txt_Password"));
    showStars(m_password);
    m_confirm = lineEdit(QStringLiteral("txt_ConfirmPassword"));
    showStars(m_confirm);
    m_stop = new QCheckBox(QStringLiteral("停用该用户名"), this);
    m_stop->setObjectName(QStringLiteral("chk_Stop"));

    auto *grid = new QGridLayout;
    const QStringList captions{QStringLiteral("用户登录名："), QStringLiteral("用户真实名："), QStringLiteral("密码："),
                               QStringLiteral("确认密码：")};
    const QList<QLineEdit *> boxes{m_login, m_name, m_password, m_confirm};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(label(captions[i], QStringLiteral("Label%1").arg(i + 1)), i, 0);
        grid->addWidget(boxes[i], i, 1);
    }
    grid->setColumnStretch(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_stop);
    layout->addLayout(buttonRow());

    setFocusOrder({m_login, m_name, m_password, m_confirm, addButton(), okButton(), cancelButton(), m_stop});
    fixClientSize(3270, 2400);
}

const RecordTable &FrmOperator::table() const
{
    static const RecordTable t{QStringLiteral("Operator"),
                               QStringLiteral("OperatorID"),
                               {"OperatorName", "UserPassword", "Flage"},
                               {"UserPassword", "Flage"}};
    return t;
}

bool FrmOperator::loadRecord(const QString &key)
{
    const ResultPtr rs = db().query(QStringLiteral("select OperatorID as 用户登录名,OperatorName as 用户真实名,"
                                                   "UserPassword as 用户密码,Flage as 停用标志 from Operator "
                                                   "where OperatorID=?"),
                                    {key});
    if (rs->isEmpty())
        return false;
    m_login->setText(rs->text(0, QStringLiteral("用户登录名")));
    m_name->setText(rs->text(0, QStringLiteral("用户真实名")));
    m_password->setText(rs->text(0, QStringLiteral("用户密码")));
    m_confirm->setText(m_password->text());
    m_stop->setChecked(rs->value(0, QStringLiteral("停用标志")).toInt() != 0);
    return true;
}

void FrmOperator::showModifyLayout()
{
    RecordEditor::showModifyLayout();
    m_name->setEnabled(false);
}

bool FrmOperator::requiredFilled() const
{
    return !m_login->text().trimmed().isEmpty() && !m_name->text().trimmed().isEmpty();
}

bool FrmOperator::validate()
{
    if (m_password->text() != m_confirm->text()) {
        refuse(editortext::passwordMismatch(), m_password);
        return false;
    }
    return true;
}

QVariantHash FrmOperator::values() const
{
    return {
        {QStringLiteral("OperatorName"), m_name->text().trimmed()},
        {QStringLiteral("UserPassword"), m_password->text().trimmed()},
        {QStringLiteral("Flage"), m_stop->isChecked() ? 1 : 0},
    };
}

QString FrmOperator::logText(const QString &key) const
{
    return (isAdding() ? QStringLiteral("添加登录名为") : QStringLiteral("修改登录名为")) + key + logNoun();
}

void FrmOperator::clearAfterAdd()
{
    m_login->clear();
    m_name->clear();
}
