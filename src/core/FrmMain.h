#pragma once

#include <QMainWindow>

struct AppState;

// The main window.
class FrmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit FrmMain(AppState &state, QWidget *parent = nullptr);

private:
    AppState &m_state;
};
