#pragma once

#include <QDialog>

struct AppState;
class QComboBox;
class QLineEdit;

// "服务器设置": a database kind, server and database name. "确定" puts them
// into the state and opens the connection again the way start-up does: from
// Setup.ini, which it reads afresh over these three values. A failed open
// is shown and the connection held before is kept. "退出" does nothing.
class FrmFirst : public QDialog
{
    Q_OBJECT
public:
    explicit FrmFirst(AppState &state, QWidget *parent = nullptr);

    // What "确定" does; false after a failure has been shown.
    bool confirm();

private:
    AppState &m_state;
    QComboBox *m_library;
    QLineEdit *m_serverName;
    QLineEdit *m_dbName;
};
