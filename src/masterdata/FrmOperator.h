#pragma once

#include "RecordEditor.h"

class QCheckBox;

// The account editor "用户管理": adds operators and, for an existing one,
// changes the password and the disabled flag (the login name and full name
// are set once, when the account is added). "新增" empties only the login
// and full name, so the next account starts with the same password and flag.
class FrmOperator : public RecordEditor
{
    Q_OBJECT
public:
    FrmOperator(AppState &state, const QString &id, QWidget *parent = nullptr);

protected:
    const RecordTable &table() const override;
    QLineEdit *keyBox() const override { return m_login; }
    bool loadRecord(const QString &key) override;
    void showModifyLayout() override;
    bool requiredFilled() const override;
    bool validate() override;
    QVariantHash values() const override;
    QString logNoun() const override { return QStringLiteral("的操作员"); }
    QString logText(const QString &key) const override;
    void clearAfterAdd() override;

private:
    QLineEdit *m_login, *m_name, *m_password, *m_confirm;
    QCheckBox *m_stop;
};
