#pragma once

#include "platform/ui/OnePress.h"

#include <QDialog>

struct AppState;
class QLineEdit;

// "更改密码": the signed-in operator changes their own password. "确认" is
// the default button and "关闭" the cancel button. A change shows no message
// and writes no log entry; the window stays open until closed.
class FrmChangePassword : public QDialog
{
    Q_OBJECT
public:
    explicit FrmChangePassword(AppState &state, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool checkInput();
    void confirm();

    AppState &m_state;
    QLineEdit *m_old, *m_new, *m_confirm;
    QWidget *m_ok;
    OnePress m_press{this};
};
