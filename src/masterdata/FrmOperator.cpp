#include "FrmOperator.h"

#include "EditorTexts.h"
#include "platform/db/Database.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/Widgets.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

FrmOperator::FrmOperator(AppState &state, const QString &id, QWidget *parent)
    : RecordEditor(state, id, QStringLiteral("确定"), QSize(3270, 2400), parent)
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

    const struct {
        QLineEdit *box;
        const char *caption;
        int top;
    } fields[] = {
        {m_login, "用户登录名：", 225},
        {m_name, "用户真实名：", 600},
        {m_password, "密码：", 975},
        {m_confirm, "确认密码：", 1350},
    };
    int n = 0;
    for (const auto &f : fields)
        placeField({f.box, QRect(1275, f.top, 1665, 315), QString::fromUtf8(f.caption), 225,
                    QStringLiteral("Label%1").arg(++n)});
    places()->place(m_stop, 225, 1800, 1440, 180);
    placeButtons(2100, 1050, 1800, 2550);

    setFocusOrder({m_login, m_name, m_password, m_confirm, addButton(), okButton(), cancelButton(), m_stop});
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
    const ResultPtr rs = recordOf(db(), QStringLiteral("Operator"), QStringLiteral("OperatorID"),
                                  {{QStringLiteral("OperatorID"), QStringLiteral("用户登录名")},
                                   {QStringLiteral("OperatorName"), QStringLiteral("用户真实名")},
                                   {QStringLiteral("UserPassword"), QStringLiteral("用户密码")},
                                   {QStringLiteral("Flage"), QStringLiteral("停用标志")}},
                                  key);
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
