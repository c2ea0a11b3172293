#pragma once

#include <QWidget>

#include <functional>

struct AppState;

// The splash window: the picture wellcome.jpg from the program's folder
// (or, when there is none, one the program draws itself) for two seconds,
// then the sign-in window.
class FrmWelcome : public QWidget
{
    Q_OBJECT
public:
    explicit FrmWelcome(AppState &state, QWidget *parent = nullptr);

    // The picture the splash shows.
    static QPixmap picture(const QString &programDir);

private:
    void handOver();

    AppState &m_state;
};
