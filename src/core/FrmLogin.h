#pragma once

#include "platform/ui/OnePress.h"

#include <QDialog>

struct AppState;
class QLineEdit;
class QPushButton;

// The sign-in window "系统登录". At start-up it is the only window and shown
// without blocking; "退出" then ends the program. Signing in again from the
// main window shows it modally; "退出" then keeps the operator signed in.
class FrmLogin : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { Startup, SignInAgain };

    FrmLogin(AppState &state, Mode mode, QWidget *parent = nullptr);

    // Checks the typed name and password; on success records the operator,
    // logs "系统登录", emits signedIn() and closes.
    void checkLogin(const QString &loginName, const QString &password);

signals:
    void signedIn();

private:
    AppState &m_state;
    Mode m_mode;
    QLineEdit *m_userId;
    QLineEdit *m_password;
    OnePress m_press{this};
};
